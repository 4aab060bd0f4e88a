// Turning a fuzzer's bytes into the inputs of the record and ticket functions.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "common/oem_devmode.h"

// Reads the fuzzer's bytes front to back; past the end it yields zeros.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

    DWORD Dword() {
        DWORD value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<DWORD>(Byte()) << (8 * i);
        return value;
    }

    // The next `count` bytes (fewer at the end).
    std::vector<std::uint8_t> Bytes(std::size_t count) {
        const std::size_t taken = std::min(count, size_ - at_);
        std::vector<std::uint8_t> bytes(data_ + at_, data_ + at_ + taken);
        at_ += taken;
        return bytes;
    }

    std::vector<std::uint8_t> Rest() { return Bytes(size_ - at_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A record buffer of exactly the record's size filled from the fuzzer's bytes; when `makeValid`,
// the header and the job ticket switch are set so that the deeper paths run.
inline std::vector<std::uint8_t> FuzzRecord(FuzzInput& input, bool makeValid) {
    std::vector<std::uint8_t> bytes = input.Bytes(kOemDevmodeSize);
    bytes.resize(kOemDevmodeSize, 0);
    if (makeValid) {
        auto& record = *reinterpret_cast<OemDevmode*>(bytes.data());
        record.Size = kOemDevmodeSize;
        record.Signature = kOemDevmodeSignature;
        record.JobTicketOn = 1;
    }
    return bytes;
}
