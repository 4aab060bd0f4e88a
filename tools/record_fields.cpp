// The record's field table and what show and set do with it; see record_fields.h.
#include "tools/record_fields.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

#include "common/oem_devmode.h"
#include "host/host_error.h"
#include "platform/utf.h"
#include "tools/usage_error.h"

namespace {

constexpr std::size_t UnitsOf(std::size_t bytes, std::size_t slots = 1) { return bytes / sizeof(WCHAR) / slots; }

// In record order. Widths come from the declaration; the list fields name their slot counts.
const std::array kFields = {
    RecordField{"Size", offsetof(OemDevmode, Size), FieldKind::Unsigned, 0, 1},
    RecordField{"Signature", offsetof(OemDevmode, Signature), FieldKind::Unsigned, 0, 1},
    RecordField{"Version", offsetof(OemDevmode, Version), FieldKind::Unsigned, 0, 1},
    RecordField{"JobTicketOn", offsetof(OemDevmode, JobTicketOn), FieldKind::Unsigned, 0, 1},
    RecordField{"AccountingOn", offsetof(OemDevmode, AccountingOn), FieldKind::Unsigned, 0, 1},
    RecordField{"UserId", offsetof(OemDevmode, UserId), FieldKind::Text, UnitsOf(sizeof(OemDevmode::UserId)), 1},
    RecordField{"AccountId", offsetof(OemDevmode, AccountId), FieldKind::Text, UnitsOf(sizeof(OemDevmode::AccountId)), 1},
    RecordField{"SendToInbox", offsetof(OemDevmode, SendToInbox), FieldKind::Unsigned, 0, 1},
    RecordField{"JobName", offsetof(OemDevmode, JobName), FieldKind::Text, UnitsOf(sizeof(OemDevmode::JobName)), 1},
    RecordField{"CutMethod", offsetof(OemDevmode, CutMethod), FieldKind::Unsigned, 0, 1},
    RecordField{"Rotation", offsetof(OemDevmode, Rotation), FieldKind::Unsigned, 0, 1},
    RecordField{"Alignment", offsetof(OemDevmode, Alignment), FieldKind::Unsigned, 0, 1},
    RecordField{"ShiftOn", offsetof(OemDevmode, ShiftOn), FieldKind::Unsigned, 0, 1},
    RecordField{"ShiftVertical", offsetof(OemDevmode, ShiftVertical), FieldKind::Signed, 0, 1},
    RecordField{"ShiftHorizontal", offsetof(OemDevmode, ShiftHorizontal), FieldKind::Signed, 0, 1},
    RecordField{"CutLength", offsetof(OemDevmode, CutLength), FieldKind::Signed, 0, 1},
    RecordField{"LeadingStripOn", offsetof(OemDevmode, LeadingStripOn), FieldKind::Unsigned, 0, 1},
    RecordField{"TrailingStripOn", offsetof(OemDevmode, TrailingStripOn), FieldKind::Unsigned, 0, 1},
    RecordField{"LeadingStripMode", offsetof(OemDevmode, LeadingStripMode), FieldKind::Signed, 0, 1},
    RecordField{"TrailingStripMode", offsetof(OemDevmode, TrailingStripMode), FieldKind::Signed, 0, 1},
    RecordField{"LeadingStripLength", offsetof(OemDevmode, LeadingStripLength), FieldKind::Signed, 0, 1},
    RecordField{"TrailingStripLength", offsetof(OemDevmode, TrailingStripLength), FieldKind::Signed, 0, 1},
    RecordField{"ScalingMode", offsetof(OemDevmode, ScalingMode), FieldKind::Unsigned, 0, 1},
    RecordField{"ZoomMediaSize", offsetof(OemDevmode, ZoomMediaSize), FieldKind::Unsigned, 0, 1},
    RecordField{"ZoomX", offsetof(OemDevmode, ZoomX), FieldKind::Signed, 0, 1},
    RecordField{"ZoomY", offsetof(OemDevmode, ZoomY), FieldKind::Signed, 0, 1},
    RecordField{"KeepAspectRatio", offsetof(OemDevmode, KeepAspectRatio), FieldKind::Unsigned, 0, 1},
    RecordField{"Copies", offsetof(OemDevmode, Copies), FieldKind::Signed, 0, 1},
    RecordField{"DefaultMediaType", offsetof(OemDevmode, DefaultMediaType), FieldKind::Unsigned, 0, 1},
    RecordField{"MediaTypeNames", offsetof(OemDevmode, MediaTypeNames), FieldKind::TextList,
                UnitsOf(sizeof(OemDevmode::MediaTypeNames), kMediaTypeSlots), kMediaTypeSlots},
    RecordField{"MediaTypeIds", offsetof(OemDevmode, MediaTypeIds), FieldKind::TextList,
                UnitsOf(sizeof(OemDevmode::MediaTypeIds), kMediaTypeSlots), kMediaTypeSlots},
    RecordField{"DefaultFoldTemplate", offsetof(OemDevmode, DefaultFoldTemplate), FieldKind::Unsigned, 0, 1},
    RecordField{"FoldTemplateNames", offsetof(OemDevmode, FoldTemplateNames), FieldKind::TextList,
                UnitsOf(sizeof(OemDevmode::FoldTemplateNames), kFoldTemplateSlots), kFoldTemplateSlots},
    RecordField{"FolderOutput", offsetof(OemDevmode, FolderOutput), FieldKind::Unsigned, 0, 1},
};

std::uint32_t ReadUnsigned(const RecordBytes& record, const RecordField& field) {
    std::uint32_t value = 0;
    std::memcpy(&value, record.data() + field.offset, sizeof value);
    return value;
}

std::int32_t ReadSigned(const RecordBytes& record, const RecordField& field) {
    std::int32_t value = 0;
    std::memcpy(&value, record.data() + field.offset, sizeof value);
    return value;
}

std::size_t SlotOffset(const RecordField& field, std::size_t slot) {
    return field.offset + slot * field.units * sizeof(WCHAR);
}

// The text of a slot up to its first zero unit, bounded by the slot when it has none.
std::string ReadText(const RecordBytes& record, const RecordField& field, std::size_t slot) {
    WideString units;
    const BYTE* bytes = record.data() + SlotOffset(field, slot);
    for (std::size_t i = 0; i < field.units; ++i) {
        WCHAR unit = 0;
        std::memcpy(&unit, bytes + i * sizeof(WCHAR), sizeof unit);
        if (unit == 0) break;
        units.push_back(unit);
    }
    return Utf8FromUtf16(units.c_str(), units.size());
}

std::string SignatureText(std::uint32_t value) {
    std::string text;
    for (int i = 0; i < 4; ++i, value >>= 8) {
        const char c = static_cast<char>(value & 0xFF);
        text.push_back(c >= 0x20 && c < 0x7F ? c : '.');
    }
    return text;
}

template <class Number>
Number ParseNumber(const RecordField& field, std::string_view text) {
    const std::string_view original = text;
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error == std::errc::invalid_argument || end != text.data() + text.size())
        throw UsageError(std::string(field.name) + ": '" + std::string(original) + "' is not a number");
    constexpr auto low = static_cast<std::int64_t>(std::numeric_limits<Number>::min());
    constexpr auto high = static_cast<std::int64_t>(std::numeric_limits<Number>::max());
    const bool inRange = error != std::errc::result_out_of_range &&
                         (negative ? magnitude <= static_cast<std::uint64_t>(-low)
                                   : magnitude <= static_cast<std::uint64_t>(high));
    if (!inRange)
        throw UsageError(std::string(field.name) + ": " + std::string(original) + " is out of range (" +
                         std::to_string(low) + " to " + std::to_string(high) + ")");
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return static_cast<Number>(value);
}

