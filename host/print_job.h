// One print job as the PostScript driver runs it with the render plug-in: load kvjob, publish the
// driver's service interface, EnableDriver and EnablePDEV with the driver's function table, the
// start-of-document hook, every injection point in stream order with the job's PostScript in
// between, then DisablePDEV, DisableDriver, release and unload.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/devmode_negotiation.h"
#include "host/driver_services.h"
#include "platform/host_system.h"
#include "platform/utf.h"

// Size of the blocks the job's PostScript is copied in.
constexpr std::size_t kPayloadBlockSize = std::size_t{1} << 20;

// The job's PostScript, read in blocks.
class PayloadSource {
public:
    virtual ~PayloadSource() = default;
    // Fills up to `capacity` bytes; 0 at the end. Throws FileError when reading fails.
    virtual std::size_t Read(BYTE* buffer, std::size_t capacity) = 0;
    // Writes everything not yet read to `output`, in blocks of kPayloadBlockSize; a source
    // may copy faster where it knows the output. Throws FileError when reading or writing fails.
    virtual void CopyTo(OutputStream& output);
};

struct PrintJobSettings {
    std::filesystem::path renderPlugin;       // the kvjob library
    RecordBytes record;                       // the private record handed to the plug-in
    std::optional<WideString> documentName;   // none: the document has no name
    std::optional<std::string> colorKeyword;  // the answer for "VRColorMode"; none: the query fails
    bool printerHandle = true;                // DEVOBJ.hPrinter holds a handle (else null)
    DWORD jobId = 1;
    HostSystemAnswers systemAnswers;          // spooler and account answers where they apply
};

struct PrintJobResult {
    std::vector<BYTE> beginStreamBytes;  // what the plug-in wrote at PSINJECT_BEGINSTREAM
    bool driverStartDocCalled = false;   // the hook went on to the driver's own DrvStartDoc
    bool unloaded = false;               // DllCanUnloadNow let the library go
};

// Runs the job, writing the stream to `output`. Throws JobRefused when the start-of-document
// hook answers FALSE (nothing of the job is written then), PluginError when a plug-in call
// fails, FileError when the payload cannot be read or the output cannot be written.
PrintJobResult RunPrintJob(PrintJobSettings settings, PayloadSource& payload, OutputStream& output);

// The ticket inside the bytes written at PSINJECT_BEGINSTREAM (between the byte-order mark and
// the data marker), as UTF-8; none when there is no ticket.
std::optional<std::string> TicketText(const std::vector<BYTE>& beginStreamBytes);
