// The stored bytes of new records: the render plug-in's defaults and a settings build's, byte for
// byte. Every byte not listed in a golden table is zero.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/record_defaults.h"
#include "ps3_motor/render_defaults.h"
#include "ps_ui/code/model_profiles.h"
#include "ps_ui/code/profile_defaults.h"

namespace {

struct GoldenBytes {
    std::size_t offset;
    std::vector<BYTE> bytes;
};

// Size 13464, "VRSD", version 1 and the job ticket on: common to every new record.
const std::vector<GoldenBytes> kHeader = {
    {0, {0x98, 0x34, 0x00, 0x00}},
    {4, {'V', 'R', 'S', 'D'}},
    {8, {0x01, 0x00, 0x00, 0x00}},
    {12, {0x01, 0x00, 0x00, 0x00}},
};

struct GoldenRecord {
    const char* name;
    RecordDefaults defaults;
    std::vector<GoldenBytes> fields;  // besides the header
};

std::vector<BYTE> Expected(const std::vector<GoldenBytes>& fields) {
    std::vector<BYTE> bytes(kOemDevmodeSize, 0);
    for (const auto* table : {&kHeader, &fields})
        for (const GoldenBytes& entry : *table) std::memcpy(&bytes[entry.offset], entry.bytes.data(), entry.bytes.size());
    return bytes;
}

TEST(RecordGolden, NewRecordsHoldExactlyTheirDefaults) {
    const GoldenRecord records[] = {
        {"kvjob", kRenderDefaults,
         {{576, {0x02, 0, 0, 0}},      // CutMethod synchro
          {584, {0x05, 0, 0, 0}},      // Alignment centre
          {600, {0xF0, 0, 0, 0}},      // CutLength 240
          {628, {0x02, 0, 0, 0}},      // ScalingMode to a media size
          {636, {0x64, 0, 0, 0}},      // ZoomX 100
          {640, {0x64, 0, 0, 0}}}},    // ZoomY 100
        {"kvui01", RecordDefaultsFor(kModelProfiles[0]),
         {{576, {0x02, 0, 0, 0}},
          {580, {0x01, 0, 0, 0}},      // Rotation 0°
          {584, {0x05, 0, 0, 0}},
          {600, {0x17, 0x01, 0, 0}},   // CutLength 279
          {628, {0x01, 0, 0, 0}},      // ScalingMode to a custom size
          {636, {0x64, 0, 0, 0}},
          {640, {0x64, 0, 0, 0}}}},
        {"kvui03", RecordDefaultsFor(kModelProfiles[2]),
         {{576, {0x02, 0, 0, 0}},
          {600, {0x17, 0x01, 0, 0}},
          {636, {0x64, 0, 0, 0}},
          {640, {0x64, 0, 0, 0}}}},
        {"kvui14", RecordDefaultsFor(kModelProfiles[13]),
         {{576, {0x02, 0, 0, 0}},
          {580, {0x01, 0, 0, 0}},
          {584, {0x05, 0, 0, 0}},
          {600, {0xD2, 0, 0, 0}},      // CutLength 210
          {628, {0x01, 0, 0, 0}},
          {636, {0x64, 0, 0, 0}},
          {640, {0x64, 0, 0, 0}}}},
    };
    for (const GoldenRecord& golden : records) {
        std::vector<BYTE> actual(kOemDevmodeSize, 0xCC);
        WriteRecordDefaults(*reinterpret_cast<OemDevmode*>(actual.data()), golden.defaults);
        const std::vector<BYTE> expected = Expected(golden.fields);
        for (std::size_t i = 0; i < kOemDevmodeSize; ++i)
            ASSERT_EQ(actual[i], expected[i]) << golden.name << " byte " << i;
    }
}

}  // namespace
