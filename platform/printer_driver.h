// The Windows PostScript driver's plug-in interfaces and the graphics-engine structures they
// pass, declared from the public documentation of their layout (no installed header has them).
// Layouts are those of Windows x64 and are checked below.
#pragma once

#ifndef _WIN32
#include "platform/native/win_types.h"
struct SIZEL {
    LONG cx;
    LONG cy;
};
#include "platform/native/property_sheets.h"
#else
#include <windows.h>
#include <prsht.h>
#include <compstui.h>
#endif

#include <cstddef>

// DeviceCapabilities is an A/W macro in windows.h; the plug-in method of that name must keep it.
#ifdef DeviceCapabilities
#undef DeviceCapabilities
#endif

// GetInfo kinds
constexpr DWORD OEMGI_GETSIGNATURE = 1;
constexpr DWORD OEMGI_GETINTERFACEVERSION = 2;
constexpr DWORD OEMGI_GETVERSION = 3;
constexpr DWORD OEMGI_GETPUBLISHERINFO = 4;

// DevMode modes
constexpr DWORD OEMDM_SIZE = 1;
constexpr DWORD OEMDM_DEFAULT = 2;
constexpr DWORD OEMDM_CONVERT = 3;
constexpr DWORD OEMDM_MERGE = 4;

// PostScript injection points (wingdi.h already has the ones it shares with escapes)
#ifndef PSINJECT_BEGINSTREAM
constexpr DWORD PSINJECT_BEGINSTREAM = 1;
#endif
#ifndef PSINJECT_EOF
constexpr DWORD PSINJECT_EOF = 19;
#endif
constexpr DWORD kLastInjectionPoint = 20;

constexpr ULONG PRINTER_OEMINTF_VERSION = 0x00010000;
constexpr ULONG INDEX_DrvStartDoc = 35;

// Colour profile query
constexpr ULONG QCP_DEVICEPROFILE = 0;
constexpr ULONG QCP_SOURCEPROFILE = 1;
constexpr DWORD QCP_PROFILEMEMORY = 1;
constexpr DWORD QCP_PROFILEDISK = 2;

// Graphics engine handles and structures
using HSURF = struct HSURF__*;
using DHSURF = struct DHSURF__*;
using DHPDEV = struct DHPDEV__*;
using HDEV = struct HDEV__*;
using PDEVOEM = PVOID;
using PFN = LONG_PTR(APIENTRY*)();
struct GDIINFO;
struct DEVINFO;

struct SURFOBJ {
    DHSURF dhsurf;
    HSURF hsurf;
    DHPDEV dhpdev;
    HDEV hdev;
    SIZEL sizlBitmap;
    ULONG cjBits;
    PVOID pvBits;
    PVOID pvScan0;
    LONG lDelta;
    ULONG iUniq;
    ULONG iBitmapFormat;
    USHORT iType;
    USHORT fjBitmap;
};

struct DRVFN {
    ULONG iFunc;
    PFN pfn;
};

struct DRVENABLEDATA {
    ULONG iDriverVersion;
    ULONG c;
    DRVFN* pdrvfn;
};

using PFN_DrvStartDoc = BOOL(APIENTRY*)(SURFOBJ* surface, LPWSTR docName, DWORD jobId);

// The driver's per-device object handed to render plug-ins.
struct DEVOBJ {
    DWORD dwSize;
    PDEVOEM pdevOEM;
    HANDLE hEngine;
    HANDLE hPrinter;
    HANDLE hOEM;
    PDEVMODEW pPublicDM;
    PVOID pOEMDM;
    PVOID pDrvProcs;
};
using PDEVOBJ = DEVOBJ*;

struct OEMDMPARAM {
    DWORD cbSize;
    PVOID pdriverobj;
    HANDLE hPrinter;
    HANDLE hModule;
    PDEVMODEW pPublicDMIn;
    PDEVMODEW pPublicDMOut;
    PVOID pOEMDMIn;
    PVOID pOEMDMOut;
    DWORD cbBufSize;
};
using POEMDMPARAM = OEMDMPARAM*;

struct OEM_DMEXTRAHEADER {
    DWORD dwSize;
    DWORD dwSignature;
    DWORD dwVersion;
};

struct OEMUIOBJ;
using POEMUIOBJ = OEMUIOBJ*;

// CommonUIProp modes
constexpr DWORD OEMCUIP_DOCPROP = 1;
constexpr DWORD OEMCUIP_PRNPROP = 2;

// The block CommonUIProp receives and the item callback it installs.
struct OEMCUIPPARAM;
using POEMCUIPPARAM = OEMCUIPPARAM*;
using OEMCUIPCALLBACK = LONG(APIENTRY*)(PCPSUICBPARAM callbackParam, POEMCUIPPARAM param);

