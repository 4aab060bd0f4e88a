// The host's system seam on Windows: the real spooler and account services answer.
#include "platform/host_system.h"

#include <fcntl.h>
#include <io.h>

bool HostSystemAnswersApply() { return false; }

void ApplyHostSystemAnswers(const HostSystemAnswers&) {}

WideString CurrentLogonName() {
    WCHAR name[257] = {};
    DWORD size = 257;
    return GetUserNameW(name, &size) ? WideString(name) : WideString();
}

void SetBinaryMode(std::FILE* stream) { _setmode(_fileno(stream), _O_BINARY); }
