// Spooler, account and debugger-output answers of the native system library, set by the host.
#include "platform/native/system_answers.h"

#include <cstring>
#include <mutex>

#include "platform/native/win_api.h"

namespace {

std::mutex answersLock;
SystemAnswers answers;
DebugOutputSink debugSink = nullptr;

// Copies a name into a caller's buffer as GetUserNameW does: the size counts the terminating
// zero, and a buffer that is too small gets nothing and learns the size needed.
BOOL AnswerName(const std::u16string& name, WCHAR* buffer, DWORD* size) {
    if (size == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const DWORD needed = static_cast<DWORD>(name.size() + 1);
    if (buffer == nullptr || *size < needed) {
        *size = needed;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(buffer, name.c_str(), needed * sizeof(WCHAR));
    *size = needed;
    return TRUE;
}

}  // namespace

void SetSystemAnswers(const SystemAnswers& newAnswers) {
    std::lock_guard<std::mutex> guard(answersLock);
    answers = newAnswers;
}

SystemAnswers GetSystemAnswers() {
    std::lock_guard<std::mutex> guard(answersLock);
    return answers;
}

void SetDebugOutputSink(DebugOutputSink sink) { debugSink = sink; }

void OutputDebugStringA(LPCSTR text) {
    if (debugSink == nullptr || text == nullptr) return;
    std::u16string wide;
    for (; *text != 0; ++text) wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(*text)));
    debugSink(wide);
}

void OutputDebugStringW(LPCWSTR text) {
    if (debugSink != nullptr && text != nullptr) debugSink(std::u16string(text));
}

BOOL GetPrinterW(HANDLE printer, DWORD level, LPBYTE buffer, DWORD bufferSize, LPDWORD needed) {
    const SystemAnswers current = GetSystemAnswers();
    if (printer == nullptr || !current.printerAvailable) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (level != 2 || needed == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // PRINTER_INFO_2W followed by the one string it points to, as the spooler packs it.
    const DWORD nameBytes = static_cast<DWORD>((current.printerDriverName.size() + 1) * sizeof(WCHAR));
    const DWORD total = static_cast<DWORD>(sizeof(PRINTER_INFO_2W)) + nameBytes;
    *needed = total;
    if (buffer == nullptr || bufferSize < total) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    PRINTER_INFO_2W info{};
    WCHAR* name = reinterpret_cast<WCHAR*>(buffer + sizeof(PRINTER_INFO_2W));
    std::memcpy(name, current.printerDriverName.c_str(), nameBytes);
    info.pDriverName = name;
    std::memcpy(buffer, &info, sizeof info);
    return TRUE;
}

BOOL GetUserNameW(LPWSTR buffer, LPDWORD size) {
    const SystemAnswers current = GetSystemAnswers();
    if (!current.logonNameAvailable) {
        SetLastError(ERROR_NONE_MAPPED);
        return FALSE;
    }
    return AnswerName(current.logonName, buffer, size);
}

BOOL GetUserNameExW(EXTENDED_NAME_FORMAT format, LPWSTR buffer, PULONG size) {
    const SystemAnswers current = GetSystemAnswers();
    if (format != NameUserPrincipal || !current.principalNameAvailable) {
        SetLastError(ERROR_NONE_MAPPED);
        return FALSE;
    }
    return AnswerName(current.principalName, buffer, size);
}
