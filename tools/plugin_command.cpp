// kvhost plugin: loads any plug-in library by path and reports its class, GetInfo answers, record
// size and whether it lets itself be unloaded.
#include <filesystem>
#include <iostream>

#include "host/devmode_negotiation.h"
#include "host/driver_services.h"
#include "host/host_error.h"
#include "host/plugin_library.h"
#include "tools/commands.h"

namespace {

std::string ResultText(HRESULT result) { return HexText(static_cast<unsigned long>(result)); }

std::string FourCharacters(DWORD value) {
    std::string text;
    for (int i = 0; i < 4; ++i, value >>= 8) {
        const char c = static_cast<char>(value & 0xFF);
        text.push_back(c >= 0x20 && c < 0x7F ? c : '.');
    }
    return text;
}

void Line(const char* name, const std::string& value) {
    std::cout << name << std::string(12 - std::char_traits<char>::length(name), ' ') << value << '\n';
}

// One GetInfo answer as text; false when the call failed.
bool ShowInfo(IPrintOemCommon& plugin, DWORD kind, const char* name, bool asSignature) {
    DWORD value = 0;
    DWORD needed = 0;
    const HRESULT result = plugin.GetInfo(kind, &value, sizeof value, &needed);
    if (FAILED(result)) {
        Line(name, "GetInfo failed (" + ResultText(result) + ", error " + std::to_string(GetLastError()) + ")");
        return false;
    }
    Line(name, asSignature ? HexText(value) + " \"" + FourCharacters(value) + "\"" : std::to_string(value));
    return true;
}

}  // namespace

void RunPlugin(const std::string& libraryPath) {
    const std::filesystem::path path(std::u8string(libraryPath.begin(), libraryPath.end()));
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) throw FileError("cannot read " + libraryPath + ": no such file");

    PluginLibrary library(path);
    PluginObject object;
    HRESULT settingsResult = TryCreatePluginObject(library, PluginKind::Settings, object);
    HRESULT renderResult = S_OK;
    if (FAILED(settingsResult)) renderResult = TryCreatePluginObject(library, PluginKind::Render, object);
    if (FAILED(settingsResult) && FAILED(renderResult))
        throw PluginError(libraryPath + " serves neither the settings nor the render plug-in class (" +
                          ResultText(settingsResult) + ", " + ResultText(renderResult) + ")");

    Line("library", libraryPath);
    Line("class", object.kind == PluginKind::Settings ? "settings (IPrintOemUI)" : "render (IPrintOemPS)");
    bool allAnswered = true;
    IUnknown* driverObject = object.kind == PluginKind::Settings
                                 ? static_cast<IUnknown*>(new DriverServicesUI())
                                 : static_cast<IUnknown*>(new DriverServicesPS(nullptr, std::nullopt));
    const HRESULT published = object.PublishDriverInterface(driverObject);
    if (FAILED(published)) {
        Line("driver", "PublishDriverInterface failed (" + ResultText(published) + ")");
        allAnswered = false;
    }
    allAnswered &= ShowInfo(object.Common(), OEMGI_GETSIGNATURE, "signature", true);
    allAnswered &= ShowInfo(object.Common(), OEMGI_GETVERSION, "version", false);
    try {
        DevModeContext context;
        context.driverObject = driverObject;
        context.printer = DummyPrinterHandle();
        context.module = library.Module();
        Line("record", std::to_string(QueryRecordSize(object.Common(), context)) + " bytes (OEMDM_SIZE)");
    } catch (const PluginError& failure) {
        Line("record", failure.what());
        allAnswered = false;
    }
    object = PluginObject();
    driverObject->Release();

    const HRESULT unload = library.CanUnloadNow();
    Line("unload", unload == S_OK ? "yes (DllCanUnloadNow answers S_OK)"
                                  : "no (DllCanUnloadNow answers " + ResultText(unload) + ")");
    library.Unload();
    if (!allAnswered) throw PluginError(libraryPath + ": some of the plug-in's calls failed");
}
