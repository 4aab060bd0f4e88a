// The private record's fields by name, for showing and changing a record held as bytes. One
// table drives both; its offsets and widths come from the OemDevmode declaration.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "host/devmode_negotiation.h"

enum class FieldKind {
    Unsigned,  // u32, flags and list positions
    Signed,    // i32
    Text,      // one zero-terminated UTF-16 text in a fixed array
    TextList,  // slots of zero-terminated UTF-16 text
};

struct RecordField {
    const char* name;
    std::size_t offset;
    FieldKind kind;
    std::size_t units;  // UTF-16 units of a text or of each slot
    std::size_t slots;  // slots of a text list, 1 otherwise
};

std::span<const RecordField> RecordFields();
// Null for a name that is not a field (names are case-sensitive, as in OemDevmode).
const RecordField* FindRecordField(std::string_view name);

// One object, a member per field in record order: numbers, texts, arrays of texts. `record`
// holds at least RecordSize() bytes.
nlohmann::ordered_json RecordJson(const RecordBytes& record);
// The same as lines of "Name  value" for people.
std::string RecordText(const RecordBytes& record);

// Applies "Field=Value" or "ListField[slot]=Value" to a record of at least RecordSize() bytes.
// UsageError for unknown names, bad slots, values that are not numbers or out of the field's
// range, and texts that do not fit with their terminating zero.
void ApplyAssignment(RecordBytes& record, std::string_view assignment);
