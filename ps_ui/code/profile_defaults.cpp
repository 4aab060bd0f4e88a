// Record defaults from a model profile.
#include "ps_ui/code/profile_defaults.h"

RecordDefaults RecordDefaultsFor(const ModelProfile& profile) {
    // Items 0 (job ticket) and 3 (cut method "Synchro") are the only fixed default selections
    // that are not 0; ZoomX and ZoomY start at 100 %.
    return RecordDefaults{.JobTicketOn = 1,
                          .AccountingOn = 0,
                          .SendToInbox = 0,
                          .CutMethod = 2,
                          .Rotation = profile.DefaultRotation,
                          .Alignment = profile.DefaultAlignment,
                          .ShiftOn = 0,
                          .CutLength = profile.DefaultCutLength,
                          .LeadingStripOn = 0,
                          .TrailingStripOn = 0,
                          .ScalingMode = profile.DefaultScalingMode,
                          .ZoomMediaSize = 0,
                          .ZoomX = 100,
                          .ZoomY = 100,
                          .Copies = 0,
                          .DefaultMediaType = 0,
                          .DefaultFoldTemplate = 0};
}
