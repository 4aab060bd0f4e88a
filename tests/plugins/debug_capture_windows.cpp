// Without a debugger attached, Windows shows a program nothing of its own debugger output.
#include "tests/plugins/debug_capture.h"

bool StartDebugCapture() { return false; }
std::u16string CapturedDebugOutput() { return {}; }
void StopDebugCapture() {}
