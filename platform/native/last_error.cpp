// The thread's last error and interlocked counters.
#include <atomic>

#include "platform/native/win_api.h"

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}

void SetLastError(DWORD error) { lastError = error; }
DWORD GetLastError() { return lastError; }

LONG InterlockedIncrement(LONG volatile* value) {
    return std::atomic_ref<LONG>(*const_cast<LONG*>(value)).fetch_add(1) + 1;
}

LONG InterlockedDecrement(LONG volatile* value) {
    return std::atomic_ref<LONG>(*const_cast<LONG*>(value)).fetch_sub(1) - 1;
}
