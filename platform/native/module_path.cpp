// GetModuleFileNameW over /proc/self/exe (the program) and the dynamic loader's link map
// (a loaded library).
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/native/win_api.h"
#include "platform/utf.h"

namespace {

bool ProgramPath(std::string& path) {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return false;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            path.assign(buffer.data(), static_cast<std::size_t>(length));
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool LibraryPath(HMODULE module, std::string& path) {
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) return false;
    path = map->l_name;
    return !path.empty();
}

}  // namespace

DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size) {
    std::string path;
    if (!(module == nullptr ? ProgramPath(path) : LibraryPath(module, path))) {
        SetLastError(module == nullptr ? ERROR_FILE_NOT_FOUND : ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (buffer == nullptr || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const WideString wide = Utf16FromUtf8(path);
    if (wide.size() < size) {
        std::memcpy(buffer, wide.c_str(), (wide.size() + 1) * sizeof(WCHAR));
        SetLastError(ERROR_SUCCESS);
        return static_cast<DWORD>(wide.size());
    }
    std::memcpy(buffer, wide.data(), (size - 1) * sizeof(WCHAR));
    buffer[size - 1] = 0;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}
