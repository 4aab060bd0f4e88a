// Bounded UTF-16 text helpers; see wide_text.h.
#include "platform/wide_text.h"

namespace {

// Appends units to a bounded buffer, remembering when something did not fit.
class BoundedWriter {
public:
    BoundedWriter(WCHAR* out, std::size_t capacity) : out_(out), capacity_(capacity) {}

    void put(WCHAR unit) {
        if (used_ + 1 < capacity_) {
            out_[used_++] = unit;
        } else {
            overflow_ = true;
        }
    }
    void put(const WCHAR* text) {
        for (; *text != 0 && !overflow_; ++text) put(*text);
    }
    bool finish() {
        if (capacity_ > 0) out_[used_] = 0;
        return capacity_ > 0 && !overflow_;
    }
    std::size_t used() const { return used_; }

private:
    WCHAR* out_;
    std::size_t capacity_;
    std::size_t used_ = 0;
    bool overflow_ = false;
};

// Decimal digits of a signed 32-bit value into a local buffer, sign included.
struct DecimalText {
    WCHAR units[12];

    explicit DecimalText(std::int32_t value) {
        // Work on the magnitude as unsigned so that INT32_MIN needs no special case.
        std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
        WCHAR reversed[10];
        std::size_t count = 0;
        do {
            reversed[count++] = static_cast<WCHAR>(u'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        std::size_t at = 0;
        if (value < 0) units[at++] = u'-';
        while (count > 0) units[at++] = reversed[--count];
        units[at] = 0;
    }
};

}  // namespace

std::size_t WideLength(const WCHAR* text, std::size_t limit) {
    std::size_t length = 0;
    while (length < limit && text[length] != 0) ++length;
    return length;
}

bool WideCopy(WCHAR* out, std::size_t capacity, const WCHAR* text, std::size_t maxUnits) {
    BoundedWriter writer(out, capacity);
    for (std::size_t i = 0; i < maxUnits && text[i] != 0; ++i) writer.put(text[i]);
    return writer.finish();
}

bool WideEqual(const WCHAR* a, const WCHAR* b) {
    for (;; ++a, ++b) {
        if (*a != *b) return false;
        if (*a == 0) return true;
    }
}

bool WideFormat(WCHAR* out, std::size_t capacity, std::size_t* length, const WCHAR* format,
                std::initializer_list<FormatArg> args) {
    BoundedWriter writer(out, capacity);
    const FormatArg* next = args.begin();
    bool matched = true;
    for (const WCHAR* at = format; *at != 0; ++at) {
        if (*at != u'%') {
            writer.put(*at);
            continue;
        }
        const WCHAR directive = *++at;
        if (directive == u'%') {
            writer.put(u'%');
        } else if (directive == u's' && next != args.end() && !next->isNumber() && next->text() != nullptr) {
            writer.put(next++->text());
        } else if (directive == u'd' && next != args.end() && next->isNumber()) {
            writer.put(DecimalText(next++->number()).units);
        } else {
            matched = false;
            break;
        }
    }
    if (next != args.end()) matched = false;
    const bool fits = writer.finish();
    if (length != nullptr) *length = writer.used();
    return matched && fits;
}

bool WideFromInt(WCHAR* out, std::size_t capacity, std::int32_t value) {
    return WideCopy(out, capacity, DecimalText(value).units);
}
