// The program's file handling; see file_io.h.
#include "tools/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

#include "host/host_error.h"
#include "platform/host_system.h"

namespace {

std::filesystem::path PathOf(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Reason() { return std::strerror(errno); }

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.string().c_str(), mode);
}

// A name in the target's folder that no other file has; the random part keeps concurrent runs
// writing the same target apart.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    std::random_device random;
    static const char digits[] = "0123456789abcdef";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix;
        for (int i = 0; i < 12; ++i) suffix.push_back(digits[random() % 16]);
        std::filesystem::path candidate = target;
        candidate.replace_filename("." + target.filename().string() + "." + suffix + ".tmp");
        std::error_code error;
        if (!std::filesystem::exists(candidate, error)) return candidate;
    }
    throw FileError("cannot find a free temporary name beside " + target.string());
}

}  // namespace

RecordBytes ReadWholeFile(const std::string& path) {
    std::FILE* file = OpenFile(PathOf(path), "rb");
    if (file == nullptr) throw FileError("cannot read " + path + ": " + Reason());
    RecordBytes bytes;
    BYTE block[65536];
    std::size_t count;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) throw FileError("cannot read " + path);
    return bytes;
}

FilePayload::FilePayload(const std::string& path) : path_(path), file_(OpenFile(PathOf(path), "rb")) {
    if (file_ == nullptr) throw FileError("cannot read " + path + ": " + Reason());
    std::error_code error;
    if (std::filesystem::is_directory(PathOf(path), error)) {
        std::fclose(file_);
        throw FileError("cannot read " + path + ": it is a folder");
    }
}

FilePayload::~FilePayload() { std::fclose(file_); }

std::size_t FilePayload::Read(BYTE* buffer, std::size_t capacity) {
    const std::size_t count = std::fread(buffer, 1, capacity, file_);
    if (count == 0 && std::ferror(file_)) throw FileError("cannot read " + path_);
    return count;
}

void FilePayload::CopyTo(OutputStream& output) {
    auto* file = dynamic_cast<OutputFile*>(&output);
    if (file == nullptr) return PayloadSource::CopyTo(output);
    if (!file->AppendRestOf(file_)) throw FileError("cannot copy " + path_ + " into the output stream");
}

std::size_t MemoryPayload::Read(BYTE* buffer, std::size_t capacity) {
    const std::size_t count = std::min(capacity, bytes_.size());
    std::memcpy(buffer, bytes_.data(), count);
    bytes_.remove_prefix(count);
    return count;
}

OutputFile::OutputFile(const std::string& path) {
    if (path == "-") {
        toStandardOutput_ = true;
        file_ = stdout;
        SetBinaryMode(stdout);
        return;
    }
    target_ = PathOf(path);
    std::error_code error;
    if (std::filesystem::is_directory(target_, error)) throw FileError("cannot write " + path + ": it is a folder");
    temporary_ = TemporaryBeside(target_);
    file_ = OpenFile(temporary_, "wb");
    if (file_ == nullptr) throw FileError("cannot write " + path + ": " + Reason());
}

OutputFile::~OutputFile() {
    if (toStandardOutput_ || file_ == nullptr) return;
    std::fclose(file_);
    std::error_code error;
    std::filesystem::remove(temporary_, error);
}

bool OutputFile::Write(const void* bytes, std::size_t count) {
    if (failed_ || std::fwrite(bytes, 1, count, file_) != count) failed_ = true;
    return !failed_;
}

bool OutputFile::AppendRestOf(std::FILE* from) {
    if (failed_ || !CopyFileContents(from, file_)) failed_ = true;
    return !failed_;
}

void OutputFile::Commit() {
    if (toStandardOutput_) {
        if (failed_ || std::fflush(file_) != 0) throw FileError("cannot write to standard output");
        return;
    }
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    std::error_code error;
    if (!failed_ && closed) std::filesystem::rename(temporary_, target_, error);
    if (failed_ || !closed || error) {
        std::filesystem::remove(temporary_, error);
        throw FileError("cannot write " + target_.string());
    }
}

void WriteWholeFile(const std::string& path, const void* bytes, std::size_t count) {
    OutputFile output(path);
    if (!output.Write(bytes, count)) throw FileError("cannot write " + path);
    output.Commit();
}
