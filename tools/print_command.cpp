// kvhost print: one print job through kvjob, with the record from a file or from a build's
// defaults, and the spooler, account and colour answers from the command line.
#include <iostream>
#include <memory>

#include "host/host_error.h"
#include "host/print_job.h"
#include "tools/commands.h"
#include "tools/file_io.h"
#include "tools/record_fields.h"
#include "tools/sample_job.h"
#include "tools/usage_error.h"

namespace {

RecordBytes JobRecord(const PrintOptions& options) {
    if (options.recordFile) return PadRecord(ReadWholeFile(*options.recordFile));
    if (options.renderDefaults) return PluginDefaults(PluginFilePath(kRenderPluginName), PluginKind::Render);
    return PluginDefaults(PluginFilePath(SettingsBuildName(options.model.value_or("kvui01"))), PluginKind::Settings);
}

HostSystemAnswers SystemAnswersOf(const PrintOptions& options) {
    HostSystemAnswers answers;
    if (!options.noPrinter) answers.driverName = Utf16FromUtf8(options.driverName);
    if (!options.noUser) answers.logonName = options.user ? Utf16FromUtf8(*options.user) : CurrentLogonName();
    if (options.principalName) answers.principalName = Utf16FromUtf8(*options.principalName);
    return answers;
}

}  // namespace

void RunPrint(const PrintOptions& options) {
    // Check every argument and open the input before anything is loaded or written.
    if (options.model) SettingsBuildName(*options.model);
    std::unique_ptr<PayloadSource> payload;
    if (options.input)
        payload = std::make_unique<FilePayload>(*options.input);
    else
        payload = std::make_unique<MemoryPayload>(kSampleJob);

    PrintJobSettings settings;
    settings.renderPlugin = PluginFilePath(kRenderPluginName);
    settings.record = JobRecord(options);
    for (const std::string& assignment : options.assignments) ApplyAssignment(settings.record, assignment);
    if (options.documentName)
        settings.documentName = Utf16FromUtf8(*options.documentName);
    else if (!options.noDocumentName)
        settings.documentName = Utf16FromUtf8(options.input ? *options.input : std::string(kSampleJobName));
    if (!options.noColor) settings.colorKeyword = options.color;
    settings.printerHandle = !options.noPrinter;
    settings.systemAnswers = SystemAnswersOf(options);

    OutputFile output(options.output);
    const PrintJobResult result = RunPrintJob(std::move(settings), *payload, output);
    output.Commit();

    if (options.showTicket) {
        const std::optional<std::string> ticket = TicketText(result.beginStreamBytes);
        std::cerr << (ticket ? *ticket : std::string("(no job ticket in the stream)\n"));
    }
    if (!result.driverStartDocCalled)
        std::cerr << "kvhost: note: the start-of-document hook did not call on the driver's own DrvStartDoc\n";
    if (!result.unloaded) std::cerr << "kvhost: note: kvjob did not agree to be unloaded (DllCanUnloadNow)\n";
}
