// The default values a plug-in writes into a new record. Each plug-in has its own: the settings
// builds take theirs from the model profile, the render plug-in has a fixed table.
#pragma once

#include <cstdint>

#include "common/oem_devmode.h"

struct RecordDefaults {
    DWORD JobTicketOn;
    DWORD AccountingOn;
    DWORD SendToInbox;
    DWORD CutMethod;
    DWORD Rotation;
    DWORD Alignment;
    DWORD ShiftOn;
    std::int32_t CutLength;
    DWORD LeadingStripOn;
    DWORD TrailingStripOn;
    DWORD ScalingMode;
    DWORD ZoomMediaSize;
    std::int32_t ZoomX;
    std::int32_t ZoomY;
    std::int32_t Copies;
    DWORD DefaultMediaType;
    DWORD DefaultFoldTemplate;
};

// Writes the header and every field: the defaults above, zero for the rest (texts, shifts,
// strip modes and lengths, KeepAspectRatio, FolderOutput).
void WriteRecordDefaults(OemDevmode& record, const RecordDefaults& defaults);
