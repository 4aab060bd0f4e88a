// Test doubles for the job ticket: a driver service interface that records every write and
// answers the colour query as told, a valid record to start from, and UTF-16LE/ASCII byte
// helpers that build expected writes independently of the host's byte order.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "common/oem_devmode.h"
#include "platform/win.h"

namespace ticket_test {

using Bytes = std::vector<BYTE>;

inline Bytes Ascii(std::string_view text) { return Bytes(text.begin(), text.end()); }

inline Bytes Utf16(std::u16string_view text) {
    Bytes bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<BYTE>(unit & 0xFF));
        bytes.push_back(static_cast<BYTE>(unit >> 8));
    }
    return bytes;
}

inline std::u16string FromUtf16(const Bytes& bytes) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return text;
}

// Copies test text into a record field (WCHAR is wchar_t under Windows, char16_t natively).
inline void SetText(WCHAR* field, std::size_t units, std::u16string_view text) {
    std::memset(field, 0, units * sizeof(WCHAR));
    for (std::size_t i = 0; i < text.size() && i < units; ++i) field[i] = static_cast<WCHAR>(text[i]);
}

template <std::size_t Units>
void SetText(WCHAR (&field)[Units], std::u16string_view text) {
    SetText(field, Units, text);
}

inline std::u16string ToU16(const WCHAR* text, std::size_t limit = SIZE_MAX) {
    std::u16string result;
    for (std::size_t i = 0; i < limit && text[i] != 0; ++i) result.push_back(static_cast<char16_t>(text[i]));
    return result;
}

// A record as the settings plug-in writes it with every option at "Printer Default", the job
// ticket on and nothing that needs the driver beyond the colour query.
inline OemDevmode ValidRecord() {
    OemDevmode record;
    std::memset(&record, 0, sizeof record);
    record.Size = kOemDevmodeSize;
    record.Signature = kOemDevmodeSignature;
    record.Version = kOemDevmodeVersion;
    record.JobTicketOn = 1;
    record.ZoomX = 100;
    record.ZoomY = 100;
    return record;
}

class RecordingDriver : public IPrintOemDriverPS {
public:
    struct Write {
        DEVOBJ* devobj;
        Bytes bytes;
    };

    // Colour query answer: the bytes copied into the caller's buffer, and the result.
    std::string colorAnswer = "CMYK";
    HRESULT colorResult = S_OK;
    HRESULT writeResult = S_OK;

    std::vector<Write> writes;
    int colorQueries = 0;
    bool colorBufferWasCleared = true;
    std::string lastFeature;
    DWORD lastSettingSize = 0;
    void* lastSettingObject = nullptr;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID driverObject, PCSTR feature, PVOID output, DWORD size,
                                                  PDWORD needed, PDWORD optionsReturned) override {
        ++colorQueries;
        lastSettingObject = driverObject;
        lastFeature = feature != nullptr ? feature : "";
        lastSettingSize = size;
        auto* bytes = static_cast<BYTE*>(output);
        for (DWORD i = 0; i < size; ++i)
            if (bytes[i] != 0) colorBufferWasCleared = false;
        const std::size_t count = std::min<std::size_t>(colorAnswer.size() + 1, size);
        std::memcpy(output, colorAnswer.c_str(), count);
        if (needed != nullptr) *needed = static_cast<DWORD>(colorAnswer.size() + 1);
        if (optionsReturned != nullptr) *optionsReturned = 1;
        return colorResult;
    }

    HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ devobj, PVOID buffer, DWORD size, DWORD* written) override {
        const auto* bytes = static_cast<const BYTE*>(buffer);
        writes.push_back({devobj, Bytes(bytes, bytes + size)});
        if (written != nullptr) *written = SUCCEEDED(writeResult) ? size : 0;
        return writeResult;
    }

    // The ticket text of every write between "BeginTicket 2.1\n" and the closing text, one
    // entry per write.
    std::vector<std::u16string> TicketWrites() const {
        std::vector<std::u16string> lines;
        for (std::size_t i = 3; i + 2 < writes.size(); ++i) lines.push_back(FromUtf16(writes[i].bytes));
        return lines;
    }

    // The option lines: the writes after the segment block, without the Copies line.
    std::vector<std::u16string> OptionLines() const {
        std::vector<std::u16string> lines;
        bool afterBlock = false;
        for (const std::u16string& line : TicketWrites()) {
            if (afterBlock && !line.starts_with(u"Copies ")) lines.push_back(line);
            if (line.starts_with(u"BeginBlock 1\n")) afterBlock = true;
        }
        return lines;
    }

    // The ticket writes that begin with `prefix`.
    std::vector<std::u16string> LinesStartingWith(std::u16string_view prefix) const {
        std::vector<std::u16string> lines;
        for (const std::u16string& line : TicketWrites())
            if (line.starts_with(prefix)) lines.push_back(line);
        return lines;
    }
};

// A job: its record, the DEVOBJ that carries it and the driver that records the stream.
struct Job {
    OemDevmode record = ValidRecord();
    DEVOBJ devobj{};
    RecordingDriver driver;

    Job() {
        devobj.dwSize = sizeof devobj;
        devobj.pOEMDM = &record;
    }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;
};

}  // namespace ticket_test
