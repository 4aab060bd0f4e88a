// The job ticket writer with any record and any colour answer: every write is complete, no
// line is longer than the line buffer allows, and nothing reads outside the record.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ps3_motor/job_ticket_writer.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

class CheckingDriver final : public IPrintOemDriverPS {
public:
    std::string colorAnswer;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID output, DWORD size, PDWORD needed,
                                                  PDWORD) override {
        const std::size_t count = std::min<std::size_t>(colorAnswer.size(), size);
        std::memcpy(output, colorAnswer.data(), count);
        if (needed != nullptr) *needed = static_cast<DWORD>(count);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ, PVOID buffer, DWORD size, DWORD* written) override {
        // A ticket line holds at most 259 units; the fixed pieces are shorter than that.
        if (size == 0 || size > 259 * sizeof(WCHAR)) std::abort();
        volatile std::uint8_t sum = 0;
        for (DWORD i = 0; i < size; ++i) sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t*>(buffer)[i]);
        *written = size;
        return S_OK;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput fuzz(data, size);
    const std::uint8_t choice = fuzz.Byte();
    CheckingDriver driver;
    const std::vector<std::uint8_t> answer = fuzz.Bytes(fuzz.Byte() % 120);
    driver.colorAnswer.assign(answer.begin(), answer.end());
    std::vector<std::uint8_t> record = FuzzRecord(fuzz, (choice & 1) != 0);

    DEVOBJ devobj{};
    devobj.dwSize = sizeof devobj;
    devobj.pOEMDM = record.data();
    for (DWORD point = 1; point <= kLastInjectionPoint; ++point) JobTicketWriter(&devobj, point, &driver);
    return 0;
}
