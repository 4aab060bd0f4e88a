// Media size lists: the nine lists as offered, the position/code conversions of every list and
// every build, and the labels the lists show.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "platform/utf.h"
#include "ps_ui/code/media_sizes.h"
#include "ps_ui/code/model_profiles.h"

namespace {

struct ExpectedList {
    DWORD list;
    DWORD entries;
    std::vector<DWORD> tail;  // codes from position 17 on
};

const std::vector<ExpectedList> kExpectedLists = {
    {1, 34, {31, 28, 23, 43, 25, 27, 29, 41, 34, 40, 38, 33, 36, 21, 24, 15, 18}},
    {2, 31, {18, 15, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}},
    {3, 37, {19, 20, 22, 23, 24, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 18, 25}},
    {4, 34, {19, 20, 22, 23, 24, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42}},
    {5, 23, {23, 24, 31, 32, 33, 34}},
    {6, 26, {19, 20, 22, 23, 24, 31, 32, 33, 34}},
    {7, 30, {19, 20, 22, 23, 24, 31, 32, 33, 34, 36, 38, 40, 41}},
    {8, 20, {19, 20, 22}},
    {9, 23, {22, 23, 24, 31, 33, 34}},
};

std::vector<DWORD> FullList(const ExpectedList& expected) {
    std::vector<DWORD> codes;
    for (DWORD code = 0; code <= 14; ++code) codes.push_back(code);
    codes.push_back(16);
    codes.push_back(17);
    codes.insert(codes.end(), expected.tail.begin(), expected.tail.end());
    return codes;
}

std::string Label(const WCHAR* text) { return text ? Utf8FromUtf16(text) : std::string("(null)"); }

TEST(MediaSizeLists, HoldTheirCodesInOrder) {
    for (const ExpectedList& expected : kExpectedLists) {
        SCOPED_TRACE("list " + std::to_string(expected.list));
        const MediaSizeTable& list = MediaSizeListNumber(expected.list);
        const std::vector<DWORD> codes = FullList(expected);
        ASSERT_EQ(codes.size(), expected.entries);
        EXPECT_EQ(list.list, expected.list);
        ASSERT_EQ(list.count, expected.entries);
        EXPECT_EQ(std::vector<DWORD>(list.codes, list.codes + list.count), codes);
        EXPECT_EQ(std::set<DWORD>(codes.begin(), codes.end()).size(), codes.size()) << "a code appears twice";
    }
}

TEST(MediaSizeLists, ConversionsRoundTripAndFallBackToZero) {
    for (const ExpectedList& expected : kExpectedLists) {
        SCOPED_TRACE("list " + std::to_string(expected.list));
        const MediaSizeTable& list = MediaSizeListNumber(expected.list);
        const std::vector<DWORD> codes = FullList(expected);
        for (DWORD position = 0; position < codes.size(); ++position) {
            EXPECT_EQ(MediaSizeCodeAt(list, position), codes[position]) << "position " << position;
            EXPECT_EQ(MediaSizePositionOf(list, codes[position]), position) << "code " << codes[position];
        }
        const std::set<DWORD> held(codes.begin(), codes.end());
        for (DWORD code = 0; code < 64; ++code) {
            if (held.count(code)) {
                EXPECT_EQ(MediaSizeCodeAt(list, MediaSizePositionOf(list, code)), code);
            } else {
                EXPECT_EQ(MediaSizePositionOf(list, code), 0u) << "code " << code;
            }
        }
        for (DWORD outside : std::initializer_list<DWORD>{expected.entries, expected.entries + 1, 100, 0x7FFFFFFF, 0xFFFFFFFF}) {
            EXPECT_EQ(MediaSizeCodeAt(list, outside), 0u) << "position " << outside;
            EXPECT_EQ(MediaSizeLabelAt(list, outside), nullptr) << "position " << outside;
        }
        EXPECT_EQ(MediaSizePositionOf(list, 0xFFFFFFFFu), 0u);
    }
}

// The conversions as each build sees them, through the build's profile.
TEST(MediaSizeLists, BuildCases) {
    enum Direction { PositionToCode, CodeToPosition };
    struct Case {
        const char* name;
        int build;
        Direction direction;
        DWORD in;
        DWORD out;
    };
    std::vector<Case> cases = {
        {"kvui01 880mm 880x1230 mm", 1, PositionToCode, 17, 31},
        {"kvui01 B0", 1, PositionToCode, 32, 15},
        {"kvui01 350mm", 1, CodeToPosition, 43, 20},
        {"kvui03 B3", 3, PositionToCode, 17, 18},
        {"kvui03 B0", 3, PositionToCode, 18, 15},
        {"kvui03 A0+", 3, CodeToPosition, 26, 26},
        {"kvui14 30 inch", 14, PositionToCode, 17, 22},
        {"kvui14 440mm", 14, PositionToCode, 22, 34},
        {"kvui14 B1 700 not held", 14, CodeToPosition, 19, 0},
        {"kvui14 B2 500 x 700 not held", 14, CodeToPosition, 20, 0},
        {"kvui14 800mm not held", 14, CodeToPosition, 32, 0},
        {"kvui11 350mm not held", 11, CodeToPosition, 43, 0},
        {"list 8 past the end", 11, PositionToCode, 20, 0},
        {"list 8 last entry", 20, PositionToCode, 19, 22},
    };
    // kvui01's data name codes 44 to 51 behind its 34 entries; they are not offered, so they
    // convert like anything else outside the list.
    for (DWORD extra = 0; extra < 8; ++extra) {
        cases.push_back({"kvui01 unoffered position", 1, PositionToCode, 34 + extra, 0});
        cases.push_back({"kvui01 unoffered code", 1, CodeToPosition, 44 + extra, 0});
    }
    for (int build = 1; build <= 20; ++build) {
        cases.push_back({"head position 0", build, PositionToCode, 0, 0});
        cases.push_back({"head code 0", build, CodeToPosition, 0, 0});
        cases.push_back({"head position 15", build, PositionToCode, 15, 16});
        cases.push_back({"head position 16", build, PositionToCode, 16, 17});
        cases.push_back({"head code 16", build, CodeToPosition, 16, 15});
    }
    for (const Case& c : cases) {
        const MediaSizeTable& list = MediaSizeListNumber(kModelProfiles[c.build - 1].MediaSizeList);
        const DWORD result =
            c.direction == PositionToCode ? MediaSizeCodeAt(list, c.in) : MediaSizePositionOf(list, c.in);
        EXPECT_EQ(result, c.out) << c.name << " (kvui" << c.build << ", " << c.in << ")";
    }
}

TEST(MediaSizeLabels, AreExact) {
    struct Case {
        DWORD list;
        DWORD position;
        const WCHAR* label;
    };
    const Case cases[] = {
        {1, 0, WIDE("A0 841 x 1189 mm")},
        {1, 9, WIDE("A 8.5 x 11 inch")},
        {1, 16, WIDE("B2 500 x 707 mm")},
        {1, 18, WIDE("625mm 625x880mm")},     // code 28, list 1's own label
        {1, 22, WIDE("800mm 800x1189 mm")},   // code 27, list 1's own label
        {1, 19, WIDE("21\" 21 x 30 inch")},
        {2, 27, WIDE("800x1189 mm")},         // code 27 elsewhere
        {2, 28, WIDE("A1+ 625 x 900 mm")},    // code 28 elsewhere
        {2, 21, WIDE("42\" 42 x 60 inch")},
        {3, 23, WIDE("800mm 800x1189 mm")},   // code 32
        {3, 27, WIDE("880mm 880x1210mm")},
        {9, 17, WIDE("30\" 30 x 42 inch")},
        {9, 19, WIDE("15\" 15 x 21 inch")},
    };
    for (const Case& c : cases) {
        const WCHAR* label = MediaSizeLabelAt(MediaSizeListNumber(c.list), c.position);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(WideString(label), WideString(c.label)) << "list " << c.list << " position " << c.position;
    }
    // The inch mark is the double-quote character itself, with no backslash in the label.
    const WideString inch = MediaSizeLabelAt(MediaSizeListNumber(9), 17);
    ASSERT_EQ(inch.size(), 16u);
    EXPECT_EQ(inch[2], WCHAR(0x22));
    EXPECT_EQ(inch.find(WCHAR('\\')), WideString::npos);
}

// Lists 1 and 2 as their labels are written out in full.
TEST(MediaSizeLabels, ListOneAndTwoTailsReadAsWritten) {
    const std::vector<std::string> list1 = {
        "880mm 880x1230 mm", "625mm 625x880mm", "21\" 21 x 30 inch", "350mm 350x500mm", "891x1260 mm",
        "800mm 800x1189 mm", "SRA0 900 x 1280 mm", "310mm 310x440mm", "440mm 440x594mm", "440mm 440x620mm",
        "620mm 620x880mm", "660mm 660x841mm", "880mm 880x1210mm", "42\" 42 x 60 inch", "15\" 15 x 21 inch",
        "B0 1000 x 1414 mm", "B3 353 x 500 mm"};
    const std::vector<std::string> list2 = {
        "B3 353 x 500 mm", "B0 1000 x 1414 mm", "B1 700 x 1000 mm", "B2 500 x 700 mm", "42\" 42 x 60 inch",
        "30\" 30 x 42 inch", "21\" 21 x 30 inch", "15\" 15 x 21 inch", "891x1260 mm", "A0+ 880 x 1230 mm",
        "800x1189 mm", "A1+ 625 x 900 mm", "SRA0 900 x 1280 mm", "SRA2 450 x 640 mm"};
    const std::vector<std::string> head = {
        "A0 841 x 1189 mm", "A1 594 x 841 mm", "A2 420 x 594 mm", "A3 297 x 420 mm", "A4 210 x 297 mm",
        "E 34 x 44 inch", "D 22 x 34 inch", "C 17 x 22 inch", "B 11 x 17 inch", "A 8.5 x 11 inch",
        "E+ 36 x 48 inch", "D+ 24 x 36 inch", "C+ 18 x 24 inch", "B+ 12 x 18 inch", "A+ 9 x 12 inch",
        "B1 707 x 1000 mm", "B2 500 x 707 mm"};
    for (const auto& [number, tail] : {std::pair{1u, list1}, std::pair{2u, list2}}) {
        const MediaSizeTable& list = MediaSizeListNumber(number);
        std::vector<std::string> shown;
        for (DWORD position = 0; position < list.count; ++position)
            shown.push_back(Label(MediaSizeLabelAt(list, position)));
        std::vector<std::string> expected = head;
        expected.insert(expected.end(), tail.begin(), tail.end());
        EXPECT_EQ(shown, expected) << "list " << number;
    }
}

}  // namespace
