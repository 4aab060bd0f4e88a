// Time per small print job through the loaded render plug-in: with the library loaded for each
// job as kvhost does, and with the library already resident in the process (its load excluded:
// the job's LoadLibraryW then only finds it).
#include <benchmark/benchmark.h>

#include <cstring>
#include <string_view>

#include "host/plugin_library.h"
#include "host/print_job.h"

namespace {

constexpr std::string_view kSmallJob =
    "%!PS-Adobe-3.0\nnewpath 72 72 moveto 523 72 lineto 523 770 lineto closepath stroke\nshowpage\n%%EOF\n";

class StringPayload final : public PayloadSource {
public:
    explicit StringPayload(std::string_view bytes) : bytes_(bytes) {}
    std::size_t Read(BYTE* buffer, std::size_t capacity) override {
        const std::size_t count = std::min(capacity, bytes_.size());
        std::memcpy(buffer, bytes_.data(), count);
        bytes_.remove_prefix(count);
        return count;
    }

private:
    std::string_view bytes_;
};

class CountingOutput final : public OutputStream {
public:
    bool Write(const void*, std::size_t count) override {
        bytes += count;
        return true;
    }
    std::size_t bytes = 0;
};

void RunSmallJobs(benchmark::State& state, const RecordBytes& record) {
    const std::filesystem::path kvjob = PluginFilePath("kvjob");
    std::size_t streamBytes = 0;
    for (auto _ : state) {
        PrintJobSettings settings;
        settings.renderPlugin = kvjob;
        settings.record = record;
        settings.documentName = WideString(WIDE("small.ps"));
        settings.colorKeyword = "CMYK";
        settings.systemAnswers.driverName = WideString(WIDE("Generic PostScript Printer"));
        settings.systemAnswers.logonName = WideString(WIDE("jdoe"));
        StringPayload payload(kSmallJob);
        CountingOutput output;
        RunPrintJob(std::move(settings), payload, output);
        streamBytes = output.bytes;
    }
    state.counters["stream_bytes"] = static_cast<double>(streamBytes);
}

void BM_SmallJobLoadIncluded(benchmark::State& state) {
    RunSmallJobs(state, PluginDefaults(PluginFilePath("kvjob"), PluginKind::Render));
}

void BM_SmallJobLibraryResident(benchmark::State& state) {
    const RecordBytes record = PluginDefaults(PluginFilePath("kvjob"), PluginKind::Render);
    const PluginLibrary resident(PluginFilePath("kvjob"));
    RunSmallJobs(state, record);
}

}  // namespace

BENCHMARK(BM_SmallJobLoadIncluded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmallJobLibraryResident)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
