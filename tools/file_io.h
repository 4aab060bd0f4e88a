// The program's files: whole files read for records, the job's PostScript read in blocks, and
// outputs written under a temporary name in the target's folder and renamed only when complete,
// so a failed command leaves no half-written file. "-" stands for standard output.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "host/devmode_negotiation.h"
#include "host/print_job.h"

// The whole file; FileError when it cannot be read.
RecordBytes ReadWholeFile(const std::string& path);

class FilePayload final : public PayloadSource {
public:
    explicit FilePayload(const std::string& path);  // FileError when it cannot be opened
    ~FilePayload() override;
    FilePayload(const FilePayload&) = delete;
    FilePayload& operator=(const FilePayload&) = delete;
    std::size_t Read(BYTE* buffer, std::size_t capacity) override;
    // Into an output file, the system copies between the two files directly.
    void CopyTo(OutputStream& output) override;

private:
    std::string path_;
    std::FILE* file_;
};

class MemoryPayload final : public PayloadSource {
public:
    explicit MemoryPayload(std::string_view bytes) : bytes_(bytes) {}
    std::size_t Read(BYTE* buffer, std::size_t capacity) override;

private:
    std::string_view bytes_;
};

class OutputFile final : public OutputStream {
public:
    // Opens a temporary file beside `path`, or standard output for "-". FileError on failure.
    explicit OutputFile(const std::string& path);
    // Removes the temporary file unless Commit succeeded.
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool Write(const void* bytes, std::size_t count) override;
    // Appends the rest of an open file, copied by the system where it can; false on failure.
    bool AppendRestOf(std::FILE* from);
    // Flushes and puts the file in place; FileError when that fails.
    void Commit();

private:

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    bool toStandardOutput_ = false;
    bool failed_ = false;
};

// Writes `bytes` to `path` (or standard output) through an OutputFile.
void WriteWholeFile(const std::string& path, const void* bytes, std::size_t count);
