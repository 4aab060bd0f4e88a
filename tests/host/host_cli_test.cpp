// kvhost run as a process against the built plug-ins: record defaults, conversion, merging,
// show and set, print jobs with their stream and ticket, and the exit codes and files left
// behind when something is wrong.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "common/oem_devmode.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::string;

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

Bytes ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

OemDevmode AsRecord(const Bytes& bytes) {
    OemDevmode record{};
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
    return record;
}

Bytes AsBytes(const OemDevmode& record) { return Bytes(reinterpret_cast<const char*>(&record), sizeof record); }

std::u16string Units(const WCHAR* text, std::size_t capacity) {
    std::u16string units;
    for (std::size_t i = 0; i < capacity && text[i] != 0; ++i) units.push_back(text[i]);
    return units;
}

void SetUnits(WCHAR* target, std::size_t capacity, std::u16string_view text) {
    std::fill(target, target + capacity, WCHAR{0});
    std::copy(text.begin(), text.end(), target);
}

// The ticket between the byte-order mark and the data marker, UTF-16LE read as ASCII.
std::string TicketOf(const Bytes& stream) {
    const std::size_t start = stream.find("\xFF\xFE");
    const std::size_t end = stream.find("*VORJobData\r\n");
    if (start == Bytes::npos || end == Bytes::npos) return "";
    std::string text;
    for (std::size_t i = start + 2; i + 1 < end; i += 2) text.push_back(stream[i]);
    return text;
}

class HostCli : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kvhost-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        work_ = root_ / "work";
        fs::create_directory(work_);
    }
    void TearDown() override { fs::remove_all(root_); }

    // Runs kvhost in the work folder; standard output and error are caught outside it.
    Result Run(const std::vector<std::string>& args) {
        std::string command = "cd " + Quote(work_.string()) + " && " + Quote(KVHOST_PATH);
        for (const std::string& arg : args) command += " " + Quote(arg);
        command += " >" + Quote((root_ / "stdout").string()) + " 2>" + Quote((root_ / "stderr").string());
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(root_ / "stdout"), ReadFile(root_ / "stderr")};
    }

    fs::path Path(const std::string& name) const { return work_ / name; }

    // The names of the files in the work folder.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(work_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    OemDevmode Defaults(const std::string& build) {
        const std::vector<std::string> choice =
            build == "render" ? std::vector<std::string>{"--render"} : std::vector<std::string>{"--model", build};
        std::vector<std::string> args = {"record", "default"};
        args.insert(args.end(), choice.begin(), choice.end());
        args.insert(args.end(), {"-o", "defaults-" + build + ".bin"});
        const Result result = Run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        const Bytes bytes = ReadFile(Path("defaults-" + build + ".bin"));
        EXPECT_EQ(bytes.size(), kOemDevmodeSize);
        return AsRecord(bytes);
    }

    fs::path root_;
    fs::path work_;
};

// --- record default -------------------------------------------------------------------------

TEST_F(HostCli, RecordDefaultAsksTheChosenBuild) {
    struct Case {
        const char* build;
        std::int32_t cutLength;
        DWORD alignment;
        DWORD scalingMode;
    };
    const Case cases[] = {
        {"render", 240, 5, 2},
        {"kvui01", 279, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.build);
        const OemDevmode record = Defaults(c.build);
        EXPECT_EQ(record.Size, kOemDevmodeSize);
        EXPECT_EQ(record.Signature, kOemDevmodeSignature);
        EXPECT_EQ(record.Version, 1u);
        EXPECT_EQ(record.JobTicketOn, 1u);
        EXPECT_EQ(record.CutMethod, 2u);
        EXPECT_EQ(record.CutLength, c.cutLength);
        EXPECT_EQ(record.Alignment, c.alignment);
        EXPECT_EQ(record.ScalingMode, c.scalingMode);
        EXPECT_EQ(record.ZoomX, 100);
        EXPECT_EQ(record.ZoomY, 100);
    }
}

// --- record convert and merge ---------------------------------------------------------------

