// A plug-in library loaded by path and reached only through its two exports, as the driver
// reaches it: DllGetClassObject for a class factory and DllCanUnloadNow before unloading.
#pragma once

#include <filesystem>
#include <string>

#include "host/com_ptr.h"
#include "host/plugin_classes.h"
#include "platform/win.h"

// The file of plug-in `name` (kvjob, kvui01 …) in the folder of the running program, named as
// the platform names shared libraries.
std::filesystem::path PluginFilePath(const std::string& name);

class PluginLibrary {
public:
    // Loads the library and finds both exports; PluginError when either is missing.
    explicit PluginLibrary(const std::filesystem::path& path);
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;
    // Unloads the library if it still is loaded and lets itself go.
    ~PluginLibrary();

    HMODULE Module() const { return module_; }
    const std::filesystem::path& Path() const { return path_; }

    // DllGetClassObject(classId, IID_IClassFactory) then CreateInstance(no outer object, iid).
    // Returns the HRESULT of the failing step, or S_OK with the object stored in `object`.
    HRESULT CreateObject(REFCLSID classId, REFIID iid, void** object);

    // DllCanUnloadNow's answer.
    HRESULT CanUnloadNow();
    // Asks DllCanUnloadNow and frees the library when it agrees; true when it was freed. A
    // library that refuses stays loaded until the process ends, as COM leaves it.
    bool Unload();

private:
    using GetClassObjectFunction = HRESULT(STDMETHODCALLTYPE*)(REFCLSID, REFIID, LPVOID*);
    using CanUnloadNowFunction = HRESULT(STDMETHODCALLTYPE*)();

    std::filesystem::path path_;
    HMODULE module_ = nullptr;
    GetClassObjectFunction getClassObject_ = nullptr;
    CanUnloadNowFunction canUnloadNow_ = nullptr;
};

// The plug-in object of a library, seen through the interface of its kind.
struct PluginObject {
    PluginKind kind = PluginKind::Settings;
    ComPtr<IPrintOemUI> settings;
    ComPtr<IPrintOemPS> render;

    IPrintOemCommon& Common() const;
    // PublishDriverInterface on the interface of the object's kind.
    HRESULT PublishDriverInterface(IUnknown* driverObject) const;
};

// Creates the object of `kind` (its class and interface); the HRESULT of the failing step, or
// S_OK with the object stored in `object`.
HRESULT TryCreatePluginObject(PluginLibrary& library, PluginKind kind, PluginObject& object);
// The same, with PluginError when it fails.
PluginObject CreatePluginObject(PluginLibrary& library, PluginKind kind);
