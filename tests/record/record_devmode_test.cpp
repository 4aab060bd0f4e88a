// DevMode on the private record: size, defaults, conversion and merge, including records that
// are short, foreign, oddly sized or unterminated.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/record_operations.h"

namespace {

constexpr RecordDefaults kDefaults = {
    .JobTicketOn = 1, .AccountingOn = 0, .SendToInbox = 0, .CutMethod = 2, .Rotation = 1, .Alignment = 5,
    .ShiftOn = 0, .CutLength = 279, .LeadingStripOn = 0, .TrailingStripOn = 0, .ScalingMode = 1,
    .ZoomMediaSize = 0, .ZoomX = 100, .ZoomY = 100, .Copies = 0, .DefaultMediaType = 0, .DefaultFoldTemplate = 0};

// A record buffer with room behind it, so that an overrun would show as changed guard bytes.
struct GuardedRecord {
    static constexpr std::size_t kGuard = 4096;
    std::vector<BYTE> bytes = std::vector<BYTE>(kOemDevmodeSize + kGuard, 0xAB);
    OemDevmode& record() { return *reinterpret_cast<OemDevmode*>(bytes.data()); }
    bool guardIntact() const {
        for (std::size_t i = kOemDevmodeSize; i < bytes.size(); ++i)
            if (bytes[i] != 0xAB) return false;
        return true;
    }
};

OemDevmode Defaults() {
    OemDevmode record;
    WriteRecordDefaults(record, kDefaults);
    return record;
}

OemDevmode Patterned(BYTE seed) {
    OemDevmode record;
    auto* bytes = reinterpret_cast<BYTE*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i) bytes[i] = static_cast<BYTE>(seed + i * 7);
    record.Size = kOemDevmodeSize;
    record.Signature = kOemDevmodeSignature;
    record.Version = kOemDevmodeVersion;
    return record;
}

HRESULT CallDevMode(DWORD mode, void* in, void* out, DWORD* bufferSize = nullptr) {
    OEMDMPARAM param{};
    param.cbSize = sizeof param;
    param.pOEMDMIn = in;
    param.pOEMDMOut = out;
    const HRESULT result = RecordDevMode(mode, &param, kDefaults);
    if (bufferSize != nullptr) *bufferSize = param.cbBufSize;
    return result;
}

TEST(RecordDevMode, SizeAndDefaultReportTheRecordSize) {
    for (DWORD mode : {OEMDM_SIZE, OEMDM_DEFAULT}) {
        DWORD size = 0;
        EXPECT_EQ(CallDevMode(mode, nullptr, nullptr, &size), S_OK) << mode;
        EXPECT_EQ(size, kOemDevmodeSize) << mode;
    }
}

TEST(RecordDevMode, DefaultWritesHeaderAndEveryField) {
    GuardedRecord out;
    ASSERT_EQ(CallDevMode(OEMDM_DEFAULT, nullptr, out.bytes.data()), S_OK);
    const OemDevmode& r = out.record();
    EXPECT_EQ(r.Size, kOemDevmodeSize);
    EXPECT_EQ(r.Signature, 0x44535256u);
    EXPECT_EQ(std::memcmp(&r.Signature, "VRSD", 4), 0);
    EXPECT_EQ(r.Version, 1u);
    EXPECT_EQ(r.JobTicketOn, 1u);
    EXPECT_EQ(r.CutMethod, 2u);
    EXPECT_EQ(r.Rotation, 1u);
    EXPECT_EQ(r.Alignment, 5u);
    EXPECT_EQ(r.ScalingMode, 1u);
    EXPECT_EQ(r.CutLength, 279);
    EXPECT_EQ(r.ZoomX, 100);
    EXPECT_EQ(r.ZoomY, 100);
    EXPECT_EQ(r.JobName[0], 0);
    EXPECT_EQ(r.FoldTemplateNames[10][255], 0);
    EXPECT_TRUE(out.guardIntact());
}

