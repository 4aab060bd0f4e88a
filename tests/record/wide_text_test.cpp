// The bounded UTF-16 helpers: fitting, refusing and never writing past the buffer.
#include <gtest/gtest.h>

#include <string>

#include "platform/wide_text.h"

namespace {

using Text = std::basic_string<WCHAR>;

struct FormatCase {
    const char* name;
    const WCHAR* format;
    std::initializer_list<FormatArg> args;
    std::size_t capacity;
    bool fits;
    const WCHAR* expected;  // when it fits
};

TEST(WideFormat, FormatsOrRefuses) {
    const FormatCase cases[] = {
        {"plain", WIDE("abc"), {}, 4, true, WIDE("abc")},
        {"exactly full", WIDE("abc"), {}, 3, false, nullptr},
        {"string", WIDE("%s \"%s\"\n"), {WIDE("Jobname"), WIDE("Plan")}, 260, true, WIDE("Jobname \"Plan\"\n")},
        {"number", WIDE("%s %d\n"), {WIDE("Copies"), 2}, 260, true, WIDE("Copies 2\n")},
        {"negative", WIDE("%d"), {-12}, 4, true, WIDE("-12")},
        {"int min", WIDE("%d"), {INT32_MIN}, 12, true, WIDE("-2147483648")},
        {"percent", WIDE("100%%"), {}, 5, true, WIDE("100%")},
        {"too few arguments", WIDE("%s %s"), {WIDE("a")}, 20, false, nullptr},
        {"too many arguments", WIDE("%s"), {WIDE("a"), WIDE("b")}, 20, false, nullptr},
        {"wrong kind", WIDE("%d"), {WIDE("a")}, 20, false, nullptr},
        {"unknown directive", WIDE("%x"), {1}, 20, false, nullptr},
        {"trailing percent", WIDE("abc%"), {}, 20, false, nullptr},
        {"no room", WIDE("a"), {}, 0, false, nullptr},
    };
    for (const FormatCase& c : cases) {
        WCHAR buffer[32];
        for (WCHAR& unit : buffer) unit = u'#';
        std::size_t length = 99;
        const bool fits = WideFormat(buffer, c.capacity, &length, c.format, c.args);
        EXPECT_EQ(fits, c.fits) << c.name;
        if (c.fits) {
            EXPECT_EQ(Text(buffer), Text(c.expected)) << c.name;
            EXPECT_EQ(length, Text(c.expected).size()) << c.name;
        }
        for (std::size_t i = c.capacity; i < 32; ++i) ASSERT_EQ(buffer[i], u'#') << c.name << " wrote past " << i;
    }
}

TEST(WideCopy, CopiesBoundedAndTerminated) {
    WCHAR buffer[6];
    EXPECT_TRUE(WideCopy(buffer, 6, WIDE("abcde")));
    EXPECT_EQ(Text(buffer), WIDE("abcde"));
    EXPECT_FALSE(WideCopy(buffer, 6, WIDE("abcdef")));
    EXPECT_EQ(Text(buffer), WIDE("abcde"));
    EXPECT_TRUE(WideCopy(buffer, 6, WIDE("abcdef"), 3));
    EXPECT_EQ(Text(buffer), WIDE("abc"));
}

TEST(WideText, LengthAndEquality) {
    const WCHAR unterminated[3] = {u'a', u'b', u'c'};
    EXPECT_EQ(WideLength(unterminated, 3), 3u);
    EXPECT_EQ(WideLength(WIDE("ab"), 10), 2u);
    EXPECT_TRUE(WideEqual(WIDE("Vor"), WIDE("Vor")));
    EXPECT_FALSE(WideEqual(WIDE("Vor"), WIDE("vor")));
    EXPECT_FALSE(WideEqual(WIDE("Vor"), WIDE("Vor ")));
    EXPECT_FALSE(WideEqual(WIDE("Vor "), WIDE("Vor")));
}

TEST(WideFromInt, RefusesNumbersThatDoNotFit) {
    WCHAR buffer[6];
    EXPECT_TRUE(WideFromInt(buffer, 6, -1524));
    EXPECT_EQ(Text(buffer), WIDE("-1524"));
    EXPECT_TRUE(WideFromInt(buffer, 6, 99999));
    EXPECT_FALSE(WideFromInt(buffer, 6, 200000));
    EXPECT_FALSE(WideFromInt(buffer, 6, -10000));
}

}  // namespace
