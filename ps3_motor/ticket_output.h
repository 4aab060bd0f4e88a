// How the job ticket reaches the stream: fixed pieces from constant data and formatted lines,
// each in one DrvWriteSpoolBuf call of the driver's service interface.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "common/oem_devmode.h"
#include "platform/wide_text.h"

// Units of the per-line working buffer; a line may use all but the terminating zero.
constexpr std::size_t kTicketLineUnits = 260;

// Room for the decimal text of any signed 32-bit value ("-2147483648") and its zero.
constexpr std::size_t kNumberTextUnits = 12;

// The record is usable when it is present, at least as large as ours and carries our signature.
// Version is not looked at: any layout at least this long has every field where we read it.
bool IsUsableRecord(const OemDevmode* record);

class TicketOutput {
public:
    TicketOutput(DEVOBJ* devobj, IPrintOemDriverPS* driver) : devobj_(devobj), driver_(driver) {}

    DEVOBJ* devobj() const { return devobj_; }
    IPrintOemDriverPS* driver() const { return driver_; }

    // Writes `count` bytes as they stand. The driver's result is not looked at: a failed write
    // must not stop the rest of the ticket.
    void WriteBytes(const void* bytes, DWORD count) const;

    // Formats one line into a cleared buffer of kTicketLineUnits units and writes its units
    // without the terminating zero. A line that does not fit (or whose arguments do not match
    // the format) is left out whole; a printer would misread a line cut short.
    void WriteLine(const WCHAR* format, std::initializer_list<FormatArg> args) const;

private:
    DEVOBJ* devobj_;
    IPrintOemDriverPS* driver_;
};