struct OEMCUIPPARAM {
    DWORD cbSize;
    POEMUIOBJ poemuiobj;
    HANDLE hPrinter;
    PWSTR pPrinterName;
    HANDLE hModule;
    HANDLE hOEMHeap;
    PDEVMODEW pPublicDM;
    PVOID pOEMDM;
    DWORD dwFlags;
    POPTITEM pDrvOptItems;
    DWORD cDrvOptItems;
    POPTITEM pOEMOptItems;
    DWORD cOEMOptItems;
    PVOID pOEMUserData;
    OEMCUIPCALLBACK OEMCUIPCallback;
};

// The block DevicePropertySheets and DocumentPropertySheets receive as PROPSHEETUI_INFO lParamInit.
struct OEMUIPSPARAM {
    DWORD cbSize;
    POEMUIOBJ poemuiobj;
    HANDLE hPrinter;
    PWSTR pPrinterName;
    HANDLE hModule;
    HANDLE hOEMHeap;
    PDEVMODEW pPublicDM;
    PVOID pOEMDM;
    PVOID pOEMUserData;
    DWORD dwFlags;
    PVOID pOemEntry;
};
using POEMUIPSPARAM = OEMUIPSPARAM*;

// The latest property page layout, with the header bitmap (104 bytes on x64). mingw-w64's
// prsht.h stops at the layout before it (96 bytes), so it is declared here for both targets.
struct PROPSHEETPAGEW_V4 {
    DWORD dwSize;
    DWORD dwFlags;
    HINSTANCE hInstance;
    union {
        LPCWSTR pszTemplate;
        LPCDLGTEMPLATEW pResource;
    };
    union {
        HICON hIcon;
        LPCWSTR pszIcon;
    };
    LPCWSTR pszTitle;
    DLGPROC pfnDlgProc;
    LPARAM lParam;
    LPFNPSPCALLBACKW pfnCallback;
    UINT* pcRefParent;
    LPCWSTR pszHeaderTitle;
    LPCWSTR pszHeaderSubTitle;
    HANDLE hActCtx;
    union {
        HBITMAP hbmHeader;
        LPCWSTR pszbmHeader;
    };
};
struct DEVQUERYPRINT_INFO;
using PDEVQUERYPRINT_INFO = DEVQUERYPRINT_INFO*;

static_assert(sizeof(SURFOBJ) == 80 && offsetof(SURFOBJ, dhpdev) == 16);
static_assert(sizeof(DRVFN) == 16 && offsetof(DRVFN, pfn) == 8);
static_assert(sizeof(DRVENABLEDATA) == 16 && offsetof(DRVENABLEDATA, pdrvfn) == 8);
static_assert(sizeof(DEVOBJ) == 64 && offsetof(DEVOBJ, pdevOEM) == 8 && offsetof(DEVOBJ, hPrinter) == 24 &&
              offsetof(DEVOBJ, pOEMDM) == 48);
static_assert(sizeof(OEMDMPARAM) == 72 && offsetof(OEMDMPARAM, pOEMDMIn) == 48 &&
              offsetof(OEMDMPARAM, pOEMDMOut) == 56 && offsetof(OEMDMPARAM, cbBufSize) == 64);
static_assert(sizeof(OEM_DMEXTRAHEADER) == 12);
static_assert(sizeof(OEMCUIPPARAM) == 120 && offsetof(OEMCUIPPARAM, hOEMHeap) == 40 &&
              offsetof(OEMCUIPPARAM, pOEMDM) == 56 && offsetof(OEMCUIPPARAM, dwFlags) == 64 &&
              offsetof(OEMCUIPPARAM, pDrvOptItems) == 72 && offsetof(OEMCUIPPARAM, cDrvOptItems) == 80 &&
              offsetof(OEMCUIPPARAM, pOEMOptItems) == 88 && offsetof(OEMCUIPPARAM, cOEMOptItems) == 96 &&
              offsetof(OEMCUIPPARAM, OEMCUIPCallback) == 112);
static_assert(sizeof(OEMUIPSPARAM) == 88 && offsetof(OEMUIPSPARAM, hOEMHeap) == 40 &&
              offsetof(OEMUIPSPARAM, pOEMUserData) == 64 && offsetof(OEMUIPSPARAM, dwFlags) == 72 &&
              offsetof(OEMUIPSPARAM, pOemEntry) == 80);
static_assert(sizeof(PROPSHEETPAGEW_V4) == 104 && offsetof(PROPSHEETPAGEW_V4, hInstance) == 8 &&
              offsetof(PROPSHEETPAGEW_V4, pszTemplate) == 16 && offsetof(PROPSHEETPAGEW_V4, pfnDlgProc) == 40 &&
              offsetof(PROPSHEETPAGEW_V4, lParam) == 48 && offsetof(PROPSHEETPAGEW_V4, hbmHeader) == 96);