TEST_F(HostCli, RecordConvertAndMergeFollowTheDevModeRules) {
    enum class Expect { CopiedOverInto, IntoWithHeader, DefaultsKeepingJobName, InputCutShort };
    struct Case {
        const char* name;
        const char* command;  // convert or merge
        DWORD signature;
        DWORD size;
        DWORD version;
        std::size_t fileBytes;  // bytes of the input file (the record cut there)
        Expect expect;
    };
    const Case cases[] = {
        {"whole record", "convert", kOemDevmodeSignature, kOemDevmodeSize, 1, kOemDevmodeSize, Expect::CopiedOverInto},
        {"Size 600 keeps the output beyond it", "convert", kOemDevmodeSignature, 600, 1, kOemDevmodeSize,
         Expect::InputCutShort},
        {"Size 0 copies nothing", "convert", kOemDevmodeSignature, 0, 1, kOemDevmodeSize, Expect::IntoWithHeader},
        {"Size 0xFFFFFFFF is bounded by the record", "convert", kOemDevmodeSignature, 0xFFFFFFFF, 1, kOemDevmodeSize,
         Expect::CopiedOverInto},
        {"foreign signature", "convert", 0x41424344, kOemDevmodeSize, 1, kOemDevmodeSize,
         Expect::DefaultsKeepingJobName},
        {"short file reads as zero beyond its end", "convert", kOemDevmodeSignature, kOemDevmodeSize, 1, 200,
         Expect::InputCutShort},
        {"empty file has no signature", "convert", kOemDevmodeSignature, kOemDevmodeSize, 1, 0,
         Expect::DefaultsKeepingJobName},
        {"merge stamps version 1", "merge", kOemDevmodeSignature, kOemDevmodeSize, 7, kOemDevmodeSize,
         Expect::CopiedOverInto},
        {"merge of foreign data", "merge", 0, kOemDevmodeSize, 1, kOemDevmodeSize, Expect::DefaultsKeepingJobName},
    };
    for (const char* build : {"render", "kvui01"}) {
        const OemDevmode defaults = Defaults(build);
        // The record the output starts from: the defaults with marks in both halves.
        OemDevmode into = defaults;
        SetUnits(into.JobName, kSlotUnits, u"Kept name");
        into.Copies = 7;
        into.FolderOutput = 1;
        WriteFile(Path("into.bin"), AsBytes(into));
        // The input: other marks in both halves, with a 10-unit user identifier without terminator.
        OemDevmode input = defaults;
        SetUnits(input.UserId, kIdentifierUnits, u"1234567890");
        input.JobTicketOn = 0;
        input.ShiftVertical = -12;
        input.Copies = 3;
        SetUnits(input.MediaTypeNames[2], kSlotUnits, u"Bond");

        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(build) + ": " + c.name);
            OemDevmode record = input;
            record.Signature = c.signature;
            record.Size = c.size;
            record.Version = c.version;
            WriteFile(Path("in.bin"), AsBytes(record).substr(0, c.fileBytes));
            const std::vector<std::string> choice =
                std::string(build) == "render" ? std::vector<std::string>{"--render"}
                                               : std::vector<std::string>{"--model", build};
            std::vector<std::string> args = {"record", c.command};
            args.insert(args.end(), choice.begin(), choice.end());
            args.insert(args.end(), {"--into", "into.bin", "in.bin", "-o", "out.bin"});
            const Result result = Run(args);
            ASSERT_EQ(result.exitCode, 0) << result.err;
            const Bytes bytes = ReadFile(Path("out.bin"));
            ASSERT_EQ(bytes.size(), kOemDevmodeSize);
            const OemDevmode out = AsRecord(bytes);
            EXPECT_EQ(out.Size, kOemDevmodeSize);
            EXPECT_EQ(out.Version, 1u);
            switch (c.expect) {
            case Expect::CopiedOverInto:
                EXPECT_EQ(out.Signature, kOemDevmodeSignature);
                EXPECT_EQ(out.JobTicketOn, 0u);
                EXPECT_EQ(Units(out.UserId, kIdentifierUnits), u"1234567890");
                EXPECT_EQ(out.ShiftVertical, -12);
                EXPECT_EQ(out.Copies, 3);
                EXPECT_EQ(Units(out.MediaTypeNames[2], kSlotUnits), u"Bond");
                EXPECT_EQ(out.FolderOutput, 0u);
                break;
            case Expect::InputCutShort:
                EXPECT_EQ(out.JobTicketOn, 0u);
                EXPECT_EQ(Units(out.UserId, kIdentifierUnits), u"1234567890");
                if (c.fileBytes < kOemDevmodeSize) {
                    EXPECT_EQ(out.Copies, 0);  // zero padding of the short file
                    EXPECT_EQ(out.FolderOutput, 0u);
                } else {
                    EXPECT_EQ(out.Copies, 7);  // from offset 600 on, the output's own
                    EXPECT_EQ(out.FolderOutput, 1u);
                }
                break;
            case Expect::IntoWithHeader:
                EXPECT_EQ(AsBytes(out).substr(12), AsBytes(into).substr(12));
                break;
            case Expect::DefaultsKeepingJobName: {
                OemDevmode expected = defaults;
                std::copy(std::begin(into.JobName), std::end(into.JobName), std::begin(expected.JobName));
                EXPECT_EQ(AsBytes(out), AsBytes(expected));
                break;
            }
            }
        }
    }
}

