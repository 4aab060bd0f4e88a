// The host's system seam for the native build: answers go to the system library of ours.
#include "platform/host_system.h"

#include <pwd.h>
#include <unistd.h>

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
