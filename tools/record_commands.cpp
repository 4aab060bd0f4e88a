// kvhost record: defaults, conversion and merging through a loaded build's DevMode, and showing
// and changing record files.
#include <cstdio>
#include <iostream>

#include "host/devmode_negotiation.h"
#include "host/model_catalogue.h"
#include "tools/commands.h"
#include "tools/file_io.h"
#include "tools/record_fields.h"
#include "tools/usage_error.h"

namespace {

DevModePlugin OpenBuild(const BuildChoice& build) {
    if (build.render) return DevModePlugin(PluginFilePath(kRenderPluginName), PluginKind::Render);
    return DevModePlugin(PluginFilePath(SettingsBuildName(build.model)), PluginKind::Settings);
}

}  // namespace

std::string SettingsBuildName(const std::string& model) {
    const std::optional<int> number = ModelBuildNumber(model);
    if (!number) throw UsageError("'" + model + "' is not a settings build: use kvui01 to kvui20");
    return ModelBuildName(*number);
}

void RunRecordDefault(const RecordOptions& options) {
    const DevModePlugin build = OpenBuild(options.build);
    const RecordBytes record = DefaultRecord(build.Object(), build.Context());
    WriteWholeFile(options.output, record.data(), record.size());
}

void RunRecordConvert(const RecordOptions& options, unsigned long mode) {
    // Read every file before a plug-in is loaded, so a bad file fails early and cleanly.
    const RecordBytes input = ReadWholeFile(options.input);
    std::optional<RecordBytes> into;
    if (options.into) into = FitRecord(ReadWholeFile(*options.into));

    const DevModePlugin build = OpenBuild(options.build);
    const RecordBytes output = into ? *into : DefaultRecord(build.Object(), build.Context());
    const RecordBytes result =
        ConvertRecord(build.Object(), build.Context(), static_cast<DWORD>(mode), input, output);
    WriteWholeFile(options.output, result.data(), result.size());
}

void RunRecordShow(const RecordOptions& options) {
    const RecordBytes bytes = ReadWholeFile(options.input);
    const RecordBytes record = PadRecord(bytes);
    if (options.json) {
        std::cout << RecordJson(record).dump(2) << '\n';
        return;
    }
    if (bytes.size() != RecordSize())
        std::cout << "# " << options.input << " holds " << bytes.size() << " bytes; a record has " << RecordSize()
                  << (bytes.size() < RecordSize() ? " (the missing bytes read as zero)" : "") << "\n";
    std::cout << RecordText(record);
}

void RunRecordSet(const RecordOptions& options) {
    RecordBytes record = PadRecord(ReadWholeFile(options.input));
    for (const std::string& assignment : options.assignments) ApplyAssignment(record, assignment);
    WriteWholeFile(options.output, record.data(), record.size());
}
