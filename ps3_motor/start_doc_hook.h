// The start-of-document hook: stores the processed document name in the record's JobName, then
// calls the driver's own DrvStartDoc.
#pragma once

#include "platform/win.h"

BOOL APIENTRY StartDocHook(SURFOBJ* surface, LPWSTR docName, DWORD jobId);