void WriteText(RecordBytes& record, const RecordField& field, std::size_t slot, std::string_view text) {
    const WideString units = Utf16FromUtf8(text);
    if (units.size() >= field.units)
        throw UsageError(std::string(field.name) + ": the text has " + std::to_string(units.size()) +
                         " UTF-16 units; at most " + std::to_string(field.units - 1) + " fit");
    BYTE* bytes = record.data() + SlotOffset(field, slot);
    std::memset(bytes, 0, field.units * sizeof(WCHAR));
    std::memcpy(bytes, units.data(), units.size() * sizeof(WCHAR));
}

}  // namespace

std::span<const RecordField> RecordFields() { return kFields; }

const RecordField* FindRecordField(std::string_view name) {
    for (const RecordField& field : kFields)
        if (name == field.name) return &field;
    return nullptr;
}

nlohmann::ordered_json RecordJson(const RecordBytes& record) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const RecordField& field : kFields) {
        switch (field.kind) {
        case FieldKind::Unsigned: object[field.name] = ReadUnsigned(record, field); break;
        case FieldKind::Signed: object[field.name] = ReadSigned(record, field); break;
        case FieldKind::Text: object[field.name] = ReadText(record, field, 0); break;
        case FieldKind::TextList: {
            nlohmann::ordered_json slots = nlohmann::ordered_json::array();
            for (std::size_t slot = 0; slot < field.slots; ++slot) slots.push_back(ReadText(record, field, slot));
            object[field.name] = slots;
            break;
        }
        }
    }
    return object;
}

