// The private settings record that both plug-ins keep inside the driver's DEVMODE. It is a
// stored format: every offset and the total size are fixed and checked below.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win.h"

constexpr DWORD kOemDevmodeSize = 13464;
constexpr DWORD kOemDevmodeSignature = 0x44535256;  // "VRSD" read as a little-endian dword
constexpr DWORD kOemDevmodeVersion = 1;

constexpr std::size_t kIdentifierUnits = 10;
constexpr std::size_t kSlotUnits = 256;
constexpr std::size_t kMediaTypeSlots = 7;
constexpr std::size_t kFoldTemplateSlots = 11;

struct OemDevmode {
    DWORD Size;
    DWORD Signature;
    DWORD Version;
    DWORD JobTicketOn;
    DWORD AccountingOn;
    WCHAR UserId[kIdentifierUnits];
    WCHAR AccountId[kIdentifierUnits];
    DWORD SendToInbox;
    WCHAR JobName[kSlotUnits];
    DWORD CutMethod;
    DWORD Rotation;
    DWORD Alignment;
    DWORD ShiftOn;
    std::int32_t ShiftVertical;
    std::int32_t ShiftHorizontal;
    std::int32_t CutLength;
    DWORD LeadingStripOn;
    DWORD TrailingStripOn;
    std::int32_t LeadingStripMode;
    std::int32_t TrailingStripMode;
    std::int32_t LeadingStripLength;
    std::int32_t TrailingStripLength;
    DWORD ScalingMode;
    DWORD ZoomMediaSize;
    std::int32_t ZoomX;
    std::int32_t ZoomY;
    DWORD KeepAspectRatio;
    std::int32_t Copies;
    DWORD DefaultMediaType;
    WCHAR MediaTypeNames[kMediaTypeSlots][kSlotUnits];
    WCHAR MediaTypeIds[kMediaTypeSlots][kSlotUnits];
    DWORD DefaultFoldTemplate;
    WCHAR FoldTemplateNames[kFoldTemplateSlots][kSlotUnits];
    DWORD FolderOutput;
};

static_assert(offsetof(OemDevmode, Size) == 0);
static_assert(offsetof(OemDevmode, Signature) == 4);
static_assert(offsetof(OemDevmode, Version) == 8);
static_assert(offsetof(OemDevmode, JobTicketOn) == 12);
static_assert(offsetof(OemDevmode, AccountingOn) == 16);
static_assert(offsetof(OemDevmode, UserId) == 20);
static_assert(offsetof(OemDevmode, AccountId) == 40);
static_assert(offsetof(OemDevmode, SendToInbox) == 60);
static_assert(offsetof(OemDevmode, JobName) == 64);
static_assert(offsetof(OemDevmode, CutMethod) == 576);
static_assert(offsetof(OemDevmode, Rotation) == 580);
static_assert(offsetof(OemDevmode, Alignment) == 584);
static_assert(offsetof(OemDevmode, ShiftOn) == 588);
static_assert(offsetof(OemDevmode, ShiftVertical) == 592);
static_assert(offsetof(OemDevmode, ShiftHorizontal) == 596);
static_assert(offsetof(OemDevmode, CutLength) == 600);
static_assert(offsetof(OemDevmode, LeadingStripOn) == 604);
static_assert(offsetof(OemDevmode, TrailingStripOn) == 608);
static_assert(offsetof(OemDevmode, LeadingStripMode) == 612);
static_assert(offsetof(OemDevmode, TrailingStripMode) == 616);
static_assert(offsetof(OemDevmode, LeadingStripLength) == 620);
static_assert(offsetof(OemDevmode, TrailingStripLength) == 624);
static_assert(offsetof(OemDevmode, ScalingMode) == 628);
static_assert(offsetof(OemDevmode, ZoomMediaSize) == 632);
static_assert(offsetof(OemDevmode, ZoomX) == 636);
static_assert(offsetof(OemDevmode, ZoomY) == 640);
static_assert(offsetof(OemDevmode, KeepAspectRatio) == 644);
static_assert(offsetof(OemDevmode, Copies) == 648);
static_assert(offsetof(OemDevmode, DefaultMediaType) == 652);
static_assert(offsetof(OemDevmode, MediaTypeNames) == 656);
static_assert(offsetof(OemDevmode, MediaTypeIds) == 4240);
static_assert(offsetof(OemDevmode, DefaultFoldTemplate) == 7824);
static_assert(offsetof(OemDevmode, FoldTemplateNames) == 7828);
static_assert(offsetof(OemDevmode, FolderOutput) == 13460);
static_assert(sizeof(OemDevmode) == kOemDevmodeSize);
static_assert(alignof(OemDevmode) == 4);
