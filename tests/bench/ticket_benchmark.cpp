// The cost of one job's ticket: the whole begin and end sequence with every option line present,
// written into a sink that keeps the bytes in a pre-reserved buffer. Heap allocations are counted
// by replacing the global operator new and reported per job; copying the finished ticket's bytes
// once is measured beside it as the floor.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "common/oem_devmode.h"
#include "platform/native/system_answers.h"
#include "ps3_motor/job_ticket_writer.h"

namespace {

std::atomic<std::size_t> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

// Keeps the stream in a buffer reserved up front, so the sink itself never allocates.
class BufferSink : public IPrintOemDriverPS {
public:
    explicit BufferSink(std::size_t capacity) { bytes_.reserve(capacity); }

    void Clear() { bytes_.clear(); }
    const std::vector<BYTE>& bytes() const { return bytes_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID output, DWORD size, PDWORD needed,
                                                  PDWORD optionsReturned) override {
        static constexpr char kAnswer[] = "CMYK";
        if (size < sizeof kAnswer) return E_FAIL;
        std::memcpy(output, kAnswer, sizeof kAnswer);
        *needed = sizeof kAnswer;
        *optionsReturned = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ, PVOID buffer, DWORD size, DWORD* written) override {
        const auto* begin = static_cast<const BYTE*>(buffer);
        bytes_.insert(bytes_.end(), begin, begin + size);
        *written = size;
        return S_OK;
    }

private:
    std::vector<BYTE> bytes_;
};

void SetText(WCHAR* field, const char16_t* text) {
    for (; *text != 0; ++text) *field++ = *text;
    *field = 0;
}

// A record that makes every line of the ticket appear.
OemDevmode FullRecord() {
    OemDevmode record{};
    record.Size = kOemDevmodeSize;
    record.Signature = kOemDevmodeSignature;
    record.Version = kOemDevmodeVersion;
    record.JobTicketOn = 1;
    record.AccountingOn = 1;
    SetText(record.UserId, u"123456789");
    SetText(record.AccountId, u"987654321");
    record.SendToInbox = 1;
    SetText(record.JobName, u"C:\\\\Plans\\\\Floor 1 east wing.pdf");
    record.LeadingStripOn = 1;
    record.TrailingStripOn = 1;
    record.LeadingStripMode = 0;
    record.TrailingStripMode = 1;
    record.LeadingStripLength = 25;
    record.TrailingStripLength = 10;
    record.CutMethod = 3;
    record.CutLength = 1500;
    record.DefaultMediaType = 1;
    SetText(record.MediaTypeIds[0], u"GLOSSY-PHOTO-200");
    record.FolderOutput = 1;
    record.DefaultFoldTemplate = 1;
    SetText(record.FoldTemplateNames[0], u"DIN 824 form A");
    record.Rotation = 2;
    record.ScalingMode = 1;
    record.ZoomX = 150;
    record.ZoomY = 75;
    record.Alignment = 5;
    record.ShiftOn = 1;
    record.ShiftHorizontal = -12;
    record.ShiftVertical = 30;
    record.Copies = 12;
    return record;
}

// The printer's driver is not a principal-name driver, so the owner is found through the
// printer information and the logon name. Names stay short so that copying the native
// system's answers needs no heap either.
void SetOwnerAnswers() {
    SystemAnswers answers;
    answers.printerDriverName = u"Vor PS";
    answers.logonName = u"jdoe";
    SetSystemAnswers(answers);
}

constexpr std::size_t kStreamCapacity = 8192;

void WriteJob(DEVOBJ& devobj, BufferSink& sink) {
    JobTicketWriter(&devobj, PSINJECT_BEGINSTREAM, &sink);
    JobTicketWriter(&devobj, PSINJECT_EOF, &sink);
}

void BM_TicketPerJob(benchmark::State& state) {
    SetOwnerAnswers();
    OemDevmode record = FullRecord();
    DEVOBJ devobj{};
    devobj.pOEMDM = &record;
    devobj.hPrinter = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(1));
    BufferSink sink(kStreamCapacity);

    const std::size_t before = allocations.load();
    for (auto _ : state) {
        sink.Clear();
        WriteJob(devobj, sink);
        benchmark::DoNotOptimize(sink.bytes().data());
        benchmark::ClobberMemory();
    }
    const std::size_t counted = allocations.load() - before;
    state.counters["allocations_per_job"] =
        benchmark::Counter(static_cast<double>(counted), benchmark::Counter::kAvgIterations);
    state.counters["ticket_bytes"] = static_cast<double>(sink.bytes().size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sink.bytes().size()));
}
BENCHMARK(BM_TicketPerJob);

// The floor: the finished ticket's bytes copied once into a reserved buffer.
void BM_CopyFinishedTicket(benchmark::State& state) {
    SetOwnerAnswers();
    OemDevmode record = FullRecord();
    DEVOBJ devobj{};
    devobj.pOEMDM = &record;
    devobj.hPrinter = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(1));
    BufferSink sink(kStreamCapacity);
    WriteJob(devobj, sink);
    const std::vector<BYTE> ticket = sink.bytes();
    std::vector<BYTE> copy(ticket.size());

    for (auto _ : state) {
        std::memcpy(copy.data(), ticket.data(), ticket.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.counters["ticket_bytes"] = static_cast<double>(ticket.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ticket.size()));
}
BENCHMARK(BM_CopyFinishedTicket);

}  // namespace

BENCHMARK_MAIN();
