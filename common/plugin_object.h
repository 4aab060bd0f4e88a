// What both plug-in objects (IOemUI and IOemuiPS) do alike: QueryInterface for IUnknown and their
// own interface only, interlocked reference counting with the live object count, and keeping
// one reference on the driver's service interface from the first successful
// PublishDriverInterface until the object is released (or the plug-in lets it go earlier).
#pragma once

#include <new>

#include "common/com_module.h"
#include "platform/win.h"

template <class Object, class Interface, const IID& kInterfaceId, class Driver, const IID& kDriverId>
class PluginObject : public Interface {
public:
    // A new object with reference count 1 and the live object count raised; null without memory.
    static Object* CreateNew() {
        Object* object = new (std::nothrow) Object;
        if (object != nullptr) AddLiveObject();
        return object;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        return AnswerQueryInterface(static_cast<Interface*>(this), kInterfaceId, riid, object);
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

    ULONG STDMETHODCALLTYPE Release() override {
        const LONG count = InterlockedDecrement(&references_);
        if (count != 0) return static_cast<ULONG>(count);
        ReleaseDriver();
        delete static_cast<Object*>(this);
        RemoveLiveObject();
        return 0;
    }

    // Only the first successful call takes effect; later ones answer S_OK without asking.
    HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* driverObject) override {
        if (driver_ != nullptr) return S_OK;
        if (driverObject == nullptr) return E_FAIL;
        void* answer = nullptr;
        if (FAILED(driverObject->QueryInterface(kDriverId, &answer)) || answer == nullptr) {
            driver_ = nullptr;
            return E_FAIL;
        }
        driver_ = static_cast<Driver*>(answer);
        return S_OK;
    }

protected:
    PluginObject() = default;
    ~PluginObject() = default;

    Driver* DriverInterface() const { return driver_; }

    void ReleaseDriver() {
        if (driver_ != nullptr) {
            driver_->Release();
            driver_ = nullptr;
        }
    }

private:
    LONG volatile references_ = 1;
    Driver* driver_ = nullptr;
};
