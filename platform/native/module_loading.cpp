// Module loading over the dynamic loader.
#include <dlfcn.h>

#include <string>

#include "platform/native/win_api.h"
#include "platform/utf.h"

HMODULE LoadLibraryW(LPCWSTR path) {
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::string narrow = Utf8FromUtf16(path);
    void* handle = dlopen(narrow.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) SetLastError(ERROR_MOD_NOT_FOUND);
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    void* symbol = module == nullptr ? nullptr : dlsym(module, name);
    if (symbol == nullptr) SetLastError(ERROR_PROC_NOT_FOUND);
    return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr || dlclose(module) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