std::string RecordText(const RecordBytes& record) {
    std::string text;
    const auto line = [&text](const std::string& name, const std::string& value) {
        text += name;
        text.append(name.size() < 22 ? 22 - name.size() : 1, ' ');
        text += value;
        text += '\n';
    };
    for (const RecordField& field : kFields) {
        switch (field.kind) {
        case FieldKind::Unsigned:
            if (std::string_view(field.name) == "Signature")
                line(field.name, HexText(ReadUnsigned(record, field)) + " \"" + SignatureText(ReadUnsigned(record, field)) + "\"");
            else
                line(field.name, std::to_string(ReadUnsigned(record, field)));
            break;
        case FieldKind::Signed: line(field.name, std::to_string(ReadSigned(record, field))); break;
        case FieldKind::Text: line(field.name, "\"" + ReadText(record, field, 0) + "\""); break;
        case FieldKind::TextList: {
            bool any = false;
            for (std::size_t slot = 0; slot < field.slots; ++slot) {
                const std::string slotText = ReadText(record, field, slot);
                if (slotText.empty()) continue;
                line(std::string(field.name) + "[" + std::to_string(slot) + "]", "\"" + slotText + "\"");
                any = true;
            }
            if (!any) line(field.name, "(all slots empty)");
            break;
        }
        }
    }
    return text;
}

void ApplyAssignment(RecordBytes& record, std::string_view assignment) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos)
        throw UsageError("'" + std::string(assignment) + "' is not of the form Field=Value");
    std::string_view name = assignment.substr(0, equals);
    const std::string_view value = assignment.substr(equals + 1);

    std::optional<std::size_t> slot;
    if (const std::size_t bracket = name.find('['); bracket != std::string_view::npos) {
        const std::string_view index = name.substr(bracket + 1);
        std::size_t number = 0;
        const auto [end, error] = std::from_chars(index.data(), index.data() + index.size(), number);
        if (error != std::errc() || end == index.data() || std::string_view(end, index.data() + index.size() - end) != "]")
            throw UsageError("'" + std::string(name) + "' is not of the form Field[slot]");
        slot = number;
        name = name.substr(0, bracket);
    }
    const RecordField* field = FindRecordField(name);
    if (field == nullptr) throw UsageError("'" + std::string(name) + "' is not a field of the record");

    if (field->kind == FieldKind::TextList) {
        if (!slot)
            throw UsageError(std::string(field->name) + " has slots: write " + field->name + "[0]=… to " +
                             field->name + "[" + std::to_string(field->slots - 1) + "]=…");
        if (*slot >= field->slots)
            throw UsageError(std::string(field->name) + " has slots 0 to " + std::to_string(field->slots - 1) +
                             ", not " + std::to_string(*slot));
        WriteText(record, *field, *slot, value);
        return;
    }
    if (slot) throw UsageError(std::string(field->name) + " has no slots");
    switch (field->kind) {
    case FieldKind::Unsigned: {
        const std::uint32_t number = ParseNumber<std::uint32_t>(*field, value);
        std::memcpy(record.data() + field->offset, &number, sizeof number);
        break;
    }
    case FieldKind::Signed: {
        const std::int32_t number = ParseNumber<std::int32_t>(*field, value);
        std::memcpy(record.data() + field->offset, &number, sizeof number);
        break;
    }
    case FieldKind::Text: WriteText(record, *field, 0, value); break;
    case FieldKind::TextList: break;
    }
}
