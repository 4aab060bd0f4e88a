// Media sizes of the "To Media Size" item: the catalogue of codes and labels, the nine lists the
// model builds offer, and the two conversions between a list position and the code the record
// stores in ZoomMediaSize. Everything here is constant data and constexpr lookups, so the
// plug-in, the host and the tests share one copy without linking anything.
#pragma once

#include <cstddef>

#include "platform/win.h"

struct MediaSizeLabel {
    DWORD code;
    const WCHAR* label;
};

// Codes 0 to 43 and the labels every list shows for them, except where a list has its own
// label (list 1 for codes 27 and 28, below). The render plug-in knows codes up to 51. Codes 44
// to 51 ("SRA1 640 x 900 mm" to "RA3 305x430 mm") also belong to kvui01's sizes but are never
// offered, so they convert like any code outside the list and have no row here.
inline constexpr MediaSizeLabel kMediaSizeCatalogue[] = {
    {0, WIDE("A0 841 x 1189 mm")},
    {1, WIDE("A1 594 x 841 mm")},
    {2, WIDE("A2 420 x 594 mm")},
    {3, WIDE("A3 297 x 420 mm")},
    {4, WIDE("A4 210 x 297 mm")},
    {5, WIDE("E 34 x 44 inch")},
    {6, WIDE("D 22 x 34 inch")},
    {7, WIDE("C 17 x 22 inch")},
    {8, WIDE("B 11 x 17 inch")},
    {9, WIDE("A 8.5 x 11 inch")},
    {10, WIDE("E+ 36 x 48 inch")},
    {11, WIDE("D+ 24 x 36 inch")},
    {12, WIDE("C+ 18 x 24 inch")},
    {13, WIDE("B+ 12 x 18 inch")},
    {14, WIDE("A+ 9 x 12 inch")},
    {15, WIDE("B0 1000 x 1414 mm")},
    {16, WIDE("B1 707 x 1000 mm")},
    {17, WIDE("B2 500 x 707 mm")},
    {18, WIDE("B3 353 x 500 mm")},
    {19, WIDE("B1 700 x 1000 mm")},
    {20, WIDE("B2 500 x 700 mm")},
    {21, WIDE("42\" 42 x 60 inch")},
    {22, WIDE("30\" 30 x 42 inch")},
    {23, WIDE("21\" 21 x 30 inch")},
    {24, WIDE("15\" 15 x 21 inch")},
    {25, WIDE("891x1260 mm")},
    {26, WIDE("A0+ 880 x 1230 mm")},
    {27, WIDE("800x1189 mm")},
    {28, WIDE("A1+ 625 x 900 mm")},
    {29, WIDE("SRA0 900 x 1280 mm")},
    {30, WIDE("SRA2 450 x 640 mm")},
    {31, WIDE("880mm 880x1230 mm")},
    {32, WIDE("800mm 800x1189 mm")},
    {33, WIDE("660mm 660x841mm")},
    {34, WIDE("440mm 440x594mm")},
    {35, WIDE("430mm 430x620mm")},
    {36, WIDE("880mm 880x1210mm")},
    {37, WIDE("860mm 860x1210mm")},
    {38, WIDE("620mm 620x880mm")},
    {39, WIDE("460mm 460x620mm")},
    {40, WIDE("440mm 440x620mm")},
    {41, WIDE("310mm 310x440mm")},
    {42, WIDE("230mm 230x310mm")},
    {43, WIDE("350mm 350x500mm")},
};

inline constexpr DWORD kMediaSizeCodeCount = sizeof kMediaSizeCatalogue / sizeof kMediaSizeCatalogue[0];

// List 1 shows its own labels for two codes.
inline constexpr MediaSizeLabel kMediaSizeList1Labels[] = {
    {27, WIDE("800mm 800x1189 mm")},
    {28, WIDE("625mm 625x880mm")},
};

inline constexpr DWORD kMediaSizeListCount = 9;
inline constexpr DWORD kMediaSizeHeadLength = 17;
inline constexpr DWORD kMediaSizeMaxTail = 20;
inline constexpr DWORD kMediaSizeMaxEntries = kMediaSizeHeadLength + kMediaSizeMaxTail;

