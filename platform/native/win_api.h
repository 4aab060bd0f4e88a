// The Win32 functions the plug-ins, the host and the tools call, for the native build. They
// live in one shared library (kvsys) that stands for the system DLLs; their behaviour follows
// Win32 where the plug-ins depend on it.
#pragma once

#include "platform/native/win_types.h"

#define KVSYS_API __attribute__((visibility("default")))

extern "C" {

// Thread's last error
KVSYS_API void SetLastError(DWORD error);
KVSYS_API DWORD GetLastError();

// Interlocked counters
KVSYS_API LONG InterlockedIncrement(LONG volatile* value);
KVSYS_API LONG InterlockedDecrement(LONG volatile* value);

// Local memory and heaps
KVSYS_API HLOCAL LocalAlloc(UINT flags, SIZE_T bytes);
KVSYS_API HLOCAL LocalFree(HLOCAL memory);
KVSYS_API HANDLE HeapCreate(DWORD options, SIZE_T initialSize, SIZE_T maximumSize);
KVSYS_API BOOL HeapDestroy(HANDLE heap);
KVSYS_API LPVOID HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
KVSYS_API BOOL HeapFree(HANDLE heap, DWORD flags, LPVOID memory);

// Debugger output
KVSYS_API void OutputDebugStringA(LPCSTR text);
KVSYS_API void OutputDebugStringW(LPCWSTR text);

// Spooler
KVSYS_API BOOL GetPrinterW(HANDLE printer, DWORD level, LPBYTE buffer, DWORD bufferSize, LPDWORD needed);

// Account names
KVSYS_API BOOL GetUserNameW(LPWSTR buffer, LPDWORD size);
KVSYS_API BOOL GetUserNameExW(EXTENDED_NAME_FORMAT format, LPWSTR buffer, PULONG size);

// Module loading (paths are UTF-16; natively they are converted to UTF-8 for the loader)
KVSYS_API HMODULE LoadLibraryW(LPCWSTR path);
KVSYS_API FARPROC GetProcAddress(HMODULE module, LPCSTR name);
KVSYS_API BOOL FreeLibrary(HMODULE module);
// Path of a loaded module, or of the running program for a null module. As on Windows the result
// is cut to the buffer (still zero-terminated) with ERROR_INSUFFICIENT_BUFFER when it does not fit.
KVSYS_API DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);

}  // extern "C"
