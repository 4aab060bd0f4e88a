// Module-wide COM state of a plug-in library: the server lock count and the number of live
// plug-in objects, both changed only by interlocked operations. Each plug-in library links its
// own copy.
#pragma once

#include "platform/win.h"

void AddServerLock();
void RemoveServerLock();
void AddLiveObject();
void RemoveLiveObject();

// S_OK when neither counter holds anything, S_FALSE otherwise (the body of DllCanUnloadNow).
HRESULT ModuleCanUnloadNow();
