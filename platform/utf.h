// Conversions between UTF-8 (files, command line, JSON) and UTF-16 (WCHAR text) for the host
// and tools. Unpaired surrogates and invalid bytes become U+FFFD.
#pragma once

#include <string>
#include <string_view>

#include "platform/win.h"

using WideString = std::basic_string<WCHAR>;

std::string Utf8FromUtf16(const WCHAR* text);
std::string Utf8FromUtf16(const WCHAR* text, std::size_t length);
WideString Utf16FromUtf8(std::string_view text);
