// The About page the settings plug-in adds to the printer's property sheet: dialog template 111
// of the module's own resources, with a page procedure that only accepts its initialisation.
#pragma once

#include "platform/win.h"

constexpr WORD kAboutTemplate = 111;

// TRUE for WM_INITDIALOG, FALSE for every other message: the page has no controls that act.
INT_PTR CALLBACK AboutPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Describes the About page (page parameter: the driver's block) and adds it through the sheet's
// service function. True when the sheet answered above 0.
bool AddAboutPage(HANDLE comPropSheet, PFNCOMPROPSHEET comPropSheetFunction, OEMUIPSPARAM* driverParam);
