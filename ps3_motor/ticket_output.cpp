// The ticket's line writer and raw writes. WCHAR units go out as they lie in memory, which is
// UTF-16 little-endian on every target we build for.
#include "ps3_motor/ticket_output.h"

#include <bit>

static_assert(std::endian::native == std::endian::little, "ticket text is written as it lies in memory");

bool IsUsableRecord(const OemDevmode* record) {
    return record != nullptr && record->Size >= kOemDevmodeSize && record->Signature == kOemDevmodeSignature;
}

void TicketOutput::WriteBytes(const void* bytes, DWORD count) const {
    DWORD written = 0;
    // The interface takes a non-const pointer; the driver only reads from it.
    driver_->DrvWriteSpoolBuf(devobj_, const_cast<void*>(bytes), count, &written);
}

void TicketOutput::WriteLine(const WCHAR* format, std::initializer_list<FormatArg> args) const {
    WCHAR line[kTicketLineUnits] = {};
    std::size_t length = 0;
    if (!WideFormat(line, kTicketLineUnits, &length, format, args)) return;
    WriteBytes(line, static_cast<DWORD>(length * sizeof(WCHAR)));
}
