// Loading a plug-in library and calling its exports.
#include "tests/plugins/plugin_library.h"

namespace {

std::basic_string<WCHAR> WidePath(const char* path) {
    std::basic_string<WCHAR> wide;
    for (; *path != 0; ++path) wide.push_back(static_cast<WCHAR>(static_cast<unsigned char>(*path)));
    return wide;
}

// Exports are found as generic function addresses; the cast passes through the one function
// pointer type the compiler takes as a deliberate conversion.
template <typename Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

PluginLibrary::PluginLibrary(const char* path) {
    module_ = LoadLibraryW(WidePath(path).c_str());
    if (module_ == nullptr) return;
    getClassObject_ = Export<GetClassObjectFunction>(module_, "DllGetClassObject");
    canUnloadNow_ = Export<CanUnloadNowFunction>(module_, "DllCanUnloadNow");
}

PluginLibrary::~PluginLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}

HRESULT PluginLibrary::GetClassObject(REFCLSID classId, REFIID riid, void** object) const {
    return getClassObject_(classId, riid, object);
}

HRESULT PluginLibrary::CanUnloadNow() const { return canUnloadNow_(); }

void* PluginLibrary::CreateObject(REFCLSID classId, REFIID riid) const {
    void* factory = nullptr;
    if (FAILED(GetClassObject(classId, IID_IClassFactory, &factory))) return nullptr;
    auto* classFactory = static_cast<IClassFactory*>(factory);
    void* object = nullptr;
    const HRESULT result = classFactory->CreateInstance(nullptr, riid, &object);
    classFactory->Release();
    return SUCCEEDED(result) ? object : nullptr;
}

ULONG ReferenceCount(IUnknown* object) {
    object->AddRef();
    return object->Release();
}
