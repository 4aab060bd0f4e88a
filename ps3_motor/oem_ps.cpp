// IOemuiPS, the render plug-in object.
#include "ps3_motor/oem_ps.h"

#include <new>

#include "common/record_operations.h"
#include "ps3_motor/job_ticket_writer.h"
#include "ps3_motor/oem_pdev.h"
#include "ps3_motor/render_defaults.h"
#include "ps3_motor/start_doc_hook.h"

namespace {

// Driver function tables hold every function as PFN; the casts pass through the generic
// function pointer type so that the compiler accepts them as deliberate.
using AnyFunction = void (*)();

PFN ToTableEntry(PFN_DrvStartDoc function) {
    return reinterpret_cast<PFN>(reinterpret_cast<AnyFunction>(function));
}

PFN_DrvStartDoc FromTableEntry(PFN entry) {
    return reinterpret_cast<PFN_DrvStartDoc>(reinterpret_cast<AnyFunction>(entry));
}

// The one graphics function the plug-in hooks: the start of each document.
DRVFN hookTable[] = {
    {INDEX_DrvStartDoc, ToTableEntry(&StartDocHook)},
};

}  // namespace

HRESULT IOemuiPS::GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) {
    return RecordGetInfo(mode, buffer, size, needed, PublisherInfoAnswer::EightBytesNeeded);
}

HRESULT IOemuiPS::DevMode(DWORD mode, POEMDMPARAM param) { return RecordDevMode(mode, param, kRenderDefaults); }

HRESULT IOemuiPS::EnableDriver(DWORD, DWORD, DRVENABLEDATA* enableData) {
    if (enableData != nullptr) {
        enableData->iDriverVersion = PRINTER_OEMINTF_VERSION;
        enableData->c = sizeof hookTable / sizeof hookTable[0];
        enableData->pdrvfn = hookTable;
    }
    return S_OK;
}

HRESULT IOemuiPS::DisableDriver() {
    ReleaseDriver();
    return S_OK;
}

HRESULT IOemuiPS::EnablePDEV(PDEVOBJ, PWSTR, ULONG, HSURF*, ULONG, GDIINFO*, ULONG, DEVINFO*,
                             DRVENABLEDATA* driverData, PDEVOEM* pdevOem) {
    if (pdevOem == nullptr) return E_FAIL;
    OemPdev* pdev = new (std::nothrow) OemPdev{nullptr};
    if (pdev == nullptr) {
        *pdevOem = nullptr;
        return E_FAIL;
    }
    if (driverData != nullptr && driverData->pdrvfn != nullptr) {
        for (ULONG i = 0; i < driverData->c; ++i) {
            if (driverData->pdrvfn[i].iFunc == INDEX_DrvStartDoc) {
                pdev->DrvStartDoc = FromTableEntry(driverData->pdrvfn[i].pfn);
                break;
            }
        }
    }
    *pdevOem = pdev;
    return S_OK;
}

HRESULT IOemuiPS::DisablePDEV(PDEVOBJ devobj) {
    if (devobj != nullptr) {
        delete static_cast<OemPdev*>(devobj->pdevOEM);
        devobj->pdevOEM = nullptr;
    }
    return S_OK;
}

HRESULT IOemuiPS::ResetPDEV(PDEVOBJ, PDEVOBJ) { return E_NOTIMPL; }

HRESULT IOemuiPS::Command(PDEVOBJ devobj, DWORD index, PVOID, DWORD, PDWORD result) {
    const bool written = JobTicketWriter(devobj, index, DriverInterface());
    const DWORD outcome = written ? ERROR_SUCCESS : GetLastError();
    if (result != nullptr) *result = outcome;
    return written ? S_OK : S_FALSE;
}
