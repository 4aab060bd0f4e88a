// Module-wide COM state of a plug-in library: the server lock count and the number of live
// plug-in objects, both changed only by interlocked operations. Each plug-in library links its
// own copy.
#pragma once

#include "platform/win.h"

void AddServerLock();
void RemoveServerLock();
void AddLiveObject();
void RemoveLiveObject();

// QueryInterface of an object that serves IUnknown and one interface `iid` of its own: on a
// match `*object` is `self` with a reference added, otherwise null with E_NOINTERFACE.
template <class Interface>
HRESULT AnswerQueryInterface(Interface* self, REFIID iid, REFIID riid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, iid)) {
        *object = self;
        self->AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// S_OK when neither counter holds anything, S_FALSE otherwise (the body of DllCanUnloadNow).
HRESULT ModuleCanUnloadNow();
