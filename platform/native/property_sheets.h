// The part of the common property sheet interface the settings plug-in uses (its About page on
// the printer's property sheet, and the types its option items are passed with), for the native
// build, laid out as on Windows x64. Under mingw-w64 compstui.h and prsht.h declare them.
#pragma once

#include <cstddef>

#include "platform/native/win_types.h"

using HICON = struct HICON__*;
using HBITMAP = struct HBITMAP__*;
struct DLGTEMPLATE;

// Dialogs
using DLGPROC = INT_PTR(CALLBACK*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
constexpr UINT WM_INITDIALOG = 0x0110;

// A resource named by its number.
#ifndef MAKEINTRESOURCEW
#define MAKEINTRESOURCEW(id) (reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(id))))
#endif

// A property page: natively the latest layout, declared with the plug-in interfaces.
struct PROPSHEETPAGEW_V4;
using PROPSHEETPAGEW = PROPSHEETPAGEW_V4;
using LPCDLGTEMPLATEW = const DLGTEMPLATE*;
using LPFNPSPCALLBACKW = UINT(CALLBACK*)(HWND window, UINT message, PROPSHEETPAGEW* page);

// The common property sheet's service function and the block it calls a sheet function with.
using PFNCOMPROPSHEET = LONG_PTR(CALLBACK*)(HANDLE comPropSheet, UINT function, LPARAM lParam1, LPARAM lParam2);
constexpr UINT CPSFUNC_ADD_PROPSHEETPAGEW = 1;

constexpr WORD PROPSHEETUI_REASON_INIT = 0;
constexpr WORD PROPSHEETUI_REASON_GET_INFO_HEADER = 1;
constexpr WORD PROPSHEETUI_REASON_DESTROY = 2;
constexpr WORD PROPSHEETUI_REASON_SET_RESULT = 3;
constexpr WORD PROPSHEETUI_REASON_GET_ICON = 4;

struct PROPSHEETUI_INFO {
    WORD cbSize;
    WORD Version;
    WORD Flags;
    WORD Reason;
    HANDLE hComPropSheet;
    PFNCOMPROPSHEET pfnComPropSheet;
    LPARAM lParamInit;
    ULONG_PTR UserData;
    ULONG_PTR Result;
};

struct SETRESULT_INFO {
    WORD cbSize;
    WORD wReserved;
    HANDLE hSetResult;
    LRESULT Result;
};

// Option items and their callback block (declared in full where the items are built).
struct OPTITEM;
using POPTITEM = OPTITEM*;
struct CPSUICBPARAM;
using PCPSUICBPARAM = CPSUICBPARAM*;
constexpr LONG CPSUICB_ACTION_NONE = 0;

