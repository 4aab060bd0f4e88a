// QueryColorProfile's answer: the profile's file name as UTF-16, in a 32-byte block.
#include "ps_ui/code/color_profile.h"

#include <cstring>

namespace {
// The name with its terminating zero, padded with zeros to the 32 bytes the driver is told.
constexpr WCHAR kProfileName[kColorProfileBytes / sizeof(WCHAR)] = WIDE("OEMPROFILE.icm");
static_assert(sizeof kProfileName == kColorProfileBytes);
}  // namespace

HRESULT QueryColorProfileName(ULONG queryMode, VOID* profileData, ULONG* profileSize, FLONG* profileFlags) {
    if (queryMode != QCP_DEVICEPROFILE) return E_FAIL;
    if (profileSize == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    if (profileData == nullptr || *profileSize < kColorProfileBytes) {
        *profileSize = kColorProfileBytes;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return E_FAIL;
    }
    if (profileFlags == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    std::memcpy(profileData, kProfileName, kColorProfileBytes);
    *profileSize = kColorProfileBytes;
    *profileFlags = QCP_PROFILEDISK;
    return S_OK;
}
