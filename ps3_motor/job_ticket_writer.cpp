// The job ticket writer: the begin sequence at the start of the stream (begin marker,
// byte-order mark, ticket, data marker) and the end marker at the end of the file. Working data
// lives on the calling thread's stack; only the job's own record is touched.
#include "ps3_motor/job_ticket_writer.h"

#include "common/oem_devmode.h"
#include "ps3_motor/job_owner.h"
#include "ps3_motor/ticket_options.h"
#include "ps3_motor/ticket_output.h"

namespace {

// Fixed pieces, written from constant data with exact byte counts (no terminating zero).
constexpr char kBeginMarker[] = "*VorJobBegin\r\n";
constexpr unsigned char kByteOrderMark[] = {0xFF, 0xFE};
constexpr WCHAR kTicketOpening[] = WIDE("BeginTicket 2.1\n");
constexpr WCHAR kTicketClosing[] = WIDE("IncludeBlock 1\nEndOutput\nEndTicket\n");
constexpr char kDataMarker[] = "*VORJobData\r\n";
constexpr char kEndMarker[] = "*VORJobEnd\r\n";

template <typename Unit, std::size_t Count>
constexpr DWORD BytesWithoutZero(const Unit (&)[Count]) {
    return static_cast<DWORD>((Count - 1) * sizeof(Unit));
}

static_assert(BytesWithoutZero(kBeginMarker) == 14);
static_assert(sizeof kByteOrderMark == 2);
static_assert(BytesWithoutZero(kTicketOpening) == 32);
static_assert(BytesWithoutZero(kTicketClosing) == 70);
static_assert(BytesWithoutZero(kDataMarker) == 13);
static_assert(BytesWithoutZero(kEndMarker) == 12);

constexpr WCHAR kCreationLine[] = WIDE("%s \"Vor PS driver for Windows 1.35\"\n");
constexpr WCHAR kSegmentBlock[] =
    WIDE("BeginBlock 1\nType segment\nSegment 1\nEmulation PostScript\nEndBlock\nBeginOutput");

constexpr std::int32_t kFewestCopies = 2;
constexpr std::int32_t kMostCopies = 999;

void WriteBeginSequence(const TicketOutput& output, OemDevmode& record) {
    output.WriteBytes(kBeginMarker, BytesWithoutZero(kBeginMarker));
    output.WriteBytes(kByteOrderMark, sizeof kByteOrderMark);
    output.WriteBytes(kTicketOpening, BytesWithoutZero(kTicketOpening));

    record.JobName[kSlotUnits - 1] = 0;
    if (record.JobName[0] != 0) {
        output.WriteLine(WIDE("%s \"%s\"\n"), {WIDE("Jobname"), record.JobName});
    }
    output.WriteLine(kCreationLine, {WIDE("CreationAppl")});
    WriteUsernameLine(output);
    WriteAccountingLines(output, record);
    // Only exactly 1 sends the job to the inbox, as for every flag of the record.
    output.WriteLine(WIDE("%s %s\n"),
                     {WIDE("Jobtype"), record.SendToInbox == 1 ? WIDE("interactive") : WIDE("automatic")});
    output.WriteLine(WIDE("%s\n"), {kSegmentBlock});
    if (record.Copies >= kFewestCopies && record.Copies <= kMostCopies) {
        output.WriteLine(WIDE("%s %d\n"), {WIDE("Copies"), record.Copies});
    }
    WriteOptionLines(output, record);

    output.WriteBytes(kTicketClosing, BytesWithoutZero(kTicketClosing));
    output.WriteBytes(kDataMarker, BytesWithoutZero(kDataMarker));
}

}  // namespace

bool JobTicketWriter(DEVOBJ* devobj, DWORD injectionPoint, IPrintOemDriverPS* driver) {
    if (devobj == nullptr || driver == nullptr) return false;
    auto* record = static_cast<OemDevmode*>(devobj->pOEMDM);
    // Checked before the injection point, so a job without a ticket gets no markers either.
    if (!IsUsableRecord(record) || record->JobTicketOn != 1) return false;

    const TicketOutput output(devobj, driver);
    if (injectionPoint == PSINJECT_BEGINSTREAM) {
        WriteBeginSequence(output, *record);
    } else if (injectionPoint == PSINJECT_EOF) {
        output.WriteBytes(kEndMarker, BytesWithoutZero(kEndMarker));
    }
    return true;
}
