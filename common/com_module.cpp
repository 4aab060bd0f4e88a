// Module-wide COM counters.
#include "common/com_module.h"

namespace {
LONG volatile serverLocks = 0;
LONG volatile liveObjects = 0;
}  // namespace

void AddServerLock() { InterlockedIncrement(&serverLocks); }
void RemoveServerLock() { InterlockedDecrement(&serverLocks); }
void AddLiveObject() { InterlockedIncrement(&liveObjects); }
void RemoveLiveObject() { InterlockedDecrement(&liveObjects); }

HRESULT ModuleCanUnloadNow() { return (liveObjects != 0 || serverLocks != 0) ? S_FALSE : S_OK; }
