// What the native system library answers for the spooler and the user's account. The host sets
// these before a job; on Windows the real system answers instead.
#pragma once

#include <string>

#include "platform/native/win_types.h"

#define KVSYS_API __attribute__((visibility("default")))

struct SystemAnswers {
    bool printerAvailable = true;          // GetPrinterW answers for any non-null handle
    std::u16string printerDriverName;      // PRINTER_INFO_2W.pDriverName
    bool logonNameAvailable = true;        // GetUserNameW succeeds
    std::u16string logonName;              // GetUserNameW's answer
    bool principalNameAvailable = false;   // GetUserNameExW(NameUserPrincipal) succeeds
    std::u16string principalName;          // its answer
};

// Replaces the answers; call before jobs start, not while they run.
KVSYS_API void SetSystemAnswers(const SystemAnswers& answers);
KVSYS_API SystemAnswers GetSystemAnswers();

// Debugger output goes to this function when set (the host captures it); otherwise nowhere.
using DebugOutputSink = void (*)(const std::u16string& text);
KVSYS_API void SetDebugOutputSink(DebugOutputSink sink);
