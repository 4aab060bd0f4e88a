// IOemUI, the settings plug-in object.
#include "ps_ui/code/oem_ui.h"

#include <new>

#include "common/com_module.h"
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

IOemUI* IOemUI::CreateNew() {
    IOemUI* object = new (std::nothrow) IOemUI;
    if (object != nullptr) AddLiveObject();
    return object;
}

HRESULT IOemUI::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPrintOemUI)) {
        *object = static_cast<IPrintOemUI*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG IOemUI::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG IOemUI::Release() {
    const LONG count = InterlockedDecrement(&references_);
    if (count != 0) return static_cast<ULONG>(count);
    if (driver_ != nullptr) {
        driver_->Release();
        driver_ = nullptr;
    }
    delete this;
    RemoveLiveObject();
    return 0;
}

HRESULT IOemUI::GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) {
    return RecordGetInfo(mode, buffer, size, needed, PublisherInfoAnswer::NotSupported);
}

HRESULT IOemUI::DevMode(DWORD mode, POEMDMPARAM param) { return RecordDevMode(mode, param, BuildRecordDefaults()); }

HRESULT IOemUI::PublishDriverInterface(IUnknown* driverObject) {
    if (driver_ != nullptr) return S_OK;
    if (driverObject == nullptr) return E_FAIL;
    void* answer = nullptr;
    if (FAILED(driverObject->QueryInterface(IID_IPrintOemDriverUI, &answer)) || answer == nullptr) {
        driver_ = nullptr;
        return E_FAIL;
    }
    driver_ = static_cast<IPrintOemDriverUI*>(answer);
    return S_OK;
}

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
