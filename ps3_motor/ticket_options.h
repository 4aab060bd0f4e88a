// The output options of the record as ticket lines: strips, cut method, media type, fold
// template, colour mode, rotation, scaling, rotation adjustment, alignment and shift.
#pragma once

#include "common/oem_devmode.h"
#include "ps3_motor/ticket_output.h"

// Writes the option lines in their fixed order. Only the colour mode asks the driver
// (DrvGetDriverSetting "VRColorMode"); every other line depends on the record alone.
void WriteOptionLines(const TicketOutput& output, const OemDevmode& record);
