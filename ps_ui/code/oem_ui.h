// IOemUI: the settings plug-in object the driver creates, implementing IPrintOemUI. Its methods
// are thin doors onto the record operations and the property sheet steps.
#pragma once

#include "common/plugin_object.h"
#include "platform/win.h"

// The settings plug-in's class.
inline constexpr CLSID CLSID_SettingsPlugin = {0xABCE80D7, 0x9F46, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};

class IOemUI final
    : public PluginObject<IOemUI, IPrintOemUI, IID_IPrintOemUI, IPrintOemDriverUI, IID_IPrintOemDriverUI> {
public:
    HRESULT STDMETHODCALLTYPE GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) override;
    HRESULT STDMETHODCALLTYPE DevMode(DWORD mode, POEMDMPARAM param) override;

    HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD mode, POEMCUIPPARAM param) override;
    HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PROPSHEETUI_INFO* info, LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DevicePropertySheets(PROPSHEETUI_INFO* info, LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ uiObject, PDEVQUERYPRINT_INFO info, PDEVMODEW publicDM,
                                              PVOID oemDM) override;
    HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ uiObject, HANDLE printer, PWSTR deviceName,
                                                 WORD capability, PVOID output, PDEVMODEW publicDM, PVOID oemDM,
                                                 DWORD oldResult, DWORD* result) override;
    HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD level, PBYTE driverUpgradeInfo) override;
    HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR printerName, INT driverEvent, DWORD flags, LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DriverEvent(DWORD driverEvent, DWORD level, LPBYTE driverInfo, LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE printer, POEMUIOBJ uiObject, PDEVMODEW publicDM, PVOID oemDM,
                                                ULONG queryMode, VOID* profileData, ULONG* profileSize,
                                                FLONG* profileFlags) override;
    HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE printer, HANDLE heap, PWSTR cartridges) override;

private:
    friend PluginObject;
    IOemUI() = default;
    ~IOemUI() = default;
};
