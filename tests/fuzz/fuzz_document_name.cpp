// The start-of-document hook with any document name: the driver gets a terminated name of at
// most 299 units, JobName stays terminated inside its array, and the caller's string is never
// written to.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/wide_text.h"
#include "ps3_motor/oem_pdev.h"
#include "ps3_motor/start_doc_hook.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

BOOL APIENTRY DriverStartDoc(SURFOBJ*, LPWSTR name, DWORD) {
    if (name != nullptr && WideLength(name, 300) >= 300) std::abort();
    return TRUE;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput fuzz(data, size);
    const bool withName = (fuzz.Byte() & 1) != 0;
    const std::size_t nameUnits = fuzz.Byte() | (static_cast<std::size_t>(fuzz.Byte() & 0x03) << 8);
    const std::vector<std::uint8_t> nameBytes = fuzz.Bytes(2 * nameUnits);
    std::vector<std::uint8_t> record = FuzzRecord(fuzz, true);
    std::vector<WCHAR> name;
    for (std::size_t i = 0; i + 1 < nameBytes.size(); i += 2)
        name.push_back(static_cast<WCHAR>(nameBytes[i] | (nameBytes[i + 1] << 8)));
    name.push_back(0);
    const std::vector<WCHAR> original = name;

    OemPdev pdev{&DriverStartDoc};
    DEVOBJ devobj{};
    devobj.pdevOEM = &pdev;
    devobj.pOEMDM = record.data();
    SURFOBJ surface{};
    surface.dhpdev = reinterpret_cast<DHPDEV>(&devobj);
    StartDocHook(&surface, withName ? name.data() : nullptr, 1);

    const auto& written = *reinterpret_cast<const OemDevmode*>(record.data());
    if (WideLength(written.JobName, kSlotUnits) >= kSlotUnits && withName) std::abort();
    if (name != original) std::abort();
    return 0;
}
