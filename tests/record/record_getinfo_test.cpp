// GetInfo on the private record, as both plug-ins answer it.
#include <gtest/gtest.h>

#include "common/record_operations.h"

namespace {

struct GetInfoCase {
    const char* name;
    PublisherInfoAnswer plugin;
    DWORD kind;
    DWORD bufferSize;
    bool withBuffer;
    bool withNeeded;
    HRESULT result;
    DWORD lastError;   // 0xFFFF: left as it was
    DWORD needed;      // 0xFFFF: left as it was
    DWORD value;       // written value on success
};

constexpr DWORD kUntouched = 0xFFFF;
constexpr auto kSettings = PublisherInfoAnswer::NotSupported;
constexpr auto kRender = PublisherInfoAnswer::EightBytesNeeded;

const GetInfoCase kCases[] = {
    {"settings signature", kSettings, OEMGI_GETSIGNATURE, 4, true, true, S_OK, kUntouched, 4, 0x44535256},
    {"settings version", kSettings, OEMGI_GETVERSION, 8, true, true, S_OK, kUntouched, 4, 1},
    {"settings signature 3 bytes", kSettings, OEMGI_GETSIGNATURE, 3, true, true, E_FAIL, ERROR_INSUFFICIENT_BUFFER, 4, 0},
    {"settings signature no buffer", kSettings, OEMGI_GETSIGNATURE, 4, false, true, E_FAIL, ERROR_INSUFFICIENT_BUFFER, 4, 0},
    {"settings interface version", kSettings, OEMGI_GETINTERFACEVERSION, 4, true, true, E_FAIL, ERROR_INVALID_PARAMETER, kUntouched, 0},
    {"settings unknown kind", kSettings, 9, 4, true, true, E_FAIL, ERROR_INVALID_PARAMETER, kUntouched, 0},
    {"settings no needed", kSettings, OEMGI_GETSIGNATURE, 4, true, false, E_FAIL, ERROR_INVALID_PARAMETER, kUntouched, 0},
    {"settings publisher", kSettings, OEMGI_GETPUBLISHERINFO, 4, true, true, E_FAIL, ERROR_NOT_SUPPORTED, 0, 0},
    {"settings publisher small", kSettings, OEMGI_GETPUBLISHERINFO, 2, true, true, E_FAIL, ERROR_INSUFFICIENT_BUFFER, 4, 0},
    {"render signature", kRender, OEMGI_GETSIGNATURE, 4, true, true, S_OK, kUntouched, 4, 0x44535256},
    {"render version", kRender, OEMGI_GETVERSION, 4, true, true, S_OK, kUntouched, 4, 1},
    {"render signature 3 bytes", kRender, OEMGI_GETSIGNATURE, 3, true, true, E_FAIL, ERROR_INSUFFICIENT_BUFFER, 4, 0},
    {"render publisher", kRender, OEMGI_GETPUBLISHERINFO, 64, true, true, E_FAIL, kUntouched, 8, 0},
    {"render publisher no buffer", kRender, OEMGI_GETPUBLISHERINFO, 0, false, true, E_FAIL, kUntouched, 8, 0},
    {"render interface version", kRender, OEMGI_GETINTERFACEVERSION, 4, true, true, E_FAIL, ERROR_INVALID_PARAMETER, kUntouched, 0},
    {"render no needed", kRender, OEMGI_GETPUBLISHERINFO, 4, true, false, E_FAIL, ERROR_INVALID_PARAMETER, kUntouched, 0},
};

TEST(RecordGetInfo, AnswersEveryKindAsThePluginDoes) {
    for (const GetInfoCase& c : kCases) {
        DWORD buffer[2] = {0xEEEEEEEE, 0xEEEEEEEE};
        DWORD needed = kUntouched;
        SetLastError(kUntouched);
        const HRESULT result = RecordGetInfo(c.kind, c.withBuffer ? buffer : nullptr, c.bufferSize,
                                             c.withNeeded ? &needed : nullptr, c.plugin);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(GetLastError(), c.lastError) << c.name;
        EXPECT_EQ(needed, c.needed) << c.name;
        EXPECT_EQ(buffer[0], result == S_OK ? c.value : 0xEEEEEEEE) << c.name;
        EXPECT_EQ(buffer[1], 0xEEEEEEEEu) << c.name;
    }
}

}  // namespace
