// Trace output: formats into a block of local memory and hands the text to the debugger.
#include "ps_ui/code/trace_output.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>

namespace {
// Doubling stops here: a formatter that keeps failing at this size fails for another reason.
constexpr std::size_t kLargestNarrowTrace = std::size_t{1} << 20;
}  // namespace

int TraceNarrow(const char* format, ...) {
    if (format == nullptr) return 0;
    std::size_t capacity = kNarrowTraceBytes + 1;
    char* text = nullptr;
    for (;;) {
        text = static_cast<char*>(LocalAlloc(LPTR, capacity));
        if (text == nullptr) return 0;
        va_list args;
        va_start(args, format);
        const int written = std::vsnprintf(text, capacity, format, args);
        va_end(args);
        if (written >= 0 && static_cast<std::size_t>(written) < capacity) break;
        LocalFree(text);
        if (capacity > kLargestNarrowTrace) return 0;
        capacity *= 2;
    }
    OutputDebugStringA(text);
    LocalFree(text);
    return 1;
}

int TraceWideBounded(std::size_t length, const WCHAR* format, std::initializer_list<FormatArg> args) {
    if (format == nullptr || length >= SIZE_MAX / sizeof(WCHAR)) return 0;
    auto* text = static_cast<WCHAR*>(LocalAlloc(LPTR, (length + 1) * sizeof(WCHAR)));
    if (text == nullptr) return 0;
    // A text that does not fit leaves its terminated beginning, which is what gets written.
    WideFormat(text, length + 1, nullptr, format, args);
    OutputDebugStringW(text);
    LocalFree(text);
    return 1;
}