TEST(RecordDevMode, InvalidModeOrMissingBlockFails) {
    for (DWORD mode : {0u, 5u, 0xFFFFFFFFu}) {
        SetLastError(0);
        EXPECT_EQ(CallDevMode(mode, nullptr, nullptr), E_FAIL) << mode;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << mode;
    }
    SetLastError(0);
    EXPECT_EQ(RecordDevMode(OEMDM_SIZE, nullptr, kDefaults), E_FAIL);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(RecordDevMode, MissingRecordsAreLeftAloneAndSucceed) {
    OemDevmode record = Patterned(3);
    const OemDevmode before = record;
    for (DWORD mode : {OEMDM_CONVERT, OEMDM_MERGE}) {
        EXPECT_EQ(CallDevMode(mode, nullptr, &record), mode == OEMDM_MERGE ? S_OK : S_OK);
        EXPECT_EQ(CallDevMode(mode, &record, nullptr), S_OK);
    }
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

struct ConvertCase {
    const char* name;
    DWORD inputSize;
    DWORD outputSize;       // the output's Size before the call
    std::size_t copied;     // bytes expected from the input
};

TEST(RecordDevMode, ConvertCopiesTheSmallerSizeBoundedByTheRecord) {
    const ConvertCase cases[] = {
        {"short earlier layout", 600, kOemDevmodeSize, 600},
        {"equal sizes", kOemDevmodeSize, kOemDevmodeSize, kOemDevmodeSize},
        {"longer input is cut", 20000, kOemDevmodeSize, kOemDevmodeSize},
        {"output size smaller", kOemDevmodeSize, 100, 100},
        {"output size huge", kOemDevmodeSize, 0xFFFFFFFFu, kOemDevmodeSize},
        {"both sizes huge", 0xFFFFFFFFu, 0xFFFFFFFFu, kOemDevmodeSize},
        {"input size zero", 0, kOemDevmodeSize, 0},
    };
    for (const ConvertCase& c : cases) {
        for (DWORD mode : {OEMDM_CONVERT, OEMDM_MERGE}) {
            OemDevmode input = Patterned(11);
            input.Size = c.inputSize;
            input.Version = 7;
            GuardedRecord out;
            std::memcpy(out.bytes.data(), &static_cast<const OemDevmode&>(Patterned(99)), kOemDevmodeSize);
            out.record().Size = c.outputSize;
            OemDevmode before;
            std::memcpy(&before, out.bytes.data(), sizeof before);

            ASSERT_EQ(CallDevMode(mode, &input, out.bytes.data()), S_OK) << c.name;
            const auto* in = reinterpret_cast<const BYTE*>(&input);
            const auto* old = reinterpret_cast<const BYTE*>(&before);
            for (std::size_t i = 12; i < kOemDevmodeSize; ++i) {
                const BYTE expected = i < c.copied ? in[i] : old[i];
                ASSERT_EQ(out.bytes[i], expected) << c.name << " byte " << i;
            }
            EXPECT_EQ(out.record().Size, kOemDevmodeSize) << c.name;
            EXPECT_EQ(out.record().Version, 1u) << c.name;
            EXPECT_TRUE(out.guardIntact()) << c.name;
        }
    }
}

TEST(RecordDevMode, ConvertOfForeignDataGivesDefaultsButKeepsJobName) {
    for (const char* signature : {"VRSE", "\0\0\0\0", "vrsd", "DSRV"}) {
        for (DWORD mode : {OEMDM_CONVERT, OEMDM_MERGE}) {
            OemDevmode input = Patterned(5);
            std::memcpy(&input.Signature, signature, 4);
            OemDevmode out = Patterned(77);
            const OemDevmode before = out;
            ASSERT_EQ(CallDevMode(mode, &input, &out), S_OK);
            OemDevmode expected = Defaults();
            std::memcpy(expected.JobName, before.JobName, sizeof expected.JobName);
            EXPECT_EQ(std::memcmp(&out, &expected, sizeof out), 0) << signature;
        }
    }
}

TEST(RecordDevMode, MergeStampsTheHeaderAndTakesEverythingElseFromTheInput) {
    OemDevmode input = Patterned(21);
    input.Version = 7;
    OemDevmode out = Defaults();
    ASSERT_EQ(CallDevMode(OEMDM_MERGE, &input, &out), S_OK);
    EXPECT_EQ(out.Version, 1u);
    EXPECT_EQ(out.Size, kOemDevmodeSize);
    EXPECT_EQ(out.Signature, kOemDevmodeSignature);
    EXPECT_EQ(std::memcmp(reinterpret_cast<BYTE*>(&out) + 12, reinterpret_cast<BYTE*>(&input) + 12,
                          kOemDevmodeSize - 12),
              0);
}

TEST(RecordDevMode, MergeOfATinySignedRecordStillStampsTheSignature) {
    OemDevmode input = Patterned(1);
    input.Size = 4;  // the signature itself is not copied
    OemDevmode out = Patterned(2);
    out.Signature = 0x12345678;
    ASSERT_EQ(CallDevMode(OEMDM_MERGE, &input, &out), S_OK);
    EXPECT_EQ(out.Signature, kOemDevmodeSignature);
}

TEST(RecordDevMode, ConvertInPlaceKeepsTheRecord) {
    OemDevmode record = Patterned(9);
    const OemDevmode before = record;
    ASSERT_EQ(CallDevMode(OEMDM_CONVERT, &record, &record), S_OK);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

}  // namespace
