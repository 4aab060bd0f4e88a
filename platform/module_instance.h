// The instance handle of the plug-in module this code is linked into, saved when the process
// attaches the module (null before that, and in a program that is not a plug-in module).
#pragma once

#include "platform/win.h"

HINSTANCE ModuleInstance();
