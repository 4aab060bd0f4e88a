// The start-of-document hook: refusals, the processed document name in JobName and in the call
// of the driver's own DrvStartDoc, and the driver's string left as it was.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ps3_motor/job_ticket_writer.h"
#include "ps3_motor/oem_pdev.h"
#include "ps3_motor/start_doc_hook.h"
#include "tests/ticket/ticket_recorder.h"

namespace {

using namespace ticket_test;

// What the driver's own DrvStartDoc saw.
struct DriverCall {
    SURFOBJ* surface = nullptr;
    std::optional<std::u16string> name;  // empty optional: called with no name
    DWORD jobId = 0;
    std::u16string jobNameAtCall;        // the record's JobName when the driver ran
};
thread_local std::vector<DriverCall> driverCalls;
thread_local BOOL driverResult = TRUE;

BOOL APIENTRY RecordingStartDoc(SURFOBJ* surface, LPWSTR docName, DWORD jobId) {
    DriverCall call;
    call.surface = surface;
    if (docName != nullptr) call.name = ToU16(docName);
    call.jobId = jobId;
    const auto* devobj = reinterpret_cast<DEVOBJ*>(surface->dhpdev);
    call.jobNameAtCall = ToU16(static_cast<OemDevmode*>(devobj->pOEMDM)->JobName, kSlotUnits);
    driverCalls.push_back(call);
    return driverResult;
}

// A job as the driver sets it up for the hook: the surface points at the DEVOBJ, which holds
// the per-PDEV block with the driver's own DrvStartDoc.
struct Document : Job {
    OemPdev pdev{RecordingStartDoc};
    SURFOBJ surface{};

    Document() {
        devobj.pdevOEM = &pdev;
        surface.dhpdev = reinterpret_cast<DHPDEV>(&devobj);
        SetText(record.JobName, u"previous");
        driverCalls.clear();
        driverResult = TRUE;
    }

    BOOL Start(const std::optional<std::u16string>& name, DWORD jobId = 42) {
        if (!name) return StartDocHook(&surface, nullptr, jobId);
        std::vector<WCHAR> text(name->begin(), name->end());
        text.push_back(0);
        const std::vector<WCHAR> before = text;
        const BOOL result = StartDocHook(&surface, text.data(), jobId);
        EXPECT_EQ(text, before) << "the driver's document name was written to";
        return result;
    }

