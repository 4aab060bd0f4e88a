// The About page: its description for the common property sheet and its page procedure. The
// page's content is the dialog template in the module's resources.
#include "ps_ui/code/about_page.h"

#include "platform/module_instance.h"

INT_PTR CALLBACK AboutPageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

bool AddAboutPage(HANDLE comPropSheet, PFNCOMPROPSHEET comPropSheetFunction, OEMUIPSPARAM* driverParam) {
    if (comPropSheetFunction == nullptr) return false;
    PROPSHEETPAGEW_V4 page{};
    page.dwSize = sizeof page;
    page.dwFlags = 0;
    page.hInstance = ModuleInstance();
    page.pszTemplate = MAKEINTRESOURCEW(kAboutTemplate);
    page.pfnDlgProc = AboutPageProc;
    page.lParam = reinterpret_cast<LPARAM>(driverParam);
    const LONG_PTR answer =
        comPropSheetFunction(comPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW, reinterpret_cast<LPARAM>(&page), 0);
    return answer > 0;
}