static_assert(sizeof(PROPSHEETUI_INFO) == 48 && offsetof(PROPSHEETUI_INFO, Reason) == 6 &&
              offsetof(PROPSHEETUI_INFO, hComPropSheet) == 8 && offsetof(PROPSHEETUI_INFO, pfnComPropSheet) == 16 &&
              offsetof(PROPSHEETUI_INFO, lParamInit) == 24 && offsetof(PROPSHEETUI_INFO, Result) == 40);
static_assert(sizeof(SETRESULT_INFO) == 24 && offsetof(SETRESULT_INFO, Result) == 16);

// Interface identifiers
inline constexpr IID IID_IPrintOemUI = {0xC6A7A9D0, 0x774C, 0x11D1, {0x94, 0x7F, 0x00, 0xA0, 0xC9, 0x06, 0x40, 0xB8}};
inline constexpr IID IID_IPrintOemDriverUI = {0x92B05D50, 0x78BC, 0x11D1, {0x94, 0x80, 0x00, 0xA0, 0xC9, 0x06, 0x40, 0xB8}};
inline constexpr IID IID_IPrintOemPS = {0x688342B5, 0x8E1A, 0x11D1, {0x88, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};
inline constexpr IID IID_IPrintOemDriverPS = {0xD90060C7, 0x8E1A, 0x11D1, {0x88, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};

// The driver's service interface for render plug-ins.
struct IPrintOemDriverPS : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID driverObject, PCSTR feature, PVOID output, DWORD size,
                                                          PDWORD needed, PDWORD optionsReturned) = 0;
    virtual HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ devobj, PVOID buffer, DWORD size, DWORD* written) = 0;
};

// The driver's service interface for user-interface plug-ins (held, never called).
struct IPrintOemDriverUI : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID driverObject, PCSTR feature, PVOID output, DWORD size,
                                                          PDWORD needed, PDWORD optionsReturned) = 0;
    virtual HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE printer, PCSTR feature, PCSTR option) = 0;
    virtual HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID driverObject, PVOID optItem, DWORD previousSelection,
                                                         DWORD mode) = 0;
};

struct IPrintOemCommon : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) = 0;
    virtual HRESULT STDMETHODCALLTYPE DevMode(DWORD mode, POEMDMPARAM param) = 0;
};

struct IPrintOemEngine : IPrintOemCommon {
    virtual HRESULT STDMETHODCALLTYPE EnableDriver(DWORD driverVersion, DWORD size, DRVENABLEDATA* enableData) = 0;
    virtual HRESULT STDMETHODCALLTYPE DisableDriver() = 0;
    virtual HRESULT STDMETHODCALLTYPE EnablePDEV(PDEVOBJ devobj, PWSTR printerName, ULONG patternCount,
                                                 HSURF* patterns, ULONG gdiInfoSize, GDIINFO* gdiInfo,
                                                 ULONG devInfoSize, DEVINFO* devInfo, DRVENABLEDATA* driverData,
                                                 PDEVOEM* pdevOem) = 0;
    virtual HRESULT STDMETHODCALLTYPE DisablePDEV(PDEVOBJ devobj) = 0;
    virtual HRESULT STDMETHODCALLTYPE ResetPDEV(PDEVOBJ oldDevobj, PDEVOBJ newDevobj) = 0;
};

struct IPrintOemPS : IPrintOemEngine {
    virtual HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* driverObject) = 0;
    virtual HRESULT STDMETHODCALLTYPE Command(PDEVOBJ devobj, DWORD index, PVOID data, DWORD size, PDWORD result) = 0;
};

struct IPrintOemUI : IPrintOemCommon {
    virtual HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* driverObject) = 0;
    virtual HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD mode, POEMCUIPPARAM param) = 0;
    virtual HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PROPSHEETUI_INFO* info, LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DevicePropertySheets(PROPSHEETUI_INFO* info, LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ uiObject, PDEVQUERYPRINT_INFO info,
                                                      PDEVMODEW publicDM, PVOID oemDM) = 0;
    virtual HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ uiObject, HANDLE printer, PWSTR deviceName,
                                                         WORD capability, PVOID output, PDEVMODEW publicDM,
                                                         PVOID oemDM, DWORD oldResult, DWORD* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD level, PBYTE driverUpgradeInfo) = 0;
    virtual HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR printerName, INT driverEvent, DWORD flags,
                                                   LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DriverEvent(DWORD driverEvent, DWORD level, LPBYTE driverInfo,
                                                  LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE printer, POEMUIOBJ uiObject, PDEVMODEW publicDM,
                                                        PVOID oemDM, ULONG queryMode, VOID* profileData,
                                                        ULONG* profileSize, FLONG* profileFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND window, UINT message, WPARAM wParam,
                                                           LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE printer, HANDLE heap, PWSTR cartridges) = 0;
};
