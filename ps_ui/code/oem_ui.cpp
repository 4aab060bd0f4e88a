// IOemUI, the settings plug-in object.
#include "ps_ui/code/oem_ui.h"

#include "common/record_operations.h"
#include "ps_ui/code/build_profile.h"
#include "ps_ui/code/color_profile.h"
#include "ps_ui/code/property_sheets.h"

namespace {

// The settings plug-in's branch of the document properties holds this many items.
constexpr DWORD kOptionItemCount = 15;

// Where the driver sends the changes of the plug-in's items.
LONG APIENTRY ItemCallback(PCPSUICBPARAM, POEMCUIPPARAM) { return CPSUICB_ACTION_NONE; }

}  // namespace

HRESULT IOemUI::GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) {
    return RecordGetInfo(mode, buffer, size, needed, PublisherInfoAnswer::NotSupported);
}

HRESULT IOemUI::DevMode(DWORD mode, POEMDMPARAM param) { return RecordDevMode(mode, param, BuildRecordDefaults()); }

HRESULT IOemUI::CommonUIProp(DWORD mode, POEMCUIPPARAM param) {
    // The printer properties get no items of the plug-in.
    if (mode == OEMCUIP_PRNPROP) return S_OK;
    if (mode != OEMCUIP_DOCPROP || param == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    if (param->pOEMOptItems == nullptr) {
        // First call: the driver asks how many items to allocate.
        param->cOEMOptItems = kOptionItemCount;
        param->OEMCUIPCallback = ItemCallback;
        return S_OK;
    }
    return E_NOTIMPL;
}

HRESULT IOemUI::DocumentPropertySheets(PROPSHEETUI_INFO*, LPARAM) { return E_NOTIMPL; }

HRESULT IOemUI::DevicePropertySheets(PROPSHEETUI_INFO* info, LPARAM lParam) {
    return RunDevicePropertySheets(info, lParam);
}
HRESULT IOemUI::DevQueryPrintEx(POEMUIOBJ, PDEVQUERYPRINT_INFO, PDEVMODEW, PVOID) { return E_NOTIMPL; }
HRESULT IOemUI::DeviceCapabilities(POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID, PDEVMODEW, PVOID, DWORD, DWORD*) {
    return E_NOTIMPL;
}
HRESULT IOemUI::UpgradePrinter(DWORD, PBYTE) { return E_NOTIMPL; }
HRESULT IOemUI::PrinterEvent(PWSTR, INT, DWORD, LPARAM) { return E_NOTIMPL; }
HRESULT IOemUI::DriverEvent(DWORD, DWORD, LPBYTE, LPARAM) { return E_NOTIMPL; }
HRESULT IOemUI::QueryColorProfile(HANDLE, POEMUIOBJ, PDEVMODEW, PVOID, ULONG queryMode, VOID* profileData,
                                  ULONG* profileSize, FLONG* profileFlags) {
    return QueryColorProfileName(queryMode, profileData, profileSize, profileFlags);
}
HRESULT IOemUI::FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) { return E_NOTIMPL; }
HRESULT IOemUI::UpdateExternalFonts(HANDLE, HANDLE, PWSTR) { return E_NOTIMPL; }
