// The host's description of the builds: JSON members and media sizes, build names, and the
// text table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/model_catalogue.h"

namespace {

std::vector<std::string> MemberNames(const nlohmann::ordered_json& object) {
    std::vector<std::string> names;
    for (const auto& item : object.items()) names.push_back(item.key());
    return names;
}

std::vector<unsigned> Codes(const nlohmann::ordered_json& sizes) {
    std::vector<unsigned> codes;
    for (const nlohmann::ordered_json& size : sizes) codes.push_back(size.at("code").get<unsigned>());
    return codes;
}

TEST(ModelCatalogue, DescribesKvui01) {
    const nlohmann::ordered_json d = ModelDescription(1);
    const std::vector<std::string> expectedNames = {
        "build", "InboxItem", "AccountingItem", "MediaTypeItemOffered", "FoldTemplateItemOffered",
        "FolderBinChoice", "ForceDriverColour", "RotationChoices", "MediaSizeList", "DefaultRotation",
        "DefaultAlignment", "DefaultScalingMode", "DefaultCutLength", "CopiesMax", "CutLengthMin", "CutLengthMax",
        "ZoomXMin", "ZoomYMin", "ZoomMax", "ShiftVerticalLimit", "ShiftHorizontalLimit", "MediaSizes"};
    EXPECT_EQ(MemberNames(d), expectedNames);
    const nlohmann::ordered_json expected = nlohmann::ordered_json::parse(R"({
        "build": "kvui01", "InboxItem": "Inbox", "AccountingItem": "Offered",
        "MediaTypeItemOffered": true, "FoldTemplateItemOffered": true, "FolderBinChoice": 2,
        "ForceDriverColour": false, "RotationChoices": 7, "MediaSizeList": 1, "DefaultRotation": 1,
        "DefaultAlignment": 5, "DefaultScalingMode": 1, "DefaultCutLength": 279, "CopiesMax": 999,
        "CutLengthMin": 420, "CutLengthMax": 30480, "ZoomXMin": 55, "ZoomYMin": 5, "ZoomMax": 1000,
        "ShiftVerticalLimit": 1524, "ShiftHorizontalLimit": 1067})");
    for (const auto& item : expected.items()) EXPECT_EQ(d.at(item.key()), item.value()) << item.key();

    const nlohmann::ordered_json& sizes = d.at("MediaSizes");
    ASSERT_EQ(sizes.size(), 34u);
    EXPECT_EQ(sizes[0], nlohmann::ordered_json::parse(R"({"code": 0, "label": "A0 841 x 1189 mm"})"));
    EXPECT_EQ(sizes[17], nlohmann::ordered_json::parse(R"({"code": 31, "label": "880mm 880x1230 mm"})"));
    EXPECT_EQ(sizes[18], nlohmann::ordered_json::parse(R"({"code": 28, "label": "625mm 625x880mm"})"));
    EXPECT_EQ(sizes[19], nlohmann::ordered_json::parse(R"({"code": 23, "label": "21\" 21 x 30 inch"})"));
    EXPECT_EQ(sizes[33], nlohmann::ordered_json::parse(R"({"code": 18, "label": "B3 353 x 500 mm"})"));
}

TEST(ModelCatalogue, DescribesKvui14) {
    const nlohmann::ordered_json d = ModelDescription(14);
    EXPECT_EQ(d.at("build"), "kvui14");
    EXPECT_EQ(d.at("InboxItem"), "DirectPrint");
    EXPECT_TRUE(d.at("FolderBinChoice").is_null());
    EXPECT_EQ(d.at("MediaTypeItemOffered"), false);
    EXPECT_EQ(d.at("CutLengthMax"), 200000);
    EXPECT_EQ(d.at("MediaSizeList"), 9);
    EXPECT_EQ(Codes(d.at("MediaSizes")),
              (std::vector<unsigned>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 22, 23, 24, 31, 33, 34}));
    EXPECT_EQ(d.at("MediaSizes")[17].at("label"), "30\" 30 x 42 inch");
}

TEST(ModelCatalogue, ListsAllBuildsInOrder) {
    const nlohmann::ordered_json all = ModelCatalogue();
    ASSERT_TRUE(all.is_array());
    ASSERT_EQ(all.size(), 20u);
    for (int build = 1; build <= 20; ++build) EXPECT_EQ(all[build - 1], ModelDescription(build));
    EXPECT_EQ(all[19].at("build"), "kvui20");
    EXPECT_THROW(ModelDescription(0), std::out_of_range);
    EXPECT_THROW(ModelDescription(21), std::out_of_range);
}

TEST(ModelCatalogue, BuildNames) {
    struct Case {
        const char* name;
        std::optional<int> build;
    };
    const Case cases[] = {
        {"kvui01", 1}, {"kvui07", 7}, {"kvui20", 20}, {"KVUI14", 14}, {"kvui00", std::nullopt},
        {"kvui21", std::nullopt}, {"kvui7", std::nullopt}, {"kvui007", std::nullopt}, {"kvuiAB", std::nullopt},
        {"xvui01", std::nullopt}, {"", std::nullopt}, {"kvjob", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ModelBuildNumber(c.name), c.build) << c.name;
    for (int build = 1; build <= 20; ++build) EXPECT_EQ(ModelBuildNumber(ModelBuildName(build)), build);
}

TEST(ModelCatalogue, TextNamesEveryBuildAndList) {
    const std::string text = ModelCatalogueText();
    for (int build = 1; build <= 20; ++build)
        EXPECT_NE(text.find(ModelBuildName(build) + "  "), std::string::npos) << build;
    EXPECT_NE(text.find("Media size list 9 (kvui14), 23 entries"), std::string::npos);
    EXPECT_NE(text.find("Media size list 2 (kvui03, kvui08, kvui12, kvui15), 31 entries"), std::string::npos);
    EXPECT_NE(text.find("42\" 42 x 60 inch"), std::string::npos);
}

}  // namespace
