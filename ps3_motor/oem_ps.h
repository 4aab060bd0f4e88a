// IOemuiPS: the render plug-in object the driver creates, implementing IPrintOemPS. Its methods
// are thin doors onto the record operations, the hook table and the job ticket writer.
#pragma once

#include "common/plugin_object.h"
#include "platform/win.h"

// The render plug-in's class.
inline constexpr CLSID CLSID_RenderPlugin = {0x6D6ABF26, 0x9F38, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};

class IOemuiPS final
    : public PluginObject<IOemuiPS, IPrintOemPS, IID_IPrintOemPS, IPrintOemDriverPS, IID_IPrintOemDriverPS> {
public:
    HRESULT STDMETHODCALLTYPE GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) override;
    HRESULT STDMETHODCALLTYPE DevMode(DWORD mode, POEMDMPARAM param) override;

    HRESULT STDMETHODCALLTYPE EnableDriver(DWORD driverVersion, DWORD size, DRVENABLEDATA* enableData) override;
    HRESULT STDMETHODCALLTYPE DisableDriver() override;
    HRESULT STDMETHODCALLTYPE EnablePDEV(PDEVOBJ devobj, PWSTR printerName, ULONG patternCount, HSURF* patterns,
                                         ULONG gdiInfoSize, GDIINFO* gdiInfo, ULONG devInfoSize, DEVINFO* devInfo,
                                         DRVENABLEDATA* driverData, PDEVOEM* pdevOem) override;
    HRESULT STDMETHODCALLTYPE DisablePDEV(PDEVOBJ devobj) override;
    HRESULT STDMETHODCALLTYPE ResetPDEV(PDEVOBJ oldDevobj, PDEVOBJ newDevobj) override;

    HRESULT STDMETHODCALLTYPE Command(PDEVOBJ devobj, DWORD index, PVOID data, DWORD size, PDWORD result) override;

private:
    friend PluginObject;
    IOemuiPS() = default;
    ~IOemuiPS() = default;
};
