// The one header plug-in, host and tool code includes for Win32 and printer-driver names.
// Under mingw-w64 the names come from the system headers; natively from our own declarations
// with the Windows x64 data layout. The printer-driver plug-in interfaces, which no installed
// header provides, are ours on both targets.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef SECURITY_WIN32
#define SECURITY_WIN32
#endif
#include <windows.h>
#include <objbase.h>
#include <winspool.h>
#include <security.h>
// UTF-16 literal: wchar_t is 16 bits under Windows.
#define WIDE(text) L##text
#else
#include "platform/native/win_types.h"
#include "platform/native/win_api.h"
#include "platform/native/property_sheets.h"
// UTF-16 literal: char16_t natively, so WCHAR text is 16 bits on both targets.
#define WIDE(text) u##text
#endif

#include "platform/printer_driver.h"

static_assert(sizeof(WCHAR) == 2, "WCHAR must be a 16-bit unit on every target");
static_assert(sizeof(DWORD) == 4 && sizeof(LONG) == 4, "LLP64 data layout expected");

// Marks the two functions every plug-in exports. Windows DLLs name them in a module definition
// file; natively everything else in a plug-in is hidden.
#ifdef _WIN32
#define PLUGIN_EXPORT
#else
#define PLUGIN_EXPORT __attribute__((visibility("default")))
#endif
