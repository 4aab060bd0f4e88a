// The host's driver service objects; see driver_services.h.
#include "host/driver_services.h"

#include <cstring>
#include <new>

namespace {

// The one PPD feature this printer's plug-ins ask about.
constexpr const char* kColorModeFeature = "VRColorMode";

template <class Self, class Interface>
HRESULT AnswerQuery(Self* self, REFIID riid, REFIID own, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, own)) {
        *object = static_cast<Interface*>(self);
        self->AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

}  // namespace

HANDLE DummyPrinterHandle() { return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x5052494E)); }

DriverServicesPS::DriverServicesPS(OutputStream* output, std::optional<std::string> colorKeyword)
    : output_(output), colorKeyword_(std::move(colorKeyword)) {}

HRESULT STDMETHODCALLTYPE DriverServicesPS::QueryInterface(REFIID riid, void** object) {
    return AnswerQuery<DriverServicesPS, IPrintOemDriverPS>(this, riid, IID_IPrintOemDriverPS, object);
}

ULONG STDMETHODCALLTYPE DriverServicesPS::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE DriverServicesPS::Release() {
    const LONG count = InterlockedDecrement(&references_);
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
}

HRESULT STDMETHODCALLTYPE DriverServicesPS::DrvGetDriverSetting(PVOID, PCSTR feature, PVOID output, DWORD size,
                                                                PDWORD needed, PDWORD optionsReturned) {
    if (feature == nullptr || std::strcmp(feature, kColorModeFeature) != 0 || !colorKeyword_) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_INVALIDARG;
    }
    const DWORD bytes = static_cast<DWORD>(colorKeyword_->size() + 1);
    if (needed != nullptr) *needed = bytes;
    if (output == nullptr || size < bytes) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return E_OUTOFMEMORY;
    }
    std::memcpy(output, colorKeyword_->c_str(), bytes);
    if (optionsReturned != nullptr) *optionsReturned = 1;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DriverServicesPS::DrvWriteSpoolBuf(PDEVOBJ, PVOID buffer, DWORD size, DWORD* written) {
    if (written != nullptr) *written = 0;
    if (size == 0) return S_OK;
    if (buffer == nullptr) return E_INVALIDARG;
    if (output_ == nullptr || !output_->Write(buffer, size)) {
        outputFailed_ = output_ != nullptr;
        return E_FAIL;
    }
    if (injectionPoint_ == PSINJECT_BEGINSTREAM) {
        // Nothing may be thrown back into the plug-in.
        try {
            const BYTE* bytes = static_cast<const BYTE*>(buffer);
            beginStreamBytes_.insert(beginStreamBytes_.end(), bytes, bytes + size);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    if (written != nullptr) *written = size;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DriverServicesUI::QueryInterface(REFIID riid, void** object) {
    return AnswerQuery<DriverServicesUI, IPrintOemDriverUI>(this, riid, IID_IPrintOemDriverUI, object);
}

ULONG STDMETHODCALLTYPE DriverServicesUI::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE DriverServicesUI::Release() {
    const LONG count = InterlockedDecrement(&references_);
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
}

HRESULT STDMETHODCALLTYPE DriverServicesUI::DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE DriverServicesUI::DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE DriverServicesUI::DrvUpdateUISetting(PVOID, PVOID, DWORD, DWORD) { return E_NOTIMPL; }
