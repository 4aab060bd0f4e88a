// The option lines of the ticket: strips, cut method, media type and fold template slots, the
// colour query, rotation, scaling, alignment and shift, each table against the exact lines in
// their fixed order. Unless a case says otherwise the colour query answers CMYK.
#include <gtest/gtest.h>

#include <functional>

#include "ps3_motor/job_ticket_writer.h"
#include "tests/ticket/ticket_recorder.h"

namespace {

using namespace ticket_test;
using Lines = std::vector<std::u16string>;

constexpr const char16_t* kColor = u"ColorMode color\n";
constexpr const char16_t* kMonochrome = u"ColorMode monochrome\n";

struct OptionCase {
    const char* name;
    std::function<void(OemDevmode&)> change;
    Lines lines;
};

Lines OptionLinesOf(const std::function<void(OemDevmode&)>& change) {
    Job job;
    change(job.record);
    EXPECT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
    return job.driver.OptionLines();
}

void ExpectOptionLines(const std::vector<OptionCase>& cases) {
    for (const OptionCase& c : cases) EXPECT_EQ(OptionLinesOf(c.change), c.lines) << c.name;
}

auto Strips(DWORD leadingOn, DWORD trailingOn, std::int32_t leadingMode, std::int32_t trailingMode,
            std::int32_t leadingLength = 25, std::int32_t trailingLength = 10) {
    return [=](OemDevmode& r) {
        r.LeadingStripOn = leadingOn;
        r.TrailingStripOn = trailingOn;
        r.LeadingStripMode = leadingMode;
        r.TrailingStripMode = trailingMode;
        r.LeadingStripLength = leadingLength;
        r.TrailingStripLength = trailingLength;
    };
}

TEST(TicketOptions, PrinterDefaultsGiveTheColourLineAlone) {
    EXPECT_EQ(OptionLinesOf([](OemDevmode&) {}), Lines{kColor});
}

TEST(TicketOptions, Strips) {
    ExpectOptionLines({
        {"both add", Strips(1, 1, 0, 0), {u"AddStrip leading 25 mm trailing 10 mm\n", kColor}},
        {"add leading, remove trailing", Strips(1, 1, 0, 1),
         {u"RemoveStrip leading 0 trailing 10 mm\n", u"AddStrip leading 25 mm trailing 0\n", kColor}},
        {"remove leading, add trailing", Strips(1, 1, 1, 0),
         {u"RemoveStrip leading 25 mm trailing 0\n", u"AddStrip leading 0 trailing 10 mm\n", kColor}},
        {"both remove", Strips(1, 1, 1, 1), {u"RemoveStrip leading 25 mm trailing 10 mm\n", kColor}},
        {"both on, modes 2 and 2", Strips(1, 1, 2, 2), {kColor}},
        {"both on, modes 0 and 2", Strips(1, 1, 0, 2), {kColor}},
        {"both on, modes -1 and 0", Strips(1, 1, -1, 0), {kColor}},
        {"leading add", Strips(1, 0, 0, 1), {u"AddStrip leading 25 mm trailing 0\n", kColor}},
        {"leading remove", Strips(1, 0, 1, 0), {u"RemoveStrip leading 25 mm trailing 0\n", kColor}},
        {"leading mode 2 removes", Strips(1, 0, 2, 0), {u"RemoveStrip leading 25 mm trailing 0\n", kColor}},
        {"leading mode -1 removes", Strips(1, 0, -1, 0), {u"RemoveStrip leading 25 mm trailing 0\n", kColor}},
        {"trailing add", Strips(0, 1, 1, 0), {u"AddStrip leading 0 trailing 10 mm\n", kColor}},
        {"trailing remove", Strips(0, 1, 0, 1), {u"RemoveStrip leading 0 trailing 10 mm\n", kColor}},
        {"trailing mode 5 removes", Strips(0, 1, 0, 5), {u"RemoveStrip leading 0 trailing 10 mm\n", kColor}},
        {"neither", Strips(0, 0, 0, 0), {kColor}},
        {"flag 2 is not set", Strips(2, 1, 0, 0), {u"AddStrip leading 0 trailing 10 mm\n", kColor}},
        {"both flags 2", Strips(2, 2, 0, 0), {kColor}},
        {"zero lengths", Strips(1, 1, 0, 0, 0, 0), {u"AddStrip leading 0 mm trailing 0 mm\n", kColor}},
        // Lengths whose text is longer than five characters are written in full.
        {"six-character lengths", Strips(1, 1, 0, 0, 123456, -99999),
         {u"AddStrip leading 123456 mm trailing -99999 mm\n", kColor}},
        {"extreme lengths", Strips(1, 1, 1, 1, INT32_MIN, INT32_MAX),
         {u"RemoveStrip leading -2147483648 mm trailing 2147483647 mm\n", kColor}},
    });
}

TEST(TicketOptions, CutMethod) {
    auto cut = [](DWORD method, std::int32_t length = 279) {
        return [=](OemDevmode& r) {
            r.CutMethod = method;
            r.CutLength = length;
        };
    };
    ExpectOptionLines({
        {"printer default", cut(0), {kColor}},
        {"standard", cut(1), {u"CutMethod standard\n", kColor}},
        {"synchro", cut(2), {u"CutMethod synchro\n", kColor}},
        {"custom length", cut(3, 1500), {u"CutMethod 1500 mm\n", kColor}},
        {"custom length 0", cut(3, 0), {u"CutMethod 0 mm\n", kColor}},
        {"custom length 200000", cut(3, 200000), {u"CutMethod 200000 mm\n", kColor}},
        {"custom length 175000", cut(3, 175000), {u"CutMethod 175000 mm\n", kColor}},
        {"method 4", cut(4), {kColor}},
        {"method all ones", cut(0xFFFFFFFFu), {kColor}},
    });
}

TEST(TicketOptions, MediaTypeSlots) {
    auto media = [](DWORD selection, std::size_t slot, std::u16string id) {
        return [=](OemDevmode& r) {
            for (std::size_t i = 0; i < kMediaTypeSlots; ++i) SetText(r.MediaTypeIds[i], u"other");
            SetText(r.MediaTypeIds[slot], id);
            SetText(r.MediaTypeNames[slot], u"Display name");
            r.DefaultMediaType = selection;
        };
    };
    const std::u16string id246(246, u'm');
    const std::u16string id247(247, u'm');
    ExpectOptionLines({
        {"printer default", media(0, 0, u"PAPER80"), {kColor}},
        {"first slot sends the ID", media(1, 0, u"PAPER80"), {u"MediaType \"PAPER80\"\n", kColor}},
        {"last slot", media(7, 6, u"FILM"), {u"MediaType \"FILM\"\n", kColor}},
        {"empty selected slot", media(3, 2, u""), {kColor}},
        {"index beyond the slots", media(8, 6, u"FILM"), {kColor}},
        {"246-character ID", media(2, 1, id246), {u"MediaType \"" + id246 + u"\"\n", kColor}},
        {"247-character ID left out", media(2, 1, id247), {kColor}},
        {"quote kept", media(1, 0, u"a\"b"), {u"MediaType \"a\"b\"\n", kColor}},
    });
}

TEST(TicketOptions, UnterminatedSlotIsReadUpTo255Units) {
    // 256 units without a terminator: the line would need 268 units and is left out; the
    // record is not changed and nothing behind the slot is read.
    Job job;
    for (WCHAR& unit : job.record.MediaTypeIds[6]) unit = u'u';
    job.record.DefaultMediaType = 7;
    job.record.DefaultFoldTemplate = 0x55555555;
    ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
    EXPECT_EQ(job.driver.OptionLines(), Lines{kColor});
    EXPECT_EQ(job.record.MediaTypeIds[6][kSlotUnits - 1], u'u');
}

TEST(TicketOptions, FoldTemplateSlots) {
    auto fold = [](DWORD folderOutput, DWORD selection, std::size_t slot, std::u16string name) {
        return [=](OemDevmode& r) {
            for (std::size_t i = 0; i < kFoldTemplateSlots; ++i) SetText(r.FoldTemplateNames[i], u"other");
            SetText(r.FoldTemplateNames[slot], name);
            r.FolderOutput = folderOutput;
            r.DefaultFoldTemplate = selection;
        };
    };
    const std::u16string name246(246, u'f');
    const std::u16string name247(247, u'f');
    ExpectOptionLines({
        {"folder, first slot", fold(1, 1, 0, u"Z-fold"), {u"Fold name \"Z-fold\"\n", kColor}},
        {"folder, slot 11", fold(1, 11, 10, u"Last"), {u"Fold name \"Last\"\n", kColor}},
        {"printer default", fold(1, 0, 0, u"Z-fold"), {kColor}},
        {"no folder output", fold(0, 1, 0, u"Z-fold"), {kColor}},
        {"folder output 2 is not set", fold(2, 1, 0, u"Z-fold"), {kColor}},
        {"empty selected slot", fold(1, 4, 3, u""), {kColor}},
        {"index beyond the slots", fold(1, 12, 10, u"Last"), {kColor}},
        {"246 characters", fold(1, 2, 1, name246), {u"Fold name \"" + name246 + u"\"\n", kColor}},
        {"247 characters left out", fold(1, 2, 1, name247), {kColor}},
    });
}

TEST(TicketOptions, ColourModeFromTheDriverSetting) {
    struct Case {
        const char* answer;
        HRESULT result;
        const char16_t* line;
    };
    const Case cases[] = {
        {"CMYK", S_OK, kColor},
        {"cmyk", S_OK, kMonochrome},
        {"CMY", S_OK, kMonochrome},
        {"Gray", S_OK, kMonochrome},
        {"CMYKX", S_OK, kMonochrome},
        {"", S_OK, kMonochrome},
        // A failing driver that still put CMYK in the buffer is not believed.
        {"CMYK", E_FAIL, kMonochrome},
    };
    for (const Case& c : cases) {
        Job job;
        job.driver.colorAnswer = c.answer;
        job.driver.colorResult = c.result;
        ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
        EXPECT_EQ(job.driver.OptionLines(), Lines{c.line}) << c.answer << " " << c.result;
        EXPECT_EQ(job.driver.colorQueries, 1);
        EXPECT_EQ(job.driver.lastFeature, "VRColorMode");
        EXPECT_EQ(job.driver.lastSettingSize, 100u);
        EXPECT_EQ(job.driver.lastSettingObject, &job.devobj);
        EXPECT_TRUE(job.driver.colorBufferWasCleared);
    }
}

TEST(TicketOptions, RotationAroundTheZoomLine) {
    auto rotation = [](DWORD value) {
        return [=](OemDevmode& r) {
            r.Rotation = value;
            r.ScalingMode = 2;
            r.ZoomMediaSize = 4;
        };
    };
    const char16_t* zoom = u"Zoom to A4\n";
    ExpectOptionLines({
        {"printer default", rotation(0), {kColor, zoom}},
        {"0", rotation(1), {kColor, u"Rotate 0\n", zoom}},
        {"90", rotation(2), {kColor, u"Rotate 90\n", zoom}},
        {"180", rotation(3), {kColor, u"Rotate 180\n", zoom}},
        {"270", rotation(4), {kColor, u"Rotate 270\n", zoom}},
        {"media saving", rotation(5), {kColor, zoom, u"AdjustRotate mediasaving\n"}},
        {"productive", rotation(6), {kColor, zoom, u"AdjustRotate productive\n"}},
        {"7", rotation(7), {kColor, zoom}},
    });
}

TEST(TicketOptions, ScalingToCustomSize) {
    auto zoom = [](DWORD mode, DWORD keep, std::int32_t x, std::int32_t y) {
        return [=](OemDevmode& r) {
            r.ScalingMode = mode;
            r.KeepAspectRatio = keep;
            r.ZoomX = x;
            r.ZoomY = y;
            r.ZoomMediaSize = 3;
        };
    };
    ExpectOptionLines({
        {"printer default", zoom(0, 0, 150, 75), {kColor}},
        {"x and y", zoom(1, 0, 150, 75), {kColor, u"Zoom 150 75\n"}},
        {"keep aspect ratio", zoom(1, 1, 150, 75), {kColor, u"Zoom 150\n"}},
        {"keep aspect ratio 2 is not set", zoom(1, 2, 150, 75), {kColor, u"Zoom 150 75\n"}},
        {"mode 3", zoom(3, 0, 150, 75), {kColor}},
        // Percentages whose text is longer than four characters are written in full.
        {"zoom 10000", zoom(1, 0, 10000, 75), {kColor, u"Zoom 10000 75\n"}},
        {"negative zoom", zoom(1, 1, -1000, 75), {kColor, u"Zoom -1000\n"}},
    });
}

TEST(TicketOptions, ScalingToEveryMediaSizeCode) {
    const char16_t* const texts[] = {
        u"A0", u"A1", u"A2", u"A3", u"A4", u"E", u"D", u"C", u"B", u"A", u"E+", u"D+", u"C+", u"B+", u"A+",
        u"B0", u"B1", u"B2", u"B3", u"700mm", u"500mm", u"42inch", u"30inch", u"21inch", u"15inch", u"891mm",
        u"880mm", u"800mm", u"625mm", u"900mm", u"450mm", u"880mm", u"800mm", u"660mm", u"440mm",
        u"width 430 mm length 620 mm", u"width 880 mm length 1210 mm", u"width 860 mm length 1210 mm",
        u"width 620 mm length 880 mm", u"width 460 mm length 620 mm", u"width 440 mm length 620 mm",
        u"width 310 mm length 440 mm", u"width 230 mm length 310 mm", u"width 350 mm length 500 mm", u"640mm",
        u"320mm", u"width 320 mm length 450 mm", u"width 450 mm length 625 mm", u"860mm", u"610mm", u"430mm",
        u"305mm"};
    static_assert(std::size(texts) == 52);
    for (DWORD code = 0; code < std::size(texts); ++code) {
        const Lines lines = OptionLinesOf([=](OemDevmode& r) {
            r.ScalingMode = 2;
            r.ZoomMediaSize = code;
        });
        EXPECT_EQ(lines, (Lines{kColor, u"Zoom to " + std::u16string(texts[code]) + u"\n"})) << code;
    }
    // Codes beyond the table have no ticket word: no Zoom line at all.
    for (DWORD code : {52u, 100u, 0xFFFFFFFFu}) {
        EXPECT_EQ(OptionLinesOf([=](OemDevmode& r) {
                      r.ScalingMode = 2;
                      r.ZoomMediaSize = code;
                  }),
                  Lines{kColor})
            << code;
    }
}

TEST(TicketOptions, AlignmentAndShift) {
    auto place = [](DWORD alignment, DWORD shiftOn, std::int32_t horizontal = -12, std::int32_t vertical = 30) {
        return [=](OemDevmode& r) {
            r.Alignment = alignment;
            r.ShiftOn = shiftOn;
            r.ShiftHorizontal = horizontal;
            r.ShiftVertical = vertical;
        };
    };
    ExpectOptionLines({
        {"printer default", place(0, 0), {kColor}},
        {"upper left", place(1, 0), {kColor, u"AdjustShift upperleft\n"}},
        {"centre up", place(2, 0), {kColor, u"AdjustShift top\n"}},
        {"upper right", place(3, 0), {kColor, u"AdjustShift upperright\n"}},
        {"centre left", place(4, 0), {kColor, u"AdjustShift left\n"}},
        {"centre", place(5, 0), {kColor, u"AdjustShift center\n"}},
        {"centre right", place(6, 0), {kColor, u"AdjustShift right\n"}},
        {"lower left", place(7, 0), {kColor, u"AdjustShift lowerleft\n"}},
        {"centre low", place(8, 0), {kColor, u"AdjustShift bottom\n"}},
        {"lower right", place(9, 0), {kColor, u"AdjustShift lowerright\n"}},
        {"10", place(10, 0), {kColor}},
        {"shift after alignment", place(5, 1), {kColor, u"AdjustShift center\n", u"AdjustShift -12 30 mm\n"}},
        {"shift without alignment", place(0, 1), {kColor, u"AdjustShift -12 30 mm\n"}},
        {"shift with unknown alignment", place(10, 1), {kColor, u"AdjustShift -12 30 mm\n"}},
        {"shift 2 is not set", place(0, 2), {kColor}},
        {"extreme shifts", place(0, 1, -1524, 1524), {kColor, u"AdjustShift -1524 1524 mm\n"}},
        {"shift beyond five characters", place(0, 1, -100000, 123456),
         {kColor, u"AdjustShift -100000 123456 mm\n"}},
    });
}

TEST(TicketOptions, EveryOptionInItsFixedOrder) {
    ExpectOptionLines({{"everything",
                        [](OemDevmode& r) {
                            Strips(1, 1, 0, 1)(r);
                            r.CutMethod = 3;
                            r.CutLength = 420;
                            SetText(r.MediaTypeIds[0], u"GLOSS");
                            r.DefaultMediaType = 1;
                            SetText(r.FoldTemplateNames[0], u"DIN");
                            r.DefaultFoldTemplate = 1;
                            r.FolderOutput = 1;
                            r.Rotation = 6;
                            r.ScalingMode = 1;
                            r.ZoomX = 50;
                            r.ZoomY = 25;
                            r.Alignment = 9;
                            r.ShiftOn = 1;
                            r.ShiftHorizontal = 3;
                            r.ShiftVertical = -4;
                        },
                        {u"RemoveStrip leading 0 trailing 10 mm\n", u"AddStrip leading 25 mm trailing 0\n",
                         u"CutMethod 420 mm\n", u"MediaType \"GLOSS\"\n", u"Fold name \"DIN\"\n", kColor,
                         u"Zoom 50 25\n", u"AdjustRotate productive\n", u"AdjustShift lowerright\n",
                         u"AdjustShift 3 -4 mm\n"}}});
}

}  // namespace
