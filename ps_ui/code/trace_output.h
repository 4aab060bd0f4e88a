// printf-style trace output to the debugger. No operation of the plug-in calls these; the module
// carries them for diagnosing it where it runs. Both return 1 after writing, 0 when the format is
// missing or the text's buffer cannot be allocated.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "platform/wide_text.h"
#include "platform/win.h"

// Starting size of the narrow text, without its terminating zero; it doubles while the text
// does not fit.
constexpr std::size_t kNarrowTraceBytes = 1024;
// Units of the wide text, without its terminating zero.
constexpr std::size_t kWideTraceUnits = 260;

int TraceNarrow(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Formats into a buffer of `length` units plus one; a longer text is written cut short.
int TraceWideBounded(std::size_t length, const WCHAR* format, std::initializer_list<FormatArg> args);

template <typename... Args>
int TraceWide(const WCHAR* format, Args... args) {
    return TraceWideBounded(kWideTraceUnits, format, {FormatArg(args)...});
}
