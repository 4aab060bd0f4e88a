// The host's system seam for the native build: answers go to the system library of ours.
#include "platform/host_system.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/native/system_answers.h"

bool HostSystemAnswersApply() { return true; }

void ApplyHostSystemAnswers(const HostSystemAnswers& wanted) {
    SystemAnswers answers;
    answers.printerAvailable = wanted.driverName.has_value();
    answers.printerDriverName = wanted.driverName.value_or(WideString());
    answers.logonNameAvailable = wanted.logonName.has_value();
    answers.logonName = wanted.logonName.value_or(WideString());
    answers.principalNameAvailable = wanted.principalName.has_value();
    answers.principalName = wanted.principalName.value_or(WideString());
    SetSystemAnswers(answers);
}

WideString CurrentLogonName() {
    // getlogin needs a controlling terminal; the account of the effective user stands in.
    if (const char* login = getlogin(); login != nullptr && *login != '\0') return Utf16FromUtf8(login);
    if (const passwd* account = getpwuid(geteuid()); account != nullptr && account->pw_name != nullptr)
        return Utf16FromUtf8(account->pw_name);
    return WideString();
}

void SetBinaryMode(std::FILE*) {}

bool CopyFileContents(std::FILE* from, std::FILE* to) {
    // Bring both descriptors to where their streams stand: `to` may hold buffered bytes, and
    // `from` may have read ahead of what its reader took.
    const long position = std::ftell(from);
    if (std::fflush(to) != 0 || position < 0) return false;
    const int input = fileno(from);
    const int output = fileno(to);
    if (lseek(input, position, SEEK_SET) < 0) return false;

    constexpr std::size_t kKernelChunk = std::size_t{1} << 30;
    for (;;) {
        const ssize_t copied = copy_file_range(input, nullptr, output, nullptr, kKernelChunk, 0);
        if (copied > 0) continue;
        if (copied == 0) return true;
        // Pipes, other file systems and older kernels: copy through the program instead.
        if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == EBADF) break;
        return false;
    }
    std::vector<char> block(std::size_t{1} << 20);
    for (;;) {
        const ssize_t count = read(input, block.data(), block.size());
        if (count == 0) return true;
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        for (ssize_t done = 0; done < count;) {
            const ssize_t written = write(output, block.data() + done, static_cast<std::size_t>(count - done));
            if (written < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            done += written;
        }
    }
}
