// The render plug-in's own record defaults, independent of the settings builds.
#pragma once

#include "common/record_defaults.h"

inline constexpr RecordDefaults kRenderDefaults = {
    .JobTicketOn = 1,
    .AccountingOn = 0,
    .SendToInbox = 0,
    .CutMethod = 2,  // synchro
    .Rotation = 0,
    .Alignment = 5,  // centre
    .ShiftOn = 0,
    .CutLength = 240,
    .LeadingStripOn = 0,
    .TrailingStripOn = 0,
    .ScalingMode = 2,  // to a media size
    .ZoomMediaSize = 0,  // A0
    .ZoomX = 100,
    .ZoomY = 100,
    .Copies = 0,
    .DefaultMediaType = 0,
    .DefaultFoldTemplate = 0,
};
