// A plug-in library loaded by its file name, as the driver loads it, reached only through its
// two exports. The class identifiers are the ones the driver is installed with.
#pragma once

#include <string>

#include "platform/win.h"

inline constexpr CLSID kSettingsClass = {0xABCE80D7, 0x9F46, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};
inline constexpr CLSID kRenderClass = {0x6D6ABF26, 0x9F38, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};

class PluginLibrary {
public:
    explicit PluginLibrary(const char* path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool loaded() const { return module_ != nullptr && getClassObject_ != nullptr && canUnloadNow_ != nullptr; }
    HMODULE module() const { return module_; }

    HRESULT GetClassObject(REFCLSID classId, REFIID riid, void** object) const;
    HRESULT CanUnloadNow() const;

    // The plug-in object asked for `riid` through a fresh factory, as the driver creates it; null
    // when any step fails.
    void* CreateObject(REFCLSID classId, REFIID riid) const;

private:
    using GetClassObjectFunction = HRESULT(STDMETHODCALLTYPE*)(REFCLSID, REFIID, void**);
    using CanUnloadNowFunction = HRESULT(STDMETHODCALLTYPE*)();

    HMODULE module_ = nullptr;
    GetClassObjectFunction getClassObject_ = nullptr;
    CanUnloadNowFunction canUnloadNow_ = nullptr;
};

// The reference count an interface reports, read by one AddRef and one Release.
ULONG ReferenceCount(IUnknown* object);
