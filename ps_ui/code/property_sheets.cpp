// DevicePropertySheets: at INIT the plug-in hangs a block with the sheet's handle and service
// function on the driver's OEMUIPSPARAM and adds its About page; DESTROY and SET_RESULT only
// answer. Everything is allocated from the driver's heap, which the driver frees.
#include "ps_ui/code/property_sheets.h"

#include "ps_ui/code/about_page.h"

namespace {

// Kept with the driver's block for the life of the sheet: three pointer-sized words.
struct SheetUserData {
    HANDLE comPropSheet;
    PFNCOMPROPSHEET comPropSheetFunction;
    ULONG_PTR unused;
};
static_assert(sizeof(SheetUserData) == 3 * sizeof(void*));

// The INIT step; false when the user data block cannot be had.
bool InitialiseSheet(const PROPSHEETUI_INFO& info, LONG& result) {
    auto* driverParam = reinterpret_cast<OEMUIPSPARAM*>(info.lParamInit);
    if (driverParam == nullptr || driverParam->hOEMHeap == nullptr) return false;
    auto* userData =
        static_cast<SheetUserData*>(HeapAlloc(driverParam->hOEMHeap, HEAP_ZERO_MEMORY, sizeof(SheetUserData)));
    if (userData == nullptr) return false;
    userData->comPropSheet = info.hComPropSheet;
    userData->comPropSheetFunction = info.pfnComPropSheet;
    driverParam->pOEMUserData = userData;
    result = AddAboutPage(info.hComPropSheet, info.pfnComPropSheet, driverParam) ? 1 : 0;
    return true;
}

}  // namespace

HRESULT RunDevicePropertySheets(PROPSHEETUI_INFO* info, LPARAM lParam) {
    if (info == nullptr) return E_FAIL;
    LONG result = 0;
    switch (info->Reason) {
        case PROPSHEETUI_REASON_INIT:
            if (!InitialiseSheet(*info, result)) return E_FAIL;
            break;
        case PROPSHEETUI_REASON_DESTROY:
            result = 1;
            break;
        case PROPSHEETUI_REASON_SET_RESULT: {
            const auto* setResult = reinterpret_cast<const SETRESULT_INFO*>(lParam);
            // The sheet's result counts as a signed 32-bit value, whatever the width of LRESULT.
            if (setResult != nullptr) result = static_cast<LONG>(setResult->Result);
            break;
        }
        default:
            break;
    }
    info->Result = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(result));
    return result > 0 ? S_OK : E_FAIL;
}
