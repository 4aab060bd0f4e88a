// The host's system seam on Windows: the real spooler and account services answer.
#include "platform/host_system.h"

#include <fcntl.h>
#include <io.h>

#include <vector>

bool HostSystemAnswersApply() { return false; }

void ApplyHostSystemAnswers(const HostSystemAnswers&) {}

WideString CurrentLogonName() {
    WCHAR name[257] = {};
    DWORD size = 257;
    return GetUserNameW(name, &size) ? WideString(name) : WideString();
}

void SetBinaryMode(std::FILE* stream) { _setmode(_fileno(stream), _O_BINARY); }

bool CopyFileContents(std::FILE* from, std::FILE* to) {
    std::vector<char> block(std::size_t{1} << 20);
    for (;;) {
        const std::size_t count = std::fread(block.data(), 1, block.size(), from);
        if (count > 0 && std::fwrite(block.data(), 1, count, to) != count) return false;
        if (count < block.size()) return std::ferror(from) == 0;
    }
}
