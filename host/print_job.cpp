// One print job through the render plug-in; see print_job.h.
#include "host/print_job.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "host/host_error.h"
#include "host/plugin_library.h"

namespace {

// The graphics engine's interface version the driver reports in its own DRVENABLEDATA.
constexpr ULONG kGraphicsDriverVersion = 0x00030000;

// The driver's per-device state. The DEVOBJ comes first, so the surface's dhpdev, which points
// at the DEVOBJ, also reaches the rest.
struct HostPdev {
    DEVOBJ devobj;
    bool startDocCalled;
};
static_assert(offsetof(HostPdev, devobj) == 0);

// The driver's own DrvStartDoc, which the plug-in's hook calls on: it has nothing to prepare.
BOOL APIENTRY HostDrvStartDoc(SURFOBJ* surface, LPWSTR, DWORD) {
    if (surface == nullptr || surface->dhpdev == nullptr) return FALSE;
    reinterpret_cast<HostPdev*>(surface->dhpdev)->startDocCalled = true;
    return TRUE;
}

void Check(HRESULT result, const char* call) {
    if (FAILED(result))
        throw PluginError(std::string("the render plug-in's ") + call + " failed (" +
                          HexText(static_cast<unsigned long>(result)) + ")");
}

PFN_DrvStartDoc FindStartDocHook(const DRVENABLEDATA& table) {
    if (table.pdrvfn == nullptr) return nullptr;
    for (ULONG i = 0; i < table.c; ++i)
        if (table.pdrvfn[i].iFunc == INDEX_DrvStartDoc)
            return reinterpret_cast<PFN_DrvStartDoc>(reinterpret_cast<void (*)()>(table.pdrvfn[i].pfn));
    return nullptr;
}

}  // namespace

void PayloadSource::CopyTo(OutputStream& output) {
    std::vector<BYTE> block(kPayloadBlockSize);
    for (;;) {
        const std::size_t count = Read(block.data(), block.size());
        if (count == 0) return;
        if (!output.Write(block.data(), count)) throw FileError("cannot write the output stream");
    }
}

PrintJobResult RunPrintJob(PrintJobSettings settings, PayloadSource& payload, OutputStream& output) {
    ApplyHostSystemAnswers(settings.systemAnswers);
    settings.record = PadRecord(std::move(settings.record));

    PrintJobResult result;
    PluginLibrary library(settings.renderPlugin);
    PluginObject object = CreatePluginObject(library, PluginKind::Render);
    IPrintOemPS& plugin = *object.render.Get();
    ComPtr<DriverServicesPS> services(new DriverServicesPS(&output, settings.colorKeyword));

    Check(plugin.PublishDriverInterface(services.Get()), "PublishDriverInterface");
    DRVENABLEDATA hooks{};
    Check(plugin.EnableDriver(PRINTER_OEMINTF_VERSION, sizeof hooks, &hooks), "EnableDriver");

    bool started = false;
    try {
        HostPdev pdev{};
        pdev.devobj.dwSize = sizeof(DEVOBJ);
        pdev.devobj.hPrinter = settings.printerHandle ? DummyPrinterHandle() : nullptr;
        pdev.devobj.pOEMDM = settings.record.data();
        std::array<DRVFN, 1> driverFunctions = {
            DRVFN{INDEX_DrvStartDoc, reinterpret_cast<PFN>(reinterpret_cast<void (*)()>(&HostDrvStartDoc))}};
        DRVENABLEDATA driverTable{kGraphicsDriverVersion, static_cast<ULONG>(driverFunctions.size()),
                                  driverFunctions.data()};
        WCHAR printerName[] = WIDE("kvhost");
        PDEVOEM pdevOem = nullptr;
        Check(plugin.EnablePDEV(&pdev.devobj, printerName, 0, nullptr, 0, nullptr, 0, nullptr, &driverTable, &pdevOem),
              "EnablePDEV");
        pdev.devobj.pdevOEM = pdevOem;

        try {
            // The driver calls the hook in place of its own DrvStartDoc; without a hook, its own.
            SURFOBJ surface{};
            surface.dhpdev = reinterpret_cast<DHPDEV>(&pdev.devobj);
            std::optional<WideString> name = settings.documentName;
            LPWSTR namePointer = name ? name->data() : nullptr;
            const PFN_DrvStartDoc hook = FindStartDocHook(hooks);
            started = (hook != nullptr ? hook : &HostDrvStartDoc)(&surface, namePointer, settings.jobId) != FALSE;
            result.driverStartDocCalled = pdev.startDocCalled;

            if (started) {
                // Stream order: the begin of the stream, the header comments, defaults, prolog and
                // setup, the document itself, the trailer, the end of the file, the end of the stream.
                const auto inject = [&](DWORD point) {
                    services->SetInjectionPoint(point);
                    DWORD commandResult = 0;
                    Check(plugin.Command(&pdev.devobj, point, nullptr, 0, &commandResult), "Command");
                    services->SetInjectionPoint(0);
                    if (services->OutputFailed()) throw FileError("cannot write the output stream");
                };
                inject(PSINJECT_BEGINSTREAM);
                for (DWORD point = 2; point <= 17; ++point) inject(point);
                payload.CopyTo(output);
                for (DWORD point = 18; point <= kLastInjectionPoint; ++point) inject(point);
            }
        } catch (...) {
            plugin.DisablePDEV(&pdev.devobj);
            throw;
        }
        Check(plugin.DisablePDEV(&pdev.devobj), "DisablePDEV");
    } catch (...) {
        plugin.DisableDriver();
        throw;
    }
    Check(plugin.DisableDriver(), "DisableDriver");

    result.beginStreamBytes = services->BeginStreamBytes();
    object = PluginObject();
    services.Reset();
    result.unloaded = library.Unload();
    if (!started)
        throw JobRefused("the render plug-in refused the job at the start of the document "
                         "(the record's size or signature is not valid)");
    return result;
}

std::optional<std::string> TicketText(const std::vector<BYTE>& bytes) {
    static constexpr std::string_view kBegin = "*VorJobBegin\r\n";
    static constexpr std::string_view kData = "*VORJobData\r\n";
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.substr(0, kBegin.size()) != kBegin) return std::nullopt;
    std::size_t start = kBegin.size();
    if (text.substr(start, 2) != "\xFF\xFE") return std::nullopt;
    start += 2;
    const std::size_t end = text.rfind(kData);
    if (end == std::string_view::npos || end < start) return std::nullopt;
    WideString units;
    for (std::size_t i = start; i + 1 < end; i += 2)
        units.push_back(static_cast<WCHAR>(bytes[i] | (bytes[i + 1] << 8)));
    return Utf8FromUtf16(units.c_str(), units.size());
}
