// The colour profile the settings plug-in names to the driver (IPrintOemUI QueryColorProfile):
// the file "OEMPROFILE.icm" on disk, for device profile queries only.
#pragma once

#include "platform/win.h"

// Size in bytes the answer takes in the caller's buffer.
constexpr ULONG kColorProfileBytes = 32;

HRESULT QueryColorProfileName(ULONG queryMode, VOID* profileData, ULONG* profileSize, FLONG* profileFlags);