    std::u16string JobName() const { return ToU16(record.JobName, kSlotUnits); }
};

TEST(StartDocHook, DocumentNamesBecomeJobNames) {
    struct Case {
        const char* name;
        std::u16string document;
        std::u16string processed;  // JobName and, unless `toDriver` says otherwise, the driver's name
        std::optional<std::u16string> toDriver = std::nullopt;
    };
    const std::u16string longPlain(400, u'p');
    std::u16string manyBackslashes;
    for (int i = 0; i < 200; ++i) manyBackslashes.push_back(i % 5 < 3 ? u'\\' : u'a');
    const std::u16string longEscaped = u"C:\\" + std::u16string(277, u'q');  // 280 units, one backslash
    const Case cases[] = {
        {"backslashes doubled", u"C:\\Plans\\a b.pdf", u"C:\\\\Plans\\\\a b.pdf"},
        {"%20 and a lone percent", u"C:\\Plans\\Floor%201%.pdf", u"C:\\\\Plans\\\\Floor 1\\%.pdf"},
        {"no backslash, %20 kept", u"Floor%201.pdf", u"Floor%201.pdf"},
        {"backslash without %20 keeps percent", u"C:\\a%b%2.pdf", u"C:\\\\a%b%2.pdf"},
        {"percent before %20", u"a\\%%20", u"a\\\\\\% "},
        {"%20 at the end", u"x\\y%20", u"x\\\\y "},
        {"double quote kept", u"C:\\My \"best\" plan.pdf", u"C:\\\\My \"best\" plan.pdf"},
        {"double quote without backslash", u"say \"hi\"", u"say \"hi\""},
        {"empty name", u"", u""},
        {"120 of 200 backslashes is too long", manyBackslashes, u""},
        {"400 units without backslash", longPlain, longPlain.substr(0, 255), longPlain.substr(0, 299)},
        {"escaped name cut to 255", longEscaped, (u"C:\\\\" + std::u16string(277, u'q')).substr(0, 255)},
        {"escaped to 299 units is kept", u"\\" + std::u16string(297, u'a'), u"\\\\" + std::u16string(253, u'a')},
        {"escaped to 300 units is dropped", u"\\" + std::u16string(298, u'a'), u""},
        {"%20 brings 300 units back under the limit", u"\\%20" + std::u16string(296, u'a'),
         u"\\\\ " + std::u16string(252, u'a')},
    };
    for (const Case& c : cases) {
        Document document;
        document.record.JobTicketOn = 0;  // not looked at by the hook
        EXPECT_TRUE(document.Start(c.document, 7)) << c.name;
        EXPECT_EQ(document.JobName(), c.processed) << c.name;
        ASSERT_EQ(driverCalls.size(), 1u) << c.name;
        EXPECT_EQ(driverCalls[0].name, c.toDriver.value_or(c.processed)) << c.name;
        EXPECT_EQ(driverCalls[0].jobNameAtCall, c.processed) << c.name;
        EXPECT_EQ(driverCalls[0].surface, &document.surface) << c.name;
        EXPECT_EQ(driverCalls[0].jobId, 7u) << c.name;
    }
}

TEST(StartDocHook, ProcessedNameReachesTheTicket) {
    Document document;
    ASSERT_TRUE(document.Start(u"C:\\Plans\\a b.pdf"));
    ASSERT_TRUE(JobTicketWriter(&document.devobj, PSINJECT_BEGINSTREAM, &document.driver));
    EXPECT_EQ(document.driver.TicketWrites().at(0), u"Jobname \"C:\\\\Plans\\\\a b.pdf\"\n");

    // A name that becomes empty leaves no Jobname line.
    Document emptied;
    ASSERT_TRUE(emptied.Start(std::u16string(300, u'\\')));
    ASSERT_TRUE(JobTicketWriter(&emptied.devobj, PSINJECT_BEGINSTREAM, &emptied.driver));
    EXPECT_TRUE(emptied.driver.LinesStartingWith(u"Jobname").empty());
}

TEST(StartDocHook, NoDocumentNameKeepsJobName) {
    Document document;
    EXPECT_TRUE(document.Start(std::nullopt));
    EXPECT_EQ(document.JobName(), u"previous");
    ASSERT_EQ(driverCalls.size(), 1u);
    EXPECT_FALSE(driverCalls[0].name.has_value());
}

TEST(StartDocHook, ClearsTheWholeJobNameBeforeCopying) {
    Document document;
    for (WCHAR& unit : document.record.JobName) unit = u'z';
    EXPECT_TRUE(document.Start(u"ab"));
    EXPECT_EQ(document.JobName(), u"ab");
    for (std::size_t i = 2; i < kSlotUnits; ++i) ASSERT_EQ(document.record.JobName[i], 0) << i;
}

TEST(StartDocHook, PassesTheDriversResult) {
    Document document;
    driverResult = FALSE;
    EXPECT_FALSE(document.Start(u"a.pdf"));
    EXPECT_EQ(document.JobName(), u"a.pdf");
}

TEST(StartDocHook, RefusesWithoutSurfaceDeviceOrValidRecord) {
    struct Case {
        const char* name;
        std::function<void(Document&)> change;
        bool nullSurface = false;
    };
    const Case cases[] = {
        {"no surface", [](Document&) {}, true},
        {"no DEVOBJ", [](Document& d) { d.surface.dhpdev = nullptr; }},
        {"no record", [](Document& d) { d.devobj.pOEMDM = nullptr; }},
        {"size one short", [](Document& d) { d.record.Size = kOemDevmodeSize - 1; }},
        {"wrong signature", [](Document& d) { d.record.Signature = 0; }},
        {"no per-PDEV block", [](Document& d) { d.devobj.pdevOEM = nullptr; }},
    };
    for (const Case& c : cases) {
        Document document;
        c.change(document);
        WCHAR name[] = {u'a', u'\\', u'b', 0};
        EXPECT_FALSE(StartDocHook(c.nullSurface ? nullptr : &document.surface, name, 1)) << c.name;
        EXPECT_TRUE(driverCalls.empty()) << c.name;
        EXPECT_EQ(document.JobName(), u"previous") << c.name;
    }
}

TEST(StartDocHook, DriverWithoutStartDocStillGetsTheName) {
    Document document;
    document.pdev.DrvStartDoc = nullptr;
    EXPECT_TRUE(document.Start(u"C:\\a.pdf"));
    EXPECT_EQ(document.JobName(), u"C:\\\\a.pdf");
}

}  // namespace
