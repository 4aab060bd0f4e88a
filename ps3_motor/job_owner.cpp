// Choosing the job owner's name through the spooler and the account functions, and the owner
// and accounting lines of the ticket.
#include "ps3_motor/job_owner.h"

#include <algorithm>
#include <iterator>

const WCHAR* const PrincipalNameDrivers[kPrincipalNameDriverCount] = {
    WIDE("Vor Tintora M1 PS"),
    WIDE("Vor Tintora M2 PS"),
    WIDE("Vor Lineara K1 PS"),
    WIDE("Vor Lineara K2 PS"),
    WIDE("Vor Lineara K3 PS"),
    WIDE("Vor Lineara K4 PS"),
    WIDE("Vor Lineara K5 PS"),
    WIDE("Vor Lineara K6 PS"),
    WIDE("Vor Lineara K7 PS"),
    WIDE("Vor Tintora M3 PS"),
    WIDE("Vor Tintora M4 PS"),
    WIDE("Veltra Lineara K8 PS"),
    WIDE("Veltra Lineara K9 PS"),
    WIDE("Veltra Lineara K10 PS"),
    WIDE("Veltra Lineara K11 PS"),
    WIDE("Veltra Lineara K12 PS"),
    WIDE("Veltra linEARA R1 PS"),
    WIDE("Veltra linEARA R2 PS"),
    WIDE("Veltra linEARA R3 PS"),
    WIDE("Veltra linEARA R4 PS"),
    WIDE("Veltra linEARA R5 PS"),
    WIDE("Veltra Tintora M5 PS"),
    WIDE("Veltra tintORA R6 PS"),
    WIDE("Veltra Tintora M6 PS"),
    WIDE("Veltra tintORA R7 PS"),
};

bool IsPrincipalNameDriver(const WCHAR* driverName) {
    return std::any_of(std::begin(PrincipalNameDrivers), std::end(PrincipalNameDrivers),
                       [driverName](const WCHAR* entry) { return WideEqual(entry, driverName); });
}

namespace {

constexpr DWORD kPrinterInfoLevel = 2;

enum class DriverKind { Unknown, PrincipalName, LogonName };

// Asks the spooler which driver the printer uses. Unknown whenever the answer cannot be had.
DriverKind FindDriverKind(HANDLE printer) {
    if (printer == nullptr) return DriverKind::Unknown;
    DWORD needed = 0;
    if (GetPrinterW(printer, kPrinterInfoLevel, nullptr, 0, &needed) || GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return DriverKind::Unknown;
    }
    // A size that cannot even hold the information block is not trusted.
    if (needed < sizeof(PRINTER_INFO_2W)) return DriverKind::Unknown;
    HLOCAL memory = LocalAlloc(LMEM_ZEROINIT, needed);
    if (memory == nullptr) return DriverKind::Unknown;
    DriverKind kind = DriverKind::Unknown;
    if (GetPrinterW(printer, kPrinterInfoLevel, static_cast<LPBYTE>(memory), needed, &needed)) {
        const auto* info = static_cast<const PRINTER_INFO_2W*>(memory);
        if (info->pDriverName != nullptr) {
            kind = IsPrincipalNameDriver(info->pDriverName) ? DriverKind::PrincipalName : DriverKind::LogonName;
        }
    }
    LocalFree(memory);
    return kind;
}

// Each name call gets the whole buffer; a failed call leaves it empty, whatever it wrote.
bool ReadLogonName(WCHAR* name, std::size_t units) {
    DWORD size = static_cast<DWORD>(units);
    if (GetUserNameW(name, &size)) return true;
    std::fill_n(name, units, WCHAR{0});
    return false;
}

bool ReadPrincipalName(WCHAR* name, std::size_t units) {
    ULONG size = static_cast<ULONG>(units);
    if (GetUserNameExW(NameUserPrincipal, name, &size)) return true;
    std::fill_n(name, units, WCHAR{0});
    return false;
}

}  // namespace

void GetJobOwnerName(WCHAR* name, std::size_t units, HANDLE printer) {
    if (name == nullptr || units == 0) return;
    std::fill_n(name, units, WCHAR{0});
    if (FindDriverKind(printer) == DriverKind::LogonName) {
        ReadLogonName(name, units);
    } else if (!ReadPrincipalName(name, units)) {
        ReadLogonName(name, units);
    }
    name[units - 1] = 0;
}

void WriteUsernameLine(const TicketOutput& output) {
    WCHAR owner[kOwnerNameUnits];
    GetJobOwnerName(owner, kOwnerNameUnits, output.devobj()->hPrinter);
    if (owner[0] == 0) return;
    output.WriteLine(WIDE("%s \"%s\"\n"), {WIDE("Username"), owner});
}

void WriteAccountingLines(const TicketOutput& output, OemDevmode& record) {
    if (record.AccountingOn != 1) return;
    record.UserId[kIdentifierUnits - 1] = 0;
    output.WriteLine(WIDE("%s %s\n"), {WIDE("UserId"), record.UserId});
    record.AccountId[kIdentifierUnits - 1] = 0;
    output.WriteLine(WIDE("%s %s\n"), {WIDE("AccountId"), record.AccountId});
}