// Every list begins with the common head: codes 0 to 14 at positions 0 to 14, then 16 and 17.
// Code 15 (B0) is not part of it.
inline constexpr DWORD kMediaSizeHead[kMediaSizeHeadLength] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17};

// Each list's own entries from position 17 on. Code 0 never appears in a tail, so the unused
// rest of a row is zero.
struct MediaSizeTail {
    DWORD list;
    DWORD entries;  // head and tail together
    DWORD codes[kMediaSizeMaxTail];
};

inline constexpr MediaSizeTail kMediaSizeTails[kMediaSizeListCount] = {
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

// One list as offered: its codes in position order.
struct MediaSizeTable {
    DWORD list;
    DWORD count;
    DWORD codes[kMediaSizeMaxEntries];
};

constexpr MediaSizeTable JoinMediaSizeList(const MediaSizeTail& tail) {
    MediaSizeTable table{tail.list, 0, {}};
    for (DWORD code : kMediaSizeHead) table.codes[table.count++] = code;
    for (DWORD code : tail.codes) {
        if (code == 0) break;
        table.codes[table.count++] = code;
    }
    return table;
}

constexpr bool MediaSizeListIsWellFormed(const MediaSizeTable& table, DWORD entries) {
    if (table.count != entries) return false;
    for (DWORD i = 0; i < table.count; ++i) {
        if (table.codes[i] >= kMediaSizeCodeCount) return false;
        for (DWORD j = i + 1; j < table.count; ++j)
            if (table.codes[i] == table.codes[j]) return false;
    }
    return true;
}

inline constexpr MediaSizeTable kMediaSizeLists[kMediaSizeListCount] = {
    JoinMediaSizeList(kMediaSizeTails[0]), JoinMediaSizeList(kMediaSizeTails[1]),
    JoinMediaSizeList(kMediaSizeTails[2]), JoinMediaSizeList(kMediaSizeTails[3]),
    JoinMediaSizeList(kMediaSizeTails[4]), JoinMediaSizeList(kMediaSizeTails[5]),
    JoinMediaSizeList(kMediaSizeTails[6]), JoinMediaSizeList(kMediaSizeTails[7]),
    JoinMediaSizeList(kMediaSizeTails[8]),
};

constexpr bool MediaSizeListsAreWellFormed() {
    for (DWORD i = 0; i < kMediaSizeListCount; ++i) {
        if (kMediaSizeTails[i].list != i + 1) return false;
        if (!MediaSizeListIsWellFormed(kMediaSizeLists[i], kMediaSizeTails[i].entries)) return false;
    }
    for (DWORD code = 0; code < kMediaSizeCodeCount; ++code)
        if (kMediaSizeCatalogue[code].code != code) return false;
    return true;
}
static_assert(MediaSizeListsAreWellFormed(), "a media size list has the wrong length, a repeated or unknown code");

// The list with the given number (1 to 9); the number comes from the build's profile.
constexpr const MediaSizeTable& MediaSizeListNumber(DWORD list) { return kMediaSizeLists[list - 1]; }

// The code of the entry at `position`; 0 for anything that is not a position of the list.
constexpr DWORD MediaSizeCodeAt(const MediaSizeTable& list, DWORD position) {
    return position < list.count ? list.codes[position] : 0;
}

// The position of the entry holding `code`; 0 for a code the list does not hold, so that a
// code stored by another build selects the first entry and the selection stays in the list.
constexpr DWORD MediaSizePositionOf(const MediaSizeTable& list, DWORD code) {
    for (DWORD position = 0; position < list.count; ++position)
        if (list.codes[position] == code) return position;
    return 0;
}

// The label the list shows for `code`; null for a code outside the catalogue.
constexpr const WCHAR* MediaSizeLabelOf(const MediaSizeTable& list, DWORD code) {
    if (list.list == 1)
        for (const MediaSizeLabel& own : kMediaSizeList1Labels)
            if (own.code == code) return own.label;
    return code < kMediaSizeCodeCount ? kMediaSizeCatalogue[code].label : nullptr;
}

// The label of the entry at `position`; null for anything that is not a position of the list.
constexpr const WCHAR* MediaSizeLabelAt(const MediaSizeTable& list, DWORD position) {
    return position < list.count ? MediaSizeLabelOf(list, list.codes[position]) : nullptr;
}
