// The model build profiles against the per-build tables they are written from, the record
// defaults every build derives from its profile, and the compile-time choice of one build.
#include <gtest/gtest.h>

#include <string>

#include "ps_ui/code/build_profile.h"
#include "ps_ui/code/profile_defaults.h"

namespace {

// Item settings per build, as the table writes them.
struct ItemRow {
    const char* build;
    const char* inbox;
    const char* accounting;
    const char* mediaTypeItem;
    const char* foldTemplateItem;
    const char* folderBin;
    const char* forceDriverColour;
    DWORD rotationChoices;
    DWORD mediaSizeList;
};

const ItemRow kItemRows[] = {
    {"kvui01", "Inbox", "Offered", "yes", "yes", "2", "no", 7, 1},
    {"kvui02", "Inbox", "Offered", "yes", "yes", "2", "no", 7, 1},
    {"kvui03", "DirectPrint", "Withheld", "yes", "yes", "1", "yes", 6, 2},
    {"kvui04", "DirectPrint", "OfferedUntilFocus", "no", "yes", "2", "no", 7, 3},
    {"kvui05", "DirectPrint", "Offered", "no", "no", "none", "no", 6, 5},
    {"kvui06", "DirectPrint", "OfferedUntilFocus", "no", "no", "none", "no", 7, 4},
    {"kvui07", "DirectPrint", "Offered", "no", "no", "none", "no", 7, 6},
    {"kvui08", "DirectPrint", "Withheld", "no", "no", "none", "yes", 6, 2},
    {"kvui09", "DirectPrint", "OfferedUntilFocus", "no", "no", "none", "no", 7, 6},
    {"kvui10", "DirectPrint", "OfferedUntilFocus", "no", "no", "none", "no", 7, 7},
    {"kvui11", "InboxWithheld", "Offered", "no", "no", "none", "yes", 6, 8},
    {"kvui12", "DirectPrint", "Withheld", "no", "no", "none", "yes", 6, 2},
    {"kvui13", "Inbox", "Offered", "no", "no", "none", "yes", 6, 8},
    {"kvui14", "DirectPrint", "Offered", "no", "no", "none", "no", 7, 9},
    {"kvui15", "DirectPrint", "Withheld", "no", "no", "none", "yes", 6, 2},
    {"kvui16", "Inbox", "Offered", "no", "no", "none", "no", 7, 8},
    {"kvui17", "Inbox", "Offered", "no", "no", "none", "no", 7, 8},
    {"kvui18", "InboxWithheld", "Withheld", "no", "no", "none", "no", 7, 8},
    {"kvui19", "Inbox", "Offered", "no", "no", "none", "no", 7, 8},
    {"kvui20", "Inbox", "Offered", "no", "no", "none", "no", 7, 8},
};

// Defaults and limits per build, as the table writes them.
struct LimitRow {
    const char* build;
    DWORD defaultRotation, defaultAlignment, defaultScalingMode;
    std::int32_t defaultCutLength, copiesMax, cutLengthMin, cutLengthMax, zoomXMin, zoomYMin, zoomMax;
    std::int32_t shiftVerticalLimit, shiftHorizontalLimit;
};

const LimitRow kLimitRows[] = {
    {"kvui01", 1, 5, 1, 279, 999, 420, 30480, 55, 5, 1000, 1524, 1067},
    {"kvui02", 1, 5, 1, 279, 999, 420, 30480, 55, 5, 1000, 1524, 1067},
    {"kvui03", 0, 0, 0, 279, 9999, 420, 30480, 55, 5, 1000, 1524, 1067},
    {"kvui04", 1, 5, 1, 420, 9999, 420, 15000, 5, 5, 1000, 1219, 914},
    {"kvui05", 0, 5, 1, 210, 999, 210, 15000, 25, 25, 400, 1219, 914},
    {"kvui06", 1, 5, 1, 420, 999, 420, 15000, 5, 5, 1000, 1219, 914},
    {"kvui07", 1, 5, 1, 420, 999, 420, 15000, 25, 25, 400, 1219, 914},
    {"kvui08", 0, 0, 0, 210, 999, 210, 15000, 5, 5, 1000, 1524, 1067},
    {"kvui09", 1, 5, 1, 420, 999, 420, 15000, 5, 5, 1000, 1219, 914},
    {"kvui10", 1, 5, 1, 420, 9999, 420, 15000, 5, 5, 1000, 1219, 914},
    {"kvui11", 1, 5, 1, 210, 999, 210, 15000, 25, 25, 400, 1219, 914},
    {"kvui12", 0, 0, 0, 279, 9999, 420, 30480, 55, 5, 1000, 1524, 1067},
    {"kvui13", 1, 5, 1, 210, 999, 210, 15000, 25, 25, 400, 1219, 914},
    {"kvui14", 1, 5, 1, 210, 999, 210, 200000, 25, 25, 400, 1219, 914},
    {"kvui15", 0, 0, 0, 279, 9999, 279, 30480, 55, 5, 1000, 1524, 1067},
    {"kvui16", 1, 5, 1, 279, 999, 279, 15000, 25, 25, 400, 1219, 914},
    {"kvui17", 1, 5, 1, 420, 999, 420, 15000, 25, 25, 400, 1219, 914},
    {"kvui18", 1, 5, 1, 420, 99, 420, 15000, 25, 25, 400, 1219, 914},
    {"kvui19", 1, 5, 1, 210, 999, 210, 15000, 25, 25, 400, 1219, 914},
    {"kvui20", 1, 5, 1, 210, 999, 210, 175000, 25, 25, 400, 1219, 914},
};

static_assert(std::size(kItemRows) == kModelBuildCount && std::size(kLimitRows) == kModelBuildCount);

std::string InboxText(InboxItemKind kind) {
    switch (kind) {
    case InboxItemKind::Inbox: return "Inbox";
    case InboxItemKind::DirectPrint: return "DirectPrint";
    case InboxItemKind::InboxWithheld: return "InboxWithheld";
    }
    return "?";
}

std::string AccountingText(AccountingItemKind kind) {
    switch (kind) {
    case AccountingItemKind::Offered: return "Offered";
    case AccountingItemKind::Withheld: return "Withheld";
    case AccountingItemKind::OfferedUntilFocus: return "OfferedUntilFocus";
    }
    return "?";
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

std::string BuildName(std::size_t index) {
    const std::string number = std::to_string(index + 1);
    return "kvui" + std::string(number.size() < 2 ? "0" : "") + number;
}

TEST(ModelProfiles, ItemSettingsMatchTheTable) {
    for (std::size_t i = 0; i < kModelBuildCount; ++i) {
        const ItemRow& row = kItemRows[i];
        const ModelProfile& profile = kModelProfiles[i];
        ASSERT_EQ(BuildName(i), row.build);
        SCOPED_TRACE(row.build);
        EXPECT_EQ(InboxText(profile.InboxItem), row.inbox);
        EXPECT_EQ(AccountingText(profile.AccountingItem), row.accounting);
        EXPECT_EQ(YesNo(profile.MediaTypeItemOffered), row.mediaTypeItem);
        EXPECT_EQ(YesNo(profile.FoldTemplateItemOffered), row.foldTemplateItem);
        EXPECT_EQ(profile.FolderBinChoice ? std::to_string(*profile.FolderBinChoice) : "none", row.folderBin);
        EXPECT_EQ(YesNo(profile.ForceDriverColour), row.forceDriverColour);
        EXPECT_EQ(profile.RotationChoices, row.rotationChoices);
        EXPECT_EQ(profile.MediaSizeList, row.mediaSizeList);
    }
}

TEST(ModelProfiles, DefaultsAndLimitsMatchTheTable) {
    for (std::size_t i = 0; i < kModelBuildCount; ++i) {
        const LimitRow& row = kLimitRows[i];
        const ModelProfile& profile = kModelProfiles[i];
        ASSERT_EQ(BuildName(i), row.build);
        SCOPED_TRACE(row.build);
        EXPECT_EQ(profile.DefaultRotation, row.defaultRotation);
        EXPECT_EQ(profile.DefaultAlignment, row.defaultAlignment);
        EXPECT_EQ(profile.DefaultScalingMode, row.defaultScalingMode);
        EXPECT_EQ(profile.DefaultCutLength, row.defaultCutLength);
        EXPECT_EQ(profile.CopiesMax, row.copiesMax);
        EXPECT_EQ(profile.CutLengthMin, row.cutLengthMin);
        EXPECT_EQ(profile.CutLengthMax, row.cutLengthMax);
        EXPECT_EQ(profile.ZoomXMin, row.zoomXMin);
        EXPECT_EQ(profile.ZoomYMin, row.zoomYMin);
        EXPECT_EQ(profile.ZoomMax, row.zoomMax);
        EXPECT_EQ(profile.ShiftVerticalLimit, row.shiftVerticalLimit);
        EXPECT_EQ(profile.ShiftHorizontalLimit, row.shiftHorizontalLimit);
    }
}

// kvui01 and kvui02 share a profile; every other pair of builds differs somewhere.
TEST(ModelProfiles, OnlyTheFirstTwoBuildsShareAProfile) {
    for (std::size_t a = 0; a < kModelBuildCount; ++a)
        for (std::size_t b = a + 1; b < kModelBuildCount; ++b)
            EXPECT_EQ(kModelProfiles[a] == kModelProfiles[b], a == 0 && b == 1)
                << BuildName(a) << " and " << BuildName(b);
}

TEST(ProfileDefaults, EveryBuildDerivesItsRecordDefaults) {
    for (std::size_t i = 0; i < kModelBuildCount; ++i) {
        const LimitRow& row = kLimitRows[i];
        SCOPED_TRACE(row.build);
        const RecordDefaults d = RecordDefaultsFor(kModelProfiles[i]);
        EXPECT_EQ(d.JobTicketOn, 1u);
        EXPECT_EQ(d.AccountingOn, 0u);
        EXPECT_EQ(d.SendToInbox, 0u);
        EXPECT_EQ(d.CutMethod, 2u);
        EXPECT_EQ(d.Rotation, row.defaultRotation);
        EXPECT_EQ(d.Alignment, row.defaultAlignment);
        EXPECT_EQ(d.ShiftOn, 0u);
        EXPECT_EQ(d.CutLength, row.defaultCutLength);
        EXPECT_EQ(d.LeadingStripOn, 0u);
        EXPECT_EQ(d.TrailingStripOn, 0u);
        EXPECT_EQ(d.ScalingMode, row.defaultScalingMode);
        EXPECT_EQ(d.ZoomMediaSize, 0u);
        EXPECT_EQ(d.ZoomX, 100);
        EXPECT_EQ(d.ZoomY, 100);
        EXPECT_EQ(d.Copies, 0);
        EXPECT_EQ(d.DefaultMediaType, 0u);
        EXPECT_EQ(d.DefaultFoldTemplate, 0u);
    }
}

// This program compiles the build selection as kvui14 does (see CMakeLists.txt).
TEST(ModelBuild, SelectsItsOwnRow) {
    EXPECT_EQ(&BuildProfile(), &kModelProfiles[13]);
    EXPECT_EQ(BuildProfile().CutLengthMax, 200000);
    EXPECT_EQ(BuildMediaSizeList().list, 9u);
    EXPECT_EQ(BuildMediaSizeCodeAt(17), 22u);
    EXPECT_EQ(BuildMediaSizeCodeAt(23), 0u);
    EXPECT_EQ(BuildMediaSizePositionOf(34), 22u);
    EXPECT_EQ(BuildMediaSizePositionOf(32), 0u);
    const RecordDefaults d = BuildRecordDefaults();
    EXPECT_EQ(d.CutLength, 210);
    EXPECT_EQ(d.Rotation, 1u);
}

}  // namespace
