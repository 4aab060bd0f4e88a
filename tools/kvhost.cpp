// kvhost: the simulated PostScript driver host on the command line. It prints PostScript jobs
// through the render plug-in and works with the private settings record through the plug-ins'
// DevMode operation.
//
// Exit codes: 0 done; 1 the job was refused or a plug-in call failed; 2 a bad argument or a file
// that cannot be read or written.
#include <CLI/CLI.hpp>

#include <iostream>

#include "host/host_error.h"
#include "platform/win.h"
#include "tools/commands.h"
#include "tools/usage_error.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void AddBuildChoice(CLI::App& command, BuildChoice& build) {
    CLI::Option* render = command.add_flag("--render", build.render, "Use the render plug-in kvjob");
    CLI::Option* model = command.add_option("--model", build.model, "Use the settings build kvuiNN (kvui01 to kvui20)")
                             ->type_name("kvuiNN");
    render->excludes(model);
}

void RequireBuild(const BuildChoice& build) {
    if (!build.render && build.model.empty()) throw UsageError("choose a build: --render or --model kvuiNN");
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Simulated PostScript driver host: prints jobs through the job ticket plug-in and reads, "
        "converts and changes its private settings record."};
    app.require_subcommand(1);

    RecordOptions recordOptions;
    CLI::App* record = app.add_subcommand("record", "Make, convert, merge, show and change settings records");
    record->require_subcommand(1);

    CLI::App* recordDefault =
        record->add_subcommand("default", "Write a build's default record (DevMode OEMDM_DEFAULT)");
    AddBuildChoice(*recordDefault, recordOptions.build);
    recordDefault->add_option("-o,--output", recordOptions.output, "Record file to write (- for standard output)")
        ->type_name("FILE")
        ->required();

    CLI::App* recordConvert =
        record->add_subcommand("convert",
                               "Convert a record with a build's DevMode OEMDM_CONVERT; the output starts as the --into "
                               "record or the build's defaults");
    CLI::App* recordMerge = record->add_subcommand(
        "merge",
        "Merge a record with a build's DevMode OEMDM_MERGE; the output starts as the --into record or "
        "the build's defaults");
    for (CLI::App* command : {recordConvert, recordMerge}) {
        AddBuildChoice(*command, recordOptions.build);
        command->add_option("--into", recordOptions.into, "Record the output starts from (cut or zero-padded)")
            ->type_name("FILE");
        command->add_option("IN", recordOptions.input, "Input record, read as it is")->required();
        command->add_option("-o,--output", recordOptions.output, "Record file to write (- for standard output)")
            ->type_name("FILE")
            ->required();
    }

    CLI::App* recordShow = record->add_subcommand("show", "Show the fields of a record file");
    recordShow->add_option("FILE", recordOptions.input, "Record file")->required();
    recordShow->add_flag("--json", recordOptions.json, "One JSON object with a member per field");

    CLI::App* recordSet = record->add_subcommand("set", "Change fields of a record file");
    recordSet->add_option("IN", recordOptions.input, "Record file to start from")->required();
    recordSet
        ->add_option("ASSIGNMENTS", recordOptions.assignments,
                     "Field=Value, or ListField[slot]=Text for MediaTypeNames, MediaTypeIds, FoldTemplateNames")
        ->required();
    recordSet->add_option("-o,--output", recordOptions.output, "Record file to write (- for standard output)")
        ->type_name("FILE")
        ->required();

    PrintOptions printOptions;
    CLI::App* print = app.add_subcommand(
        "print", "Print a PostScript file (or an embedded sample page) through kvjob and write the spooled stream");
    print->add_option("INPUT", printOptions.input, "PostScript file; without it, a sample page named sample.ps");
    print->add_option("-o,--output", printOptions.output, "Stream file to write (- for standard output)")
        ->type_name("FILE")
        ->required();
    CLI::Option* model = print
                             ->add_option("--model", printOptions.model,
                                          "Record: the defaults of settings build kvuiNN (the default: kvui01)")
                             ->type_name("kvuiNN");
    CLI::Option* renderDefaults =
        print->add_flag("--render-defaults", printOptions.renderDefaults, "Record: the defaults of kvjob");
    CLI::Option* recordFile =
        print->add_option("--record", printOptions.recordFile, "Record: this file's bytes, as the driver hands them")
            ->type_name("FILE");
    model->excludes(renderDefaults)->excludes(recordFile);
    renderDefaults->excludes(recordFile);
    print->add_option("--set", printOptions.assignments, "Change a record field (Field=Value), repeatable")
        ->type_name("FIELD=VALUE")
        ->allow_extra_args(false);
    CLI::Option* docName = print->add_option("--doc-name", printOptions.documentName,
                                             "Document name (the default: INPUT as given, or sample.ps)");
    print->add_flag("--no-doc-name", printOptions.noDocumentName, "The document has no name")->excludes(docName);
    CLI::Option* color = print->add_option("--color", printOptions.color, "The printer's VRColorMode option keyword")
                             ->capture_default_str();
    print->add_flag("--no-color", printOptions.noColor, "The driver does not answer VRColorMode")->excludes(color);
    CLI::Option* driverName =
        print->add_option("--driver-name", printOptions.driverName, "Driver name the spooler answers for the printer")
            ->capture_default_str();
    print->add_flag("--no-printer", printOptions.noPrinter, "The job has no printer handle")->excludes(driverName);
    CLI::Option* user =
        print->add_option("--user", printOptions.user, "Logon name the system answers (the default: yours)");
    print->add_flag("--no-user", printOptions.noUser, "The system has no logon name")->excludes(user);
    print->add_option("--upn", printOptions.principalName,
                      "User principal name the system answers (the default: none)");
    print->add_flag("--show-ticket", printOptions.showTicket, "Show the job ticket on standard error");
    print->footer(
        "On Windows the real spooler and account services answer; --driver-name, --user, --no-user "
        "and --upn apply to the native build.\n");

    bool modelsJson = false;
    CLI::App* models = app.add_subcommand("models", "List the twenty settings builds and their profiles");
    models->add_flag("--json", modelsJson, "As a JSON array");

    std::string pluginLibrary;
    CLI::App* plugin = app.add_subcommand("plugin", "Load a plug-in library by path and report what it is");
    plugin->add_option("LIB", pluginLibrary, "Plug-in library file")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kExitUsage;
    }

    try {
        if (recordDefault->parsed()) {
            RequireBuild(recordOptions.build);
            RunRecordDefault(recordOptions);
        } else if (recordConvert->parsed() || recordMerge->parsed()) {
            RequireBuild(recordOptions.build);
            RunRecordConvert(recordOptions, recordConvert->parsed() ? OEMDM_CONVERT : OEMDM_MERGE);
        } else if (recordShow->parsed()) {
            RunRecordShow(recordOptions);
        } else if (recordSet->parsed()) {
            RunRecordSet(recordOptions);
        } else if (print->parsed()) {
            RunPrint(printOptions);
        } else if (models->parsed()) {
            RunModels(modelsJson);
        } else if (plugin->parsed()) {
            RunPlugin(pluginLibrary);
        }
    } catch (const UsageError& error) {
        std::cerr << "kvhost: " << error.what() << '\n';
        return kExitUsage;
    } catch (const FileError& error) {
        std::cerr << "kvhost: " << error.what() << '\n';
        return kExitUsage;
    } catch (const JobRefused& error) {
        std::cerr << "kvhost: the job failed: " << error.what() << '\n';
        return kExitFailed;
    } catch (const PluginError& error) {
        std::cerr << "kvhost: " << error.what() << '\n';
        return kExitFailed;
    } catch (const std::exception& error) {
        std::cerr << "kvhost: " << error.what() << '\n';
        return kExitFailed;
    }
    return 0;
}
