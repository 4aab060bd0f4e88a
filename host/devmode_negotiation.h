// The driver's side of the DevMode operation: asking a plug-in for the private record's size,
// its defaults, and for converting or merging a record the driver holds. Records are byte
// buffers of at least the record's size, so a plug-in never reads or writes past them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "host/plugin_library.h"
#include "platform/win.h"

using RecordBytes = std::vector<BYTE>;

// The record's size in the stored format.
std::size_t RecordSize();

// `bytes` zero-padded to at least RecordSize(); longer input is kept as it is.
RecordBytes PadRecord(RecordBytes bytes);
// `bytes` zero-padded or cut to exactly RecordSize().
RecordBytes FitRecord(RecordBytes bytes);

// What the driver passes along in OEMDMPARAM besides the records.
struct DevModeContext {
    PVOID driverObject = nullptr;
    HANDLE printer = nullptr;
    HMODULE module = nullptr;
};

// OEMDM_SIZE: the size the plug-in reports in cbBufSize. PluginError when the call fails.
DWORD QueryRecordSize(IPrintOemCommon& plugin, const DevModeContext& context);
// OEMDM_DEFAULT into a fresh buffer; returns exactly RecordSize() bytes.
RecordBytes DefaultRecord(IPrintOemCommon& plugin, const DevModeContext& context);
// OEMDM_CONVERT or OEMDM_MERGE of `input` over `output`; returns exactly RecordSize() bytes.
RecordBytes ConvertRecord(IPrintOemCommon& plugin, const DevModeContext& context, DWORD mode,
                          const RecordBytes& input, const RecordBytes& output);

// A plug-in library loaded with its object created and the driver's interface published, for
// the DevMode operation. Releases the object and unloads the library when it goes.
class DevModePlugin {
public:
    DevModePlugin(const std::filesystem::path& library, PluginKind kind);
    ~DevModePlugin();
    DevModePlugin(const DevModePlugin&) = delete;
    DevModePlugin& operator=(const DevModePlugin&) = delete;

    IPrintOemCommon& Object() const { return object_.Common(); }
    DevModeContext Context() const;

private:
    PluginLibrary library_;
    PluginObject object_;
    IUnknown* driverObject_ = nullptr;
};

// The defaults of a plug-in library, through OEMDM_SIZE and OEMDM_DEFAULT.
RecordBytes PluginDefaults(const std::filesystem::path& library, PluginKind kind);
