// The job's owner: the account name for the Username line (user principal name for the
// drivers of PrincipalNameDrivers, logon name otherwise) and the accounting lines.
#pragma once

#include <cstddef>

#include "common/oem_devmode.h"
#include "ps3_motor/ticket_output.h"

constexpr std::size_t kOwnerNameUnits = 256;
constexpr std::size_t kPrincipalNameDriverCount = 25;

// The driver names whose jobs are owned by the user principal name, in their fixed order.
// Constant data of the module: present from load to unload, never built at run time, so jobs
// that start at the same time on several threads read it without any lock.
extern const WCHAR* const PrincipalNameDrivers[kPrincipalNameDriverCount];

// True when `driverName` equals an entry unit by unit, terminating zero included (case-sensitive,
// no prefix or suffix matches).
bool IsPrincipalNameDriver(const WCHAR* driverName);

// Fills `name` (capacity `units`, cleared first) with the job owner's account name; empty when
// no name could be had. `printer` may be null.
void GetJobOwnerName(WCHAR* name, std::size_t units, HANDLE printer);

// The Username line, when the owner has a name.
void WriteUsernameLine(const TicketOutput& output);

// The UserId and AccountId lines when AccountingOn is exactly 1. Terminates both identifiers in
// the record first (their last unit is set to zero), so each holds at most 9 characters.
void WriteAccountingLines(const TicketOutput& output, OemDevmode& record);
