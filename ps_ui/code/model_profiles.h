// The model build profiles: everything that differs between the twenty settings builds kvui01
// to kvui20, as one constant table. Each build picks its row when it is compiled
// (model_build.cpp); the host reads the whole table to describe the builds.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/win.h"

// How item 2 shows and edits SendToInbox.
enum class InboxItemKind {
    Inbox,          // "Send to inbox", checked when SendToInbox is 1
    DirectPrint,    // "Direct Print", checked when SendToInbox is 0
    InboxWithheld,  // "Send to inbox", never usable
};

// Whether item 1 "Accounting" can be used.
enum class AccountingItemKind {
    Offered,
    Withheld,
    OfferedUntilFocus,  // usable when the sheet opens, disabled from its first focus on
};

struct ModelProfile {
    InboxItemKind InboxItem;
    AccountingItemKind AccountingItem;
    bool MediaTypeItemOffered;     // item 13
    bool FoldTemplateItemOffered;  // item 14
    // The selection of the driver's "Output Bin" item that means the folder; none: the build
    // never changes FolderOutput.
    std::optional<LONG> FolderBinChoice;
    bool ForceDriverColour;  // hide the driver's colour item and select its second choice
    DWORD RotationChoices;   // 7, or 6 without "Productive"
    DWORD MediaSizeList;     // 1 to 9, see media_sizes.h
    DWORD DefaultRotation;
    DWORD DefaultAlignment;
    DWORD DefaultScalingMode;
    std::int32_t DefaultCutLength;  // mm
    std::int32_t CopiesMax;         // the lower bound is 1 in every build
    std::int32_t CutLengthMin;      // mm, both bounds accepted
    std::int32_t CutLengthMax;
    std::int32_t ZoomXMin;  // percent
    std::int32_t ZoomYMin;
    std::int32_t ZoomMax;
    std::int32_t ShiftVerticalLimit;  // mm, the dialog accepts -limit to +limit
    std::int32_t ShiftHorizontalLimit;

    bool operator==(const ModelProfile&) const = default;
};

inline constexpr DWORD kModelBuildCount = 20;

namespace model_profile_rows {
using enum InboxItemKind;
using enum AccountingItemKind;
inline constexpr auto None = std::nullopt;

// Columns: InboxItem, AccountingItem, MediaTypeItemOffered, FoldTemplateItemOffered,
// FolderBinChoice, ForceDriverColour, RotationChoices, MediaSizeList | DefaultRotation,
// DefaultAlignment, DefaultScalingMode, DefaultCutLength, CopiesMax, CutLengthMin,
// CutLengthMax, ZoomXMin, ZoomYMin, ZoomMax, ShiftVerticalLimit, ShiftHorizontalLimit.
inline constexpr ModelProfile kRows[kModelBuildCount] = {
    /* kvui01 */ {Inbox, Offered, true, true, 2, false, 7, 1, /**/ 1, 5, 1, 279, 999, 420, 30480, 55, 5, 1000, 1524, 1067},
    /* kvui02 */ {Inbox, Offered, true, true, 2, false, 7, 1, /**/ 1, 5, 1, 279, 999, 420, 30480, 55, 5, 1000, 1524, 1067},
    /* kvui03 */ {DirectPrint, Withheld, true, true, 1, true, 6, 2, /**/ 0, 0, 0, 279, 9999, 420, 30480, 55, 5, 1000, 1524, 1067},
    /* kvui04 */ {DirectPrint, OfferedUntilFocus, false, true, 2, false, 7, 3, /**/ 1, 5, 1, 420, 9999, 420, 15000, 5, 5, 1000, 1219, 914},
    /* kvui05 */ {DirectPrint, Offered, false, false, None, false, 6, 5, /**/ 0, 5, 1, 210, 999, 210, 15000, 25, 25, 400, 1219, 914},
    /* kvui06 */ {DirectPrint, OfferedUntilFocus, false, false, None, false, 7, 4, /**/ 1, 5, 1, 420, 999, 420, 15000, 5, 5, 1000, 1219, 914},
    /* kvui07 */ {DirectPrint, Offered, false, false, None, false, 7, 6, /**/ 1, 5, 1, 420, 999, 420, 15000, 25, 25, 400, 1219, 914},
    /* kvui08 */ {DirectPrint, Withheld, false, false, None, true, 6, 2, /**/ 0, 0, 0, 210, 999, 210, 15000, 5, 5, 1000, 1524, 1067},
    /* kvui09 */ {DirectPrint, OfferedUntilFocus, false, false, None, false, 7, 6, /**/ 1, 5, 1, 420, 999, 420, 15000, 5, 5, 1000, 1219, 914},
    /* kvui10 */ {DirectPrint, OfferedUntilFocus, false, false, None, false, 7, 7, /**/ 1, 5, 1, 420, 9999, 420, 15000, 5, 5, 1000, 1219, 914},
    /* kvui11 */ {InboxWithheld, Offered, false, false, None, true, 6, 8, /**/ 1, 5, 1, 210, 999, 210, 15000, 25, 25, 400, 1219, 914},
    /* kvui12 */ {DirectPrint, Withheld, false, false, None, true, 6, 2, /**/ 0, 0, 0, 279, 9999, 420, 30480, 55, 5, 1000, 1524, 1067},
    /* kvui13 */ {Inbox, Offered, false, false, None, true, 6, 8, /**/ 1, 5, 1, 210, 999, 210, 15000, 25, 25, 400, 1219, 914},
    /* kvui14 */ {DirectPrint, Offered, false, false, None, false, 7, 9, /**/ 1, 5, 1, 210, 999, 210, 200000, 25, 25, 400, 1219, 914},
    /* kvui15 */ {DirectPrint, Withheld, false, false, None, true, 6, 2, /**/ 0, 0, 0, 279, 9999, 279, 30480, 55, 5, 1000, 1524, 1067},
    /* kvui16 */ {Inbox, Offered, false, false, None, false, 7, 8, /**/ 1, 5, 1, 279, 999, 279, 15000, 25, 25, 400, 1219, 914},
    /* kvui17 */ {Inbox, Offered, false, false, None, false, 7, 8, /**/ 1, 5, 1, 420, 999, 420, 15000, 25, 25, 400, 1219, 914},
    /* kvui18 */ {InboxWithheld, Withheld, false, false, None, false, 7, 8, /**/ 1, 5, 1, 420, 99, 420, 15000, 25, 25, 400, 1219, 914},
    /* kvui19 */ {Inbox, Offered, false, false, None, false, 7, 8, /**/ 1, 5, 1, 210, 999, 210, 15000, 25, 25, 400, 1219, 914},
    /* kvui20 */ {Inbox, Offered, false, false, None, false, 7, 8, /**/ 1, 5, 1, 210, 999, 210, 175000, 25, 25, 400, 1219, 914},
};
}  // namespace model_profile_rows

// Row n - 1 is the profile of build kvui<n>.
inline constexpr const ModelProfile (&kModelProfiles)[kModelBuildCount] = model_profile_rows::kRows;
