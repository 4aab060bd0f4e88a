// Loading plug-in libraries and creating their objects; see plugin_library.h.
#include "host/plugin_library.h"

#include <vector>

#include "host/host_error.h"
#include "host/plugin_file_names.h"
#include "platform/utf.h"

namespace {

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path PathFromWide(const WideString& text) {
    const std::string utf8 = Utf8FromUtf16(text.c_str(), text.size());
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::filesystem::path ProgramFolder() {
    std::vector<WCHAR> buffer(260);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) throw PluginError("cannot find the folder of the running program");
        if (length < buffer.size() - 1) return PathFromWide(WideString(buffer.data(), length)).parent_path();
        buffer.resize(buffer.size() * 2);
    }
}

// Export addresses come back as FARPROC; the detour through void(*)() keeps the conversion to
// the real signature free of cast warnings.
template <class Function>
Function ExportAs(HMODULE module, const char* name) {
    const FARPROC address = GetProcAddress(module, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

std::string HexText(unsigned long value) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "0x00000000";
    for (int i = 9; i >= 2; --i, value >>= 4) text[static_cast<std::size_t>(i)] = digits[value & 0xF];
    return text;
}

std::filesystem::path PluginFilePath(const std::string& name) {
    return ProgramFolder() / (std::string(kPluginFilePrefix) + name + kPluginFileSuffix);
}

PluginLibrary::PluginLibrary(const std::filesystem::path& path) : path_(path) {
    const std::string utf8 = PathText(path);
    module_ = LoadLibraryW(Utf16FromUtf8(utf8).c_str());
    if (module_ == nullptr)
        throw PluginError("cannot load the plug-in library " + utf8 + " (error " + std::to_string(GetLastError()) + ")");
    getClassObject_ = ExportAs<GetClassObjectFunction>(module_, "DllGetClassObject");
    canUnloadNow_ = ExportAs<CanUnloadNowFunction>(module_, "DllCanUnloadNow");
    if (getClassObject_ == nullptr || canUnloadNow_ == nullptr) {
        FreeLibrary(module_);
        module_ = nullptr;
        throw PluginError(utf8 + " is not a plug-in library: it lacks DllGetClassObject or DllCanUnloadNow");
    }
}

PluginLibrary::~PluginLibrary() { Unload(); }

HRESULT PluginLibrary::CreateObject(REFCLSID classId, REFIID iid, void** object) {
    *object = nullptr;
    ComPtr<IClassFactory> factory;
    HRESULT result = getClassObject_(classId, IID_IClassFactory, factory.Receive());
    if (FAILED(result)) return result;
    if (!factory) return E_POINTER;
    return factory->CreateInstance(nullptr, iid, object);
}

HRESULT PluginLibrary::CanUnloadNow() { return canUnloadNow_(); }

bool PluginLibrary::Unload() {
    if (module_ == nullptr) return true;
    if (canUnloadNow_() != S_OK) return false;
    FreeLibrary(module_);
    module_ = nullptr;
    return true;
}

IPrintOemCommon& PluginObject::Common() const {
    if (kind == PluginKind::Settings) return *settings.Get();
    return *render.Get();
}

HRESULT PluginObject::PublishDriverInterface(IUnknown* driverObject) const {
    if (kind == PluginKind::Settings) return settings->PublishDriverInterface(driverObject);
    return render->PublishDriverInterface(driverObject);
}

HRESULT TryCreatePluginObject(PluginLibrary& library, PluginKind kind, PluginObject& object) {
    object = PluginObject();
    object.kind = kind;
    HRESULT result;
    if (kind == PluginKind::Settings)
        result = library.CreateObject(kSettingsPluginClass, IID_IPrintOemUI, object.settings.Receive());
    else
        result = library.CreateObject(kRenderPluginClass, IID_IPrintOemPS, object.render.Receive());
    if (SUCCEEDED(result) && !object.settings && !object.render) result = E_POINTER;
    return result;
}

PluginObject CreatePluginObject(PluginLibrary& library, PluginKind kind) {
    PluginObject object;
    const HRESULT result = TryCreatePluginObject(library, kind, object);
    if (FAILED(result))
        throw PluginError(PathText(library.Path()) + " did not create its " +
                          (kind == PluginKind::Settings ? "settings" : "render") + " plug-in object (" +
                          HexText(static_cast<unsigned long>(result)) + ")");
    return object;
}
