// Debugger output of the native system library goes to the sink a test sets.
#include "tests/plugins/debug_capture.h"

#include "platform/native/system_answers.h"

namespace {
std::u16string captured;
void Collect(const std::u16string& text) { captured += text + u"\n"; }
}  // namespace

bool StartDebugCapture() {
    captured.clear();
    SetDebugOutputSink(&Collect);
    return true;
}

std::u16string CapturedDebugOutput() { return captured; }

void StopDebugCapture() { SetDebugOutputSink(nullptr); }
