// The option encoders of the job ticket. Each looks at its own record fields and writes zero,
// one or two lines; value 0 ("Printer Default") of an option writes nothing. Numbers are
// formatted in a buffer that holds any 32-bit value, so a value beyond the settings plug-in's
// ranges (a 200000 mm cut length, a zoom of 10000 percent) still goes out in full.
#include "ps3_motor/ticket_options.h"

#include <cstring>
#include <iterator>

namespace {

// A flag field counts as set only when it holds exactly 1.
bool IsSet(DWORD flag) { return flag == 1; }

struct NumberText {
    WCHAR units[kNumberTextUnits] = {};
    explicit NumberText(std::int32_t value) { WideFromInt(units, kNumberTextUnits, value); }
};

// Ticket words for the media size codes of "Zoom to", indexed by code.
constexpr const WCHAR* kZoomToTexts[] = {
    WIDE("A0"),                          // 0
    WIDE("A1"),                          // 1
    WIDE("A2"),                          // 2
    WIDE("A3"),                          // 3
    WIDE("A4"),                          // 4
    WIDE("E"),                           // 5
    WIDE("D"),                           // 6
    WIDE("C"),                           // 7
    WIDE("B"),                           // 8
    WIDE("A"),                           // 9
    WIDE("E+"),                          // 10
    WIDE("D+"),                          // 11
    WIDE("C+"),                          // 12
    WIDE("B+"),                          // 13
    WIDE("A+"),                          // 14
    WIDE("B0"),                          // 15
    WIDE("B1"),                          // 16
    WIDE("B2"),                          // 17
    WIDE("B3"),                          // 18
    WIDE("700mm"),                       // 19
    WIDE("500mm"),                       // 20
    WIDE("42inch"),                      // 21
    WIDE("30inch"),                      // 22
    WIDE("21inch"),                      // 23
    WIDE("15inch"),                      // 24
    WIDE("891mm"),                       // 25
    WIDE("880mm"),                       // 26
    WIDE("800mm"),                       // 27
    WIDE("625mm"),                       // 28
    WIDE("900mm"),                       // 29
    WIDE("450mm"),                       // 30
    WIDE("880mm"),                       // 31
    WIDE("800mm"),                       // 32
    WIDE("660mm"),                       // 33
    WIDE("440mm"),                       // 34
    WIDE("width 430 mm length 620 mm"),  // 35
    WIDE("width 880 mm length 1210 mm"), // 36
    WIDE("width 860 mm length 1210 mm"), // 37
    WIDE("width 620 mm length 880 mm"),  // 38
    WIDE("width 460 mm length 620 mm"),  // 39
    WIDE("width 440 mm length 620 mm"),  // 40
    WIDE("width 310 mm length 440 mm"),  // 41
    WIDE("width 230 mm length 310 mm"),  // 42
    WIDE("width 350 mm length 500 mm"),  // 43
    WIDE("640mm"),                       // 44
    WIDE("320mm"),                       // 45
    WIDE("width 320 mm length 450 mm"),  // 46
    WIDE("width 450 mm length 625 mm"),  // 47
    WIDE("860mm"),                       // 48
    WIDE("610mm"),                       // 49
    WIDE("430mm"),                       // 50
    WIDE("305mm"),                       // 51
};
static_assert(std::size(kZoomToTexts) == 52);

// Rotate angles for Rotation 1 to 4.
constexpr const WCHAR* kRotateTexts[] = {WIDE("0"), WIDE("90"), WIDE("180"), WIDE("270")};

// AdjustShift keywords for Alignment 1 to 9.
constexpr const WCHAR* kAlignmentKeywords[] = {
    WIDE("upperleft"), WIDE("top"),    WIDE("upperright"),
    WIDE("left"),      WIDE("center"), WIDE("right"),
    WIDE("lowerleft"), WIDE("bottom"), WIDE("lowerright"),
};

constexpr const WCHAR kAddStripBoth[] = WIDE("AddStrip leading %s mm trailing %s mm\n");
constexpr const WCHAR kRemoveStripBoth[] = WIDE("RemoveStrip leading %s mm trailing %s mm\n");
constexpr const WCHAR kAddStripLeading[] = WIDE("AddStrip leading %s mm trailing 0\n");
constexpr const WCHAR kRemoveStripLeading[] = WIDE("RemoveStrip leading %s mm trailing 0\n");
constexpr const WCHAR kAddStripTrailing[] = WIDE("AddStrip leading 0 trailing %s mm\n");
constexpr const WCHAR kRemoveStripTrailing[] = WIDE("RemoveStrip leading 0 trailing %s mm\n");

void WriteStripLines(const TicketOutput& output, const OemDevmode& record) {
    const bool leadingOn = IsSet(record.LeadingStripOn);
    const bool trailingOn = IsSet(record.TrailingStripOn);
    const NumberText leading(record.LeadingStripLength);
    const NumberText trailing(record.TrailingStripLength);
    const std::int32_t leadingMode = record.LeadingStripMode;
    const std::int32_t trailingMode = record.TrailingStripMode;

    if (leadingOn && trailingOn) {
        // When one strip is added and the other removed, the RemoveStrip line comes first.
        if (leadingMode == 0 && trailingMode == 0) {
            output.WriteLine(kAddStripBoth, {leading.units, trailing.units});
        } else if (leadingMode == 0 && trailingMode == 1) {
            output.WriteLine(kRemoveStripTrailing, {trailing.units});
            output.WriteLine(kAddStripLeading, {leading.units});
        } else if (leadingMode == 1 && trailingMode == 0) {
            output.WriteLine(kRemoveStripLeading, {leading.units});
            output.WriteLine(kAddStripTrailing, {trailing.units});
        } else if (leadingMode == 1 && trailingMode == 1) {
            output.WriteLine(kRemoveStripBoth, {leading.units, trailing.units});
        }
    } else if (leadingOn) {
        output.WriteLine(leadingMode == 0 ? kAddStripLeading : kRemoveStripLeading, {leading.units});
    } else if (trailingOn) {
        output.WriteLine(trailingMode == 0 ? kAddStripTrailing : kRemoveStripTrailing, {trailing.units});
    }
}

void WriteCutMethodLine(const TicketOutput& output, const OemDevmode& record) {
    switch (record.CutMethod) {
    case 1:
        output.WriteLine(WIDE("%s %s\n"), {WIDE("CutMethod"), WIDE("standard")});
        break;
    case 2:
        output.WriteLine(WIDE("%s %s\n"), {WIDE("CutMethod"), WIDE("synchro")});
        break;
    case 3:
        output.WriteLine(WIDE("%s %s mm\n"), {WIDE("CutMethod"), NumberText(record.CutLength).units});
        break;
    default:
        break;
    }
}

// A "keyword \"slot text\"" line for list selection k (1-based) when the slot holds text. The
// slot is copied so that an unterminated slot is read as at most 255 units.
template <std::size_t Slots>
void WriteSlotLine(const TicketOutput& output, const WCHAR* keyword, DWORD selection,
                   const WCHAR (&slots)[Slots][kSlotUnits]) {
    if (selection < 1 || selection > Slots) return;
    WCHAR text[kSlotUnits] = {};
    WideCopy(text, kSlotUnits, slots[selection - 1], kSlotUnits - 1);
    if (text[0] == 0) return;
    output.WriteLine(WIDE("%s \"%s\"\n"), {keyword, text});
}

constexpr std::size_t kColorAnswerBytes = 100;
constexpr char kColorFeature[] = "VRColorMode";
constexpr char kColorAnswer[] = "CMYK";

void WriteColorModeLine(const TicketOutput& output) {
    char answer[kColorAnswerBytes] = {};
    DWORD needed = 0;
    DWORD optionsReturned = 0;
    const HRESULT result = output.driver()->DrvGetDriverSetting(output.devobj(), kColorFeature, answer,
                                                                kColorAnswerBytes, &needed, &optionsReturned);
    // Whatever a failing driver left in the buffer is not an answer.
    const bool color = SUCCEEDED(result) && std::memcmp(answer, kColorAnswer, sizeof kColorAnswer) == 0;
    output.WriteLine(color ? WIDE("ColorMode color\n") : WIDE("ColorMode monochrome\n"), {});
}

void WriteRotationLine(const TicketOutput& output, const OemDevmode& record) {
    if (record.Rotation >= 1 && record.Rotation <= std::size(kRotateTexts)) {
        output.WriteLine(WIDE("Rotate %s\n"), {kRotateTexts[record.Rotation - 1]});
    }
}

void WriteScalingLine(const TicketOutput& output, const OemDevmode& record) {
    if (record.ScalingMode == 2) {
        // Codes outside the table have no ticket word; the line is left out.
        if (record.ZoomMediaSize < std::size(kZoomToTexts)) {
            output.WriteLine(WIDE("Zoom to %s\n"), {kZoomToTexts[record.ZoomMediaSize]});
        }
    } else if (record.ScalingMode == 1) {
        const NumberText zoomX(record.ZoomX);
        if (IsSet(record.KeepAspectRatio)) {
            output.WriteLine(WIDE("Zoom %s\n"), {zoomX.units});
        } else {
            output.WriteLine(WIDE("Zoom %s %s\n"), {zoomX.units, NumberText(record.ZoomY).units});
        }
    }
}

void WriteRotationAdjustmentLine(const TicketOutput& output, const OemDevmode& record) {
    if (record.Rotation == 5) {
        output.WriteLine(WIDE("AdjustRotate %s\n"), {WIDE("mediasaving")});
    } else if (record.Rotation == 6) {
        output.WriteLine(WIDE("AdjustRotate %s\n"), {WIDE("productive")});
    }
}

void WriteAlignmentLine(const TicketOutput& output, const OemDevmode& record) {
    if (record.Alignment >= 1 && record.Alignment <= std::size(kAlignmentKeywords)) {
        output.WriteLine(WIDE("AdjustShift %s\n"), {kAlignmentKeywords[record.Alignment - 1]});
    }
}

void WriteShiftLine(const TicketOutput& output, const OemDevmode& record) {
    if (!IsSet(record.ShiftOn)) return;
    output.WriteLine(WIDE("AdjustShift %s %s mm\n"),
                     {NumberText(record.ShiftHorizontal).units, NumberText(record.ShiftVertical).units});
}

}  // namespace

void WriteOptionLines(const TicketOutput& output, const OemDevmode& record) {
    WriteStripLines(output, record);
    WriteCutMethodLine(output, record);
    WriteSlotLine(output, WIDE("MediaType"), record.DefaultMediaType, record.MediaTypeIds);
    if (IsSet(record.FolderOutput)) {
        WriteSlotLine(output, WIDE("Fold name"), record.DefaultFoldTemplate, record.FoldTemplateNames);
    }
    WriteColorModeLine(output);
    WriteRotationLine(output, record);
    WriteScalingLine(output, record);
    WriteRotationAdjustmentLine(output, record);
    WriteAlignmentLine(output, record);
    WriteShiftLine(output, record);
}
