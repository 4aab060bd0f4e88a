// The settings plug-in's part in the printer's property sheets (IPrintOemUI DevicePropertySheets):
// what it does at each reason the common property sheet calls it with.
#pragma once

#include "platform/win.h"

// Runs the step of info->Reason and stores its result, widened with its sign, in info->Result.
// S_OK when the result is above 0, E_FAIL otherwise; E_FAIL with Result untouched when there is
// no block, or when the user data block cannot be allocated from the driver's heap at INIT.
HRESULT RunDevicePropertySheets(PROPSHEETUI_INFO* info, LPARAM lParam);
