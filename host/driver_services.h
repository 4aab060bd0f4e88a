// The driver's service objects that the host publishes to the plug-ins: IPrintOemDriverPS, which
// takes the render plug-in's writes into the job's stream and answers the printer's colour
// setting, and IPrintOemDriverUI, which the settings plug-in holds and never calls.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/win.h"

// Stands for the printer handle the driver passes in OEMDMPARAM and DEVOBJ: not null, and
// known to no spooler. The plug-ins only hand it on.
HANDLE DummyPrinterHandle();

// Where the spooled stream goes.
class OutputStream {
public:
    virtual ~OutputStream() = default;
    // False when the bytes could not be written.
    virtual bool Write(const void* bytes, std::size_t count) = 0;
};

// Reference counted as COM objects are; create with new and let Release delete.
class DriverServicesPS final : public IPrintOemDriverPS {
public:
    // `output` may be null (no job: writes fail). `colorKeyword`: the option selected for
    // "VRColorMode"; none makes the query fail.
    DriverServicesPS(OutputStream* output, std::optional<std::string> colorKeyword);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID driverObject, PCSTR feature, PVOID output, DWORD size,
                                                  PDWORD needed, PDWORD optionsReturned) override;
    HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ devobj, PVOID buffer, DWORD size, DWORD* written) override;

    // The injection point being served; writes made while it is PSINJECT_BEGINSTREAM are also
    // kept, so the ticket can be shown.
    void SetInjectionPoint(DWORD point) { injectionPoint_ = point; }
    const std::vector<BYTE>& BeginStreamBytes() const { return beginStreamBytes_; }
    // True once a write could not reach the output.
    bool OutputFailed() const { return outputFailed_; }

private:
    ~DriverServicesPS() = default;

    LONG volatile references_ = 1;
    OutputStream* output_;
    std::optional<std::string> colorKeyword_;
    DWORD injectionPoint_ = 0;
    std::vector<BYTE> beginStreamBytes_;
    bool outputFailed_ = false;
};

class DriverServicesUI final : public IPrintOemDriverUI {
public:
    DriverServicesUI() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID driverObject, PCSTR feature, PVOID output, DWORD size,
                                                  PDWORD needed, PDWORD optionsReturned) override;
    HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE printer, PCSTR feature, PCSTR option) override;
    HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID driverObject, PVOID optItem, DWORD previousSelection,
                                                 DWORD mode) override;

private:
    ~DriverServicesUI() = default;

    LONG volatile references_ = 1;
};
