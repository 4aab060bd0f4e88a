// The plug-in classes the host knows. The driver learns them from the printer's installation,
// not from the plug-ins, so the host keeps its own copy.
#pragma once

#include "platform/win.h"

enum class PluginKind { Settings, Render };

inline constexpr CLSID kSettingsPluginClass = {0xABCE80D7, 0x9F46, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};
inline constexpr CLSID kRenderPluginClass = {0x6D6ABF26, 0x9F38, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};

// The render plug-in library, one for all models.
inline constexpr const char* kRenderPluginName = "kvjob";
