// What the process sends to the debugger, where the platform lets a test see it.
#pragma once

#include <string>

// Starts collecting; false where debugger output cannot be collected.
bool StartDebugCapture();
// The texts sent since the start, each followed by a line feed, widened to UTF-16.
std::u16string CapturedDebugOutput();
void StopDebugCapture();
