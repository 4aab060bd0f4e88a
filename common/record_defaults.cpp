// Writing a record's defaults.
#include "common/record_defaults.h"

#include <cstring>

void WriteRecordDefaults(OemDevmode& record, const RecordDefaults& defaults) {
    std::memset(&record, 0, sizeof record);
    record.Size = kOemDevmodeSize;
    record.Signature = kOemDevmodeSignature;
    record.Version = kOemDevmodeVersion;
    record.JobTicketOn = defaults.JobTicketOn;
    record.AccountingOn = defaults.AccountingOn;
    record.SendToInbox = defaults.SendToInbox;
    record.CutMethod = defaults.CutMethod;
    record.Rotation = defaults.Rotation;
    record.Alignment = defaults.Alignment;
    record.ShiftOn = defaults.ShiftOn;
    record.CutLength = defaults.CutLength;
    record.LeadingStripOn = defaults.LeadingStripOn;
    record.TrailingStripOn = defaults.TrailingStripOn;
    record.ScalingMode = defaults.ScalingMode;
    record.ZoomMediaSize = defaults.ZoomMediaSize;
    record.ZoomX = defaults.ZoomX;
    record.ZoomY = defaults.ZoomY;
    record.Copies = defaults.Copies;
    record.DefaultMediaType = defaults.DefaultMediaType;
    record.DefaultFoldTemplate = defaults.DefaultFoldTemplate;
}
