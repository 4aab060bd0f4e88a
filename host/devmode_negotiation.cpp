// The driver's side of the DevMode operation; see devmode_negotiation.h.
#include "host/devmode_negotiation.h"

#include <algorithm>
#include <string>

#include "common/oem_devmode.h"
#include "host/driver_services.h"
#include "host/host_error.h"

namespace {

void CallDevMode(IPrintOemCommon& plugin, DWORD mode, OEMDMPARAM& param) {
    const HRESULT result = plugin.DevMode(mode, &param);
    if (FAILED(result))
        throw PluginError("the plug-in's DevMode(" + std::to_string(mode) + ") failed (" +
                          HexText(static_cast<unsigned long>(result)) + ", error " + std::to_string(GetLastError()) +
                          ")");
}

OEMDMPARAM MakeParam(const DevModeContext& context) {
    OEMDMPARAM param{};
    param.cbSize = sizeof(OEMDMPARAM);
    param.pdriverobj = context.driverObject;
    param.hPrinter = context.printer;
    param.hModule = context.module;
    return param;
}

}  // namespace

std::size_t RecordSize() { return kOemDevmodeSize; }

RecordBytes PadRecord(RecordBytes bytes) {
    if (bytes.size() < RecordSize()) bytes.resize(RecordSize(), 0);
    return bytes;
}

RecordBytes FitRecord(RecordBytes bytes) {
    bytes.resize(RecordSize(), 0);
    return bytes;
}

DWORD QueryRecordSize(IPrintOemCommon& plugin, const DevModeContext& context) {
    OEMDMPARAM param = MakeParam(context);
    CallDevMode(plugin, OEMDM_SIZE, param);
    return param.cbBufSize;
}

RecordBytes DefaultRecord(IPrintOemCommon& plugin, const DevModeContext& context) {
    // The buffer is as large as the plug-in asks for and never smaller than the record.
    const DWORD size = QueryRecordSize(plugin, context);
    RecordBytes buffer(std::max<std::size_t>(size, RecordSize()), 0);
    OEMDMPARAM param = MakeParam(context);
    param.pOEMDMOut = buffer.data();
    param.cbBufSize = static_cast<DWORD>(buffer.size());
    CallDevMode(plugin, OEMDM_DEFAULT, param);
    return FitRecord(std::move(buffer));
}

RecordBytes ConvertRecord(IPrintOemCommon& plugin, const DevModeContext& context, DWORD mode,
                          const RecordBytes& input, const RecordBytes& output) {
    RecordBytes in = PadRecord(input);
    RecordBytes out = PadRecord(output);
    OEMDMPARAM param = MakeParam(context);
    param.pOEMDMIn = in.data();
    param.pOEMDMOut = out.data();
    param.cbBufSize = static_cast<DWORD>(out.size());
    CallDevMode(plugin, mode, param);
    return FitRecord(std::move(out));
}

DevModePlugin::DevModePlugin(const std::filesystem::path& library, PluginKind kind)
    : library_(library), object_(CreatePluginObject(library_, kind)) {
    if (kind == PluginKind::Settings)
        driverObject_ = new DriverServicesUI();
    else
        driverObject_ = new DriverServicesPS(nullptr, std::nullopt);
    const HRESULT result = object_.PublishDriverInterface(driverObject_);
    if (FAILED(result)) {
        object_ = PluginObject();
        driverObject_->Release();
        throw PluginError("the plug-in's PublishDriverInterface failed (" +
                          HexText(static_cast<unsigned long>(result)) + ")");
    }
}

DevModePlugin::~DevModePlugin() {
    object_ = PluginObject();
    driverObject_->Release();
}

DevModeContext DevModePlugin::Context() const {
    DevModeContext context;
    context.driverObject = driverObject_;
    context.printer = DummyPrinterHandle();
    context.module = library_.Module();
    return context;
}

RecordBytes PluginDefaults(const std::filesystem::path& library, PluginKind kind) {
    DevModePlugin build(library, kind);
    return DefaultRecord(build.Object(), build.Context());
}
