// Saves the module instance handle when the process attaches the module. Windows tells a DLL
// its handle in DllMain; natively the handle of a library is what the dynamic loader answers
// for the library's own file, asked for once while the library is being loaded.
#include "platform/module_instance.h"

namespace {
HINSTANCE savedInstance = nullptr;
}  // namespace

HINSTANCE ModuleInstance() { return savedInstance; }

#ifdef _WIN32

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) savedInstance = instance;
    return TRUE;
}

#else

#include <dlfcn.h>

namespace {

__attribute__((constructor)) void SaveModuleInstance() {
    Dl_info info{};
    if (dladdr(&savedInstance, &info) == 0 || info.dli_fname == nullptr) return;
    // RTLD_NOLOAD finds the library being loaded without loading anything; the reference it
    // takes is given back at once, as the library is not to keep itself loaded.
    void* handle = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) return;
    savedInstance = static_cast<HINSTANCE>(handle);
    dlclose(handle);
}

}  // namespace

#endif
