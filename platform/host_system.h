// What the simulated driver host needs of the system beyond the Win32 names: the spooler and
// account answers it may choose (natively the system library is ours and answers as told; on
// Windows the real system answers and the choice is ignored), the user's logon name, and a
// standard output that passes bytes unchanged.
#pragma once

#include <cstdio>
#include <optional>

#include "platform/utf.h"

struct HostSystemAnswers {
    std::optional<WideString> driverName;     // the printer's driver name; none: GetPrinterW fails
    std::optional<WideString> logonName;      // none: GetUserNameW fails
    std::optional<WideString> principalName;  // none: GetUserNameExW(NameUserPrincipal) fails
};

// True where the answers above take effect (the native system library).
bool HostSystemAnswersApply();

// Makes the spooler and account functions answer as given, where HostSystemAnswersApply().
void ApplyHostSystemAnswers(const HostSystemAnswers& answers);

// The logon name of the user running this process; empty when the system has none.
WideString CurrentLogonName();

// Switches a standard stream to binary mode, so that CR LF and other bytes pass unchanged.
void SetBinaryMode(std::FILE* stream);

// Appends the rest of `from` to `to`, inside the kernel where the system can copy between the
// two files, else in large blocks. False when reading or writing fails.
bool CopyFileContents(std::FILE* from, std::FILE* to);
