// The start-of-document hook: turns the application's document name into the record's JobName
// before the driver's own DrvStartDoc writes anything of the document. The driver's string is
// only read; the processed name lives in a buffer of the hook's own on the stack until the
// driver's DrvStartDoc returns.
#include "ps3_motor/start_doc_hook.h"

#include <algorithm>
#include <iterator>
#include <cstddef>

#include "common/oem_devmode.h"
#include "platform/wide_text.h"
#include "ps3_motor/oem_pdev.h"
#include "ps3_motor/ticket_output.h"

namespace {

// Units of the document name that are looked at.
constexpr std::size_t kNameUnitsTaken = 299;
// An escaped name of this many units or more is dropped rather than cut.
constexpr std::size_t kEscapedNameLimit = 300;
// Doubling backslashes and escaping percent signs at most doubles the 299 units taken.
constexpr std::size_t kProcessedNameUnits = 600;
static_assert(kProcessedNameUnits > 2 * kNameUnitsTaken);

constexpr WCHAR kBackslash = u'\\';
constexpr WCHAR kPercent = u'%';

bool StartsWithBlankCode(const WCHAR* text, std::size_t at, std::size_t length) {
    return at + 2 < length && text[at] == kPercent && text[at + 1] == u'2' && text[at + 2] == u'0';
}

// Builds the processed document name in `out` (kProcessedNameUnits units, zero-terminated).
// A name with a backslash is escaped for the ticket: backslashes doubled and, when "%20" occurs,
// "%20" read as a blank and any other percent sign escaped with a backslash. Doubling
// backslashes neither makes nor breaks a "%20", so both steps run in one pass over the name.
void ProcessDocumentName(const WCHAR* name, WCHAR (&out)[kProcessedNameUnits]) {
    const std::size_t length = WideLength(name, kNameUnitsTaken);
    const WCHAR* end = name + length;
    if (std::find(name, end, kBackslash) == end) {
        WideCopy(out, kProcessedNameUnits, name, length);
        return;
    }
    bool hasBlankCode = false;
    for (std::size_t at = 0; at < length && !hasBlankCode; ++at) hasBlankCode = StartsWithBlankCode(name, at, length);

    std::size_t used = 0;
    for (std::size_t at = 0; at < length; ++at) {
        const WCHAR unit = name[at];
        if (unit == kBackslash) {
            out[used++] = kBackslash;
            out[used++] = kBackslash;
        } else if (hasBlankCode && unit == kPercent) {
            if (StartsWithBlankCode(name, at, length)) {
                out[used++] = u' ';
                at += 2;
            } else {
                out[used++] = kBackslash;
                out[used++] = kPercent;
            }
        } else {
            out[used++] = unit;
        }
    }
    if (used >= kEscapedNameLimit) used = 0;
    out[std::min(used, kSlotUnits - 1)] = 0;
}

}  // namespace

BOOL APIENTRY StartDocHook(SURFOBJ* surface, LPWSTR docName, DWORD jobId) {
    if (surface == nullptr) return FALSE;
    auto* devobj = reinterpret_cast<DEVOBJ*>(surface->dhpdev);
    if (devobj == nullptr) return FALSE;
    auto* record = static_cast<OemDevmode*>(devobj->pOEMDM);
    if (!IsUsableRecord(record)) return FALSE;
    const auto* pdev = static_cast<const OemPdev*>(devobj->pdevOEM);
    if (pdev == nullptr) return FALSE;

    WCHAR processed[kProcessedNameUnits] = {};
    LPWSTR nameForDriver = nullptr;
    if (docName != nullptr) {
        ProcessDocumentName(docName, processed);
        std::fill(std::begin(record->JobName), std::end(record->JobName), WCHAR{0});
        WideCopy(record->JobName, kSlotUnits, processed, kSlotUnits - 1);
        nameForDriver = processed;
    }
    // A driver without a DrvStartDoc of its own has nothing that could refuse the document, so
    // the document goes on as it would without the hook.
    if (pdev->DrvStartDoc == nullptr) return TRUE;
    return pdev->DrvStartDoc(surface, nameForDriver, jobId);
}
