// The trace functions the settings plug-in carries: what they write and when they give up.
#include <gtest/gtest.h>

#include <string>

#include "ps_ui/code/trace_output.h"
#include "tests/plugins/debug_capture.h"

namespace {

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

class TraceOutputTest : public testing::Test {
protected:
    void SetUp() override { capturing_ = StartDebugCapture(); }
    void TearDown() override { StopDebugCapture(); }

    void ExpectWritten(const std::u16string& expected) {
        if (capturing_) {
            EXPECT_EQ(CapturedDebugOutput(), expected + u"\n");
        }
    }

    bool capturing_ = false;
};

TEST_F(TraceOutputTest, NarrowTraceWritesTheFormattedText) {
    EXPECT_EQ(TraceNarrow("%s=%d", "Copies", 3), 1);
    ExpectWritten(u"Copies=3");
}

TEST_F(TraceOutputTest, NarrowTraceGrowsItsBufferForLongTexts) {
    // Beyond the first buffer (1024 bytes) and beyond its first doubling.
    const std::string longText(3000, 'x');
    EXPECT_EQ(TraceNarrow("[%s]", longText.c_str()), 1);
    ExpectWritten(Widen("[" + longText + "]"));
}

TEST_F(TraceOutputTest, WideTraceWritesTheFormattedText) {
    EXPECT_EQ(TraceWide(WIDE("%s %d%%"), WIDE("Zoom"), 100), 1);
    ExpectWritten(u"Zoom 100%");
}

TEST_F(TraceOutputTest, WideTraceCutsLongTextsAt260Units) {
    const std::basic_string<WCHAR> longText(300, WCHAR('y'));
    EXPECT_EQ(TraceWide(WIDE("%s"), longText.c_str()), 1);
    ExpectWritten(std::u16string(260, u'y'));
}

TEST_F(TraceOutputTest, MissingFormatWritesNothing) {
    const char* volatile narrowFormat = nullptr;
    const WCHAR* volatile wideFormat = nullptr;
    EXPECT_EQ(TraceNarrow(narrowFormat), 0);
    EXPECT_EQ(TraceWide(wideFormat), 0);
    if (capturing_) {
        EXPECT_EQ(CapturedDebugOutput(), u"");
    }
}

}  // namespace