TEST_F(HostCli, RecordConvertWithoutIntoStartsFromTheBuildDefaults) {
    const OemDevmode defaults = Defaults("kvui01");
    WriteFile(Path("foreign.bin"), Bytes(100, 'x'));
    ASSERT_EQ(Run({"record", "convert", "--model", "kvui01", "foreign.bin", "-o", "out.bin"}).exitCode, 0);
    EXPECT_EQ(ReadFile(Path("out.bin")), AsBytes(defaults));
}

// --- record show and set --------------------------------------------------------------------

TEST_F(HostCli, RecordShowJsonNamesEveryFieldWithItsValue) {
    OemDevmode record = Defaults("render");
    record.ShiftHorizontal = -40;
    record.ZoomMediaSize = 0xFFFFFFFF;
    SetUnits(record.JobName, kSlotUnits, u"Plan \u00e9t\u00e9");
    std::fill(std::begin(record.AccountId), std::end(record.AccountId), WCHAR{'9'});  // no terminator
    SetUnits(record.FoldTemplateNames[10], kSlotUnits, u"Last");
    WriteFile(Path("r.bin"), AsBytes(record));

    const Result result = Run({"record", "show", "r.bin", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(result.out);
    const std::vector<std::string> names = {
        "Size", "Signature", "Version", "JobTicketOn", "AccountingOn", "UserId", "AccountId", "SendToInbox",
        "JobName", "CutMethod", "Rotation", "Alignment", "ShiftOn", "ShiftVertical", "ShiftHorizontal",
        "CutLength", "LeadingStripOn", "TrailingStripOn", "LeadingStripMode", "TrailingStripMode",
        "LeadingStripLength", "TrailingStripLength", "ScalingMode", "ZoomMediaSize", "ZoomX", "ZoomY",
        "KeepAspectRatio", "Copies", "DefaultMediaType", "MediaTypeNames", "MediaTypeIds", "DefaultFoldTemplate",
        "FoldTemplateNames", "FolderOutput"};
    std::vector<std::string> members;
    for (const auto& item : json.items()) members.push_back(item.key());
    EXPECT_EQ(members, names);

    EXPECT_EQ(json["Signature"], 0x44535256u);
    EXPECT_EQ(json["ShiftHorizontal"], -40);
    EXPECT_EQ(json["ZoomMediaSize"], 4294967295u);
    EXPECT_EQ(json["CutLength"], 240);
    EXPECT_EQ(json["JobName"], "Plan \u00e9t\u00e9");
    EXPECT_EQ(json["AccountId"], "9999999999");
    EXPECT_EQ(json["MediaTypeNames"].size(), kMediaTypeSlots);
    EXPECT_EQ(json["MediaTypeIds"].size(), kMediaTypeSlots);
    ASSERT_EQ(json["FoldTemplateNames"].size(), kFoldTemplateSlots);
    EXPECT_EQ(json["FoldTemplateNames"][10], "Last");
    EXPECT_EQ(json["FoldTemplateNames"][0], "");

    const Result text = Run({"record", "show", "r.bin"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("FoldTemplateNames[10]"), std::string::npos);
    EXPECT_NE(text.out.find("\"VRSD\""), std::string::npos);
}

TEST_F(HostCli, RecordSetChangesNamedFieldsAndSlots) {
    WriteFile(Path("r.bin"), AsBytes(Defaults("render")));
    const Result result = Run({"record", "set", "r.bin", "Copies=12", "ShiftVertical=-2147483648",
                               "ZoomMediaSize=0xFFFFFFFF", "UserId=123456789", "MediaTypeNames[2]=Bond",
                               "FoldTemplateNames[10]=Z-fold", "-o", "s.bin"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const OemDevmode record = AsRecord(ReadFile(Path("s.bin")));
    EXPECT_EQ(record.Copies, 12);
    EXPECT_EQ(record.ShiftVertical, INT32_MIN);
    EXPECT_EQ(record.ZoomMediaSize, 0xFFFFFFFFu);
    EXPECT_EQ(Units(record.UserId, kIdentifierUnits), u"123456789");
    EXPECT_EQ(Units(record.MediaTypeNames[2], kSlotUnits), u"Bond");
    EXPECT_EQ(Units(record.FoldTemplateNames[10], kSlotUnits), u"Z-fold");
    EXPECT_EQ(record.CutLength, 240);
}

TEST_F(HostCli, RecordSetRefusesWhatDoesNotFit) {
    WriteFile(Path("r.bin"), AsBytes(Defaults("render")));
    struct Case {
        const char* assignment;
        const char* message;
    };
    const Case cases[] = {
        {"Bogus=1", "not a field"},
        {"copies=1", "not a field"},
        {"Copies", "Field=Value"},
        {"Copies=ten", "not a number"},
        {"Copies=", "not a number"},
        {"Copies=2147483648", "out of range"},
        {"ShiftVertical=-2147483649", "out of range"},
        {"Size=-1", "out of range"},
        {"Size=4294967296", "out of range"},
        {"UserId=1234567890", "at most 9"},
        {nullptr, "at most 255"},  // a JobName of 256 characters
        {"MediaTypeNames=Bond", "has slots"},
        {"MediaTypeNames[7]=Bond", "slots 0 to 6"},
        {"MediaTypeNames[x]=Bond", "Field[slot]"},
        {"Copies[0]=1", "has no slots"},
    };
    const std::string longName = "JobName=" + std::string(256, 'a');
    for (const Case& c : cases) {
        const std::string assignment = c.assignment != nullptr ? c.assignment : longName;
        SCOPED_TRACE(assignment.substr(0, 40));
        const Result result = Run({"record", "set", "r.bin", "Copies=5", assignment, "-o", "s.bin"});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(Path("s.bin")));
    }
    EXPECT_EQ(Files(), (std::vector<std::string>{"defaults-render.bin", "r.bin"}));
}

// --- print ----------------------------------------------------------------------------------

TEST_F(HostCli, PrintOfTheSampleJobFramesItWithTicketAndMarkers) {
    const Result result = Run({"print", "-o", "out.ps", "--user", "jdoe"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Bytes stream = ReadFile(Path("out.ps"));
    const std::string expectedTicket =
        "BeginTicket 2.1\n"
        "Jobname \"sample.ps\"\n"
        "CreationAppl \"Vor PS driver for Windows 1.35\"\n"
        "Username \"jdoe\"\n"
        "Jobtype automatic\n"
        "BeginBlock 1\nType segment\nSegment 1\nEmulation PostScript\nEndBlock\nBeginOutput\n"
        "CutMethod synchro\n"
        "ColorMode color\n"
        "Rotate 0\n"
        "Zoom 100 100\n"
        "AdjustShift center\n"
        "IncludeBlock 1\nEndOutput\nEndTicket\n";
    const Bytes begin = "*VorJobBegin\r\n\xFF\xFE";
    ASSERT_EQ(stream.substr(0, begin.size()), begin);
    EXPECT_EQ(TicketOf(stream), expectedTicket);
    const std::size_t data = stream.find("*VORJobData\r\n");
    ASSERT_EQ(data, begin.size() + 2 * expectedTicket.size());
    const Bytes payload = stream.substr(data + 13, stream.size() - data - 13 - 12);
    EXPECT_EQ(payload.substr(0, 4), "%!PS");
    EXPECT_NE(payload.find("showpage\n"), Bytes::npos);
    EXPECT_EQ(payload.substr(payload.size() - 6), "%%EOF\n");
    EXPECT_EQ(stream.substr(stream.size() - 12), "*VORJobEnd\r\n");
}

TEST_F(HostCli, PrintPassesThePayloadUnchanged) {
    // Every byte value, CR LF pairs, and more than one copy block.
    Bytes payload;
    for (int i = 0; i < 256; ++i) payload.push_back(static_cast<char>(i));
    payload += "\r\n%%EOF\r\n";
    while (payload.size() < (std::size_t{1} << 20) + 3) payload += payload.substr(0, 4093);
    WriteFile(Path("job.ps"), payload);
    for (const char* target : {"out.ps", "-"}) {
        SCOPED_TRACE(target);
        const Result result = Run({"print", "job.ps", "-o", target});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const Bytes stream = std::string(target) == "-" ? result.out : ReadFile(Path(target));
        const Bytes data = "*VORJobData\r\n";
        const std::size_t start = stream.find(data);
        ASSERT_NE(start, Bytes::npos);
        EXPECT_EQ(stream.substr(start + data.size()), payload + "*VORJobEnd\r\n");
        EXPECT_NE(TicketOf(stream).find("Jobname \"job.ps\"\n"), std::string::npos);
    }
}

TEST_F(HostCli, PrintAnswersAsTheDriverAndSystemAreSet) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {"no colour answer", {"--no-color"}, {"ColorMode monochrome\n"}, {"ColorMode color"}},
        {"another colour keyword", {"--color", "Gray"}, {"ColorMode monochrome\n"}, {}},
        {"document name", {"--doc-name", "C:\\Plans\\a b.pdf"}, {"Jobname \"C:\\\\Plans\\\\a b.pdf\"\n"}, {}},
        {"no document name", {"--no-doc-name"}, {"BeginTicket 2.1\nCreationAppl"}, {"Jobname"}},
        {"logon name", {"--user", "jdoe", "--upn", "jdoe@example.com"}, {"Username \"jdoe\"\n"}, {}},
        {"principal-name driver",
         {"--driver-name", "Veltra linEARA R1 PS", "--user", "jdoe", "--upn", "jdoe@example.com"},
         {"Username \"jdoe@example.com\"\n"},
         {}},
        {"no printer handle", {"--no-printer", "--user", "jdoe", "--upn", "jdoe@example.com"},
         {"Username \"jdoe@example.com\"\n"}, {}},
        {"no account name", {"--no-user"}, {"Jobtype automatic\n"}, {"Username"}},
        {"changed fields", {"--set", "Copies=3", "--set", "SendToInbox=1"}, {"Copies 3\n", "Jobtype interactive\n"}, {}},
        {"render defaults", {"--render-defaults"}, {"Zoom to A0\n", "AdjustShift center\n"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"print", "-o", "out.ps"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Result result = Run(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const std::string ticket = TicketOf(ReadFile(Path("out.ps")));
        for (const std::string& line : c.present) EXPECT_NE(ticket.find(line), std::string::npos) << ticket;
        for (const std::string& line : c.absent) EXPECT_EQ(ticket.find(line), std::string::npos) << ticket;
    }
}

TEST_F(HostCli, PrintShowsTheTicketOnStandardError) {
    const Result result = Run({"print", "-o", "-", "--user", "jdoe", "--show-ticket"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, TicketOf(result.out));
}

TEST_F(HostCli, PrintWithTheTicketOffIsJustThePayload) {
    WriteFile(Path("job.ps"), "%!PS\nshowpage\n");
    const Result result = Run({"print", "job.ps", "--render-defaults", "--set", "JobTicketOn=0", "-o", "out.ps"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadFile(Path("out.ps")), "%!PS\nshowpage\n");
}

TEST_F(HostCli, RefusedJobsFailAndWriteNothing) {
    OemDevmode record = Defaults("render");
    record.Signature = 0x53445256;
    WriteFile(Path("foreign.bin"), AsBytes(record));
    record = Defaults("render");
    record.Size = kOemDevmodeSize - 1;
    WriteFile(Path("short.bin"), AsBytes(record));
    WriteFile(Path("out.ps"), "previous output");
    for (const char* file : {"foreign.bin", "short.bin"}) {
        SCOPED_TRACE(file);
        const Result result = Run({"print", "--record", file, "-o", "out.ps"});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find("the job failed"), std::string::npos) << result.err;
        EXPECT_EQ(ReadFile(Path("out.ps")), "previous output");
    }
    EXPECT_EQ(Files(), (std::vector<std::string>{"defaults-render.bin", "foreign.bin", "out.ps", "short.bin"}));
}

TEST_F(HostCli, BadArgumentsExitWithTwoAndWriteNothing) {
    WriteFile(Path("r.bin"), AsBytes(Defaults("render")));
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"print"},
        {"print", "-o", "out.ps", "--bogus"},
        {"print", "-o", "out.ps", "--model", "kvui21"},
        {"print", "-o", "out.ps", "--model", "kvui01", "--render-defaults"},
        {"print", "-o", "out.ps", "--record", "r.bin", "--render-defaults"},
        {"print", "-o", "out.ps", "--doc-name", "a", "--no-doc-name"},
        {"print", "-o", "out.ps", "--set", "Bogus=1"},
        {"print", "-o", "out.ps", "--set", "Copies=x"},
        {"print", "missing.ps", "-o", "out.ps"},
        {"print", "-o", "out.ps", "--record", "missing.bin"},
        {"print", "-o", "no-such-folder/out.ps"},
        {"record", "default", "-o", "out.ps"},
        {"record", "default", "--render", "--model", "kvui01", "-o", "out.ps"},
        {"record", "convert", "--render", "missing.bin", "-o", "out.ps"},
        {"record", "merge", "--render", "--into", "missing.bin", "r.bin", "-o", "out.ps"},
        {"record", "show", "missing.bin"},
        {"record", "set", "r.bin", "-o", "out.ps"},
        {"plugin", "missing.so"},
    };
    for (const auto& args : cases) {
        std::string line;
        for (const std::string& arg : args) line += arg + " ";
        SCOPED_TRACE(line);
        const Result result = Run(args);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(Files(), (std::vector<std::string>{"defaults-render.bin", "r.bin"}));
    }
}

TEST_F(HostCli, HelpIsOfferedForEveryCommand) {
    const std::vector<std::vector<std::string>> commands = {
        {}, {"record"}, {"record", "default"}, {"record", "convert"}, {"record", "merge"}, {"record", "show"},
        {"record", "set"}, {"print"}, {"models"}, {"plugin"}};
    for (std::vector<std::string> args : commands) {
        args.push_back("--help");
        const Result result = Run(args);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_NE(result.out.find("Usage:"), std::string::npos);
    }
}

// --- plugin and models ----------------------------------------------------------------------

TEST_F(HostCli, PluginReportsWhatALibraryServes) {
    struct Case {
        std::string library;
        int exitCode;
        const char* kind;
    };
    const fs::path folder = fs::path(KVHOST_PATH).parent_path();
    const Case cases[] = {
        {(folder / "libkvjob.so").string(), 0, "render"},
        {(folder / "libkvui01.so").string(), 0, "settings"},
        {(folder / "libkvui20.so").string(), 0, "settings"},
        {(folder / "libkvsys.so").string(), 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.library);
        const Result result = Run({"plugin", c.library});
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        if (c.kind == nullptr) continue;
        EXPECT_NE(result.out.find(std::string("class       ") + c.kind), std::string::npos) << result.out;
        EXPECT_NE(result.out.find("0x44535256 \"VRSD\""), std::string::npos);
        EXPECT_NE(result.out.find("version     1\n"), std::string::npos);
        EXPECT_NE(result.out.find("record      13464 bytes"), std::string::npos);
        EXPECT_NE(result.out.find("unload      yes"), std::string::npos);
    }
}

TEST_F(HostCli, ModelsListsTheTwentyBuilds) {
    const Result result = Run({"models", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(nlohmann::json::parse(result.out).size(), 20u);
    EXPECT_EQ(Run({"models"}).exitCode, 0);
}

}  // namespace
