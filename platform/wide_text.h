// Bounded UTF-16 text helpers for code that works on fixed WCHAR arrays. Every function takes
// the capacity of its destination in units and never writes past it; none allocates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "platform/win.h"

// Units before the first zero, looking at no more than `limit` units.
std::size_t WideLength(const WCHAR* text, std::size_t limit);

// Copies `text` (up to its first zero, at most `maxUnits` units) into `out` and terminates it.
// Returns false, with `out` holding the part that fits, when the text needs more than
// capacity - 1 units. A capacity of 0 writes nothing and returns false.
bool WideCopy(WCHAR* out, std::size_t capacity, const WCHAR* text, std::size_t maxUnits = SIZE_MAX);

// True when both strings have the same units up to and including their terminating zero.
bool WideEqual(const WCHAR* a, const WCHAR* b);

// One argument of WideFormat: a zero-terminated UTF-16 string for %s or a signed 32-bit
// number for %d.
class FormatArg {
public:
    FormatArg(const WCHAR* text) : text_(text), isNumber_(false) {}
    FormatArg(std::int32_t number) : number_(number), isNumber_(true) {}

    const WCHAR* text() const { return text_; }
    std::int32_t number() const { return number_; }
    bool isNumber() const { return isNumber_; }

private:
    const WCHAR* text_ = nullptr;
    std::int32_t number_ = 0;
    bool isNumber_;
};

// printf-style formatting into a fixed buffer: %s takes a string argument, %d a number
// (decimal, minus sign when negative), %% is a percent sign. Returns true and the length in
// `length` when the whole text and its terminating zero fit in `capacity` units; false when
// they do not, or when the format and the arguments do not match. On false, `out` holds a
// terminated prefix and must not be used as the result.
bool WideFormat(WCHAR* out, std::size_t capacity, std::size_t* length, const WCHAR* format,
                std::initializer_list<FormatArg> args);

// The decimal text of `value` into `out`; false when it needs more than capacity - 1 units.
bool WideFromInt(WCHAR* out, std::size_t capacity, std::int32_t value);
