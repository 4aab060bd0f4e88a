// The class factory both plug-ins serve (IOemCF) and the body of DllGetClassObject. `Object` is
// the plug-in object class; it provides `static Object* CreateNew()` (reference count 1, live
// object count raised; null without memory) and the usual IUnknown methods.
#pragma once

#include <new>

#include "common/com_module.h"
#include "platform/win.h"

template <class Object>
class IOemCF final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        return AnswerQueryInterface(static_cast<IClassFactory*>(this), IID_IClassFactory, riid, object);
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

    ULONG STDMETHODCALLTYPE Release() override {
        const LONG count = InterlockedDecrement(&references_);
        if (count == 0) {
            delete this;
            return 0;
        }
        return static_cast<ULONG>(count);
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        *object = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        Object* created = Object::CreateNew();
        if (created == nullptr) return E_OUTOFMEMORY;
        const HRESULT result = created->QueryInterface(riid, object);
        created->Release();
        return result;
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) {
            AddServerLock();
        } else {
            RemoveServerLock();
        }
        return S_OK;
    }

private:
    LONG volatile references_ = 1;
};

// DllGetClassObject for a plug-in serving `classId` with objects of `Object`.
template <class Object>
HRESULT GetPluginClassObject(REFCLSID classId, REFCLSID rclsid, REFIID riid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(rclsid, classId)) return CLASS_E_CLASSNOTAVAILABLE;
    IOemCF<Object>* factory = new (std::nothrow) IOemCF<Object>;
    if (factory == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(riid, object);
    factory->Release();
    return result;
}
