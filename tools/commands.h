// The subcommands of kvhost, each a function of its parsed options. They throw UsageError,
// FileError, PluginError or JobRefused; the caller turns these into exit codes.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Which build's DevMode answers: kvjob's (render) or a settings build's.
struct BuildChoice {
    bool render = false;
    std::string model;  // "kvuiNN" when not render
};

struct RecordOptions {
    BuildChoice build;
    std::optional<std::string> into;
    std::string input;
    std::string output;
    bool json = false;
    std::vector<std::string> assignments;
};

void RunRecordDefault(const RecordOptions& options);
// `mode`: OEMDM_CONVERT or OEMDM_MERGE.
void RunRecordConvert(const RecordOptions& options, unsigned long mode);
void RunRecordShow(const RecordOptions& options);
void RunRecordSet(const RecordOptions& options);

struct PrintOptions {
    std::optional<std::string> input;
    std::string output;
    std::optional<std::string> model;
    bool renderDefaults = false;
    std::optional<std::string> recordFile;
    std::vector<std::string> assignments;
    std::optional<std::string> documentName;
    bool noDocumentName = false;
    std::string color = "CMYK";
    bool noColor = false;
    std::string driverName = "Generic PostScript Printer";
    bool noPrinter = false;
    std::optional<std::string> user;
    bool noUser = false;
    std::optional<std::string> principalName;
    bool showTicket = false;
};

void RunPrint(const PrintOptions& options);

void RunModels(bool json);

// Loads any plug-in library by path and reports what it is.
void RunPlugin(const std::string& library);

// The library file of a settings build named on the command line ("kvui07", any case);
// UsageError for other names.
std::string SettingsBuildName(const std::string& model);
