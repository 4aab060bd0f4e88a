// The owner of a job as the spooler and the account functions of the native system answer it:
// principal name for the listed drivers (exact, case-sensitive names), logon name otherwise,
// and the fallbacks when a call fails. Seen through the ticket's Username line.
#include <gtest/gtest.h>

#include "platform/native/system_answers.h"
#include "ps3_motor/job_owner.h"
#include "ps3_motor/job_ticket_writer.h"
#include "tests/ticket/ticket_recorder.h"

namespace {

using namespace ticket_test;
using Lines = std::vector<std::u16string>;

// Restores the system answers a test changed.
class OwnerTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = GetSystemAnswers(); }
    void TearDown() override { SetSystemAnswers(saved_); }

private:
    SystemAnswers saved_;
};

HANDLE SomePrinter() { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x5150)); }

Lines UsernameLines(HANDLE printer) {
    Job job;
    job.devobj.hPrinter = printer;
    EXPECT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
    return job.driver.LinesStartingWith(u"Username");
}

TEST_F(OwnerTest, NameChosenByDriverAndAvailability) {
    struct Case {
        const char* name;
        bool printerHandle;
        bool printerAvailable;
        std::u16string driverName;
        bool principalAvailable;
        bool logonAvailable;
        Lines lines;
    };
    const char16_t* principal = u"Username \"jdoe@corp.example\"\n";
    const char16_t* logon = u"Username \"jdoe\"\n";
    const Case cases[] = {
        {"listed driver with mixed case", true, true, u"Veltra linEARA R1 PS", true, true, {principal}},
        {"listed driver, no principal name", true, true, u"Veltra linEARA R1 PS", false, true, {logon}},
        {"listed driver, no name at all", true, true, u"Veltra linEARA R1 PS", false, false, {}},
        {"other case of a listed driver", true, true, u"Veltra Lineara R1 PS", true, true, {logon}},
        {"longer than a listed driver", true, true, u"Vor Tintora M1 PS Class Driver", true, true, {logon}},
        {"shorter than a listed driver", true, true, u"Vor Tintora M1", true, true, {logon}},
        {"empty driver name", true, true, u"", true, true, {logon}},
        {"unlisted driver, logon name fails", true, true, u"Other PS", true, false, {}},
        {"no printer handle", false, true, u"Other PS", true, true, {principal}},
        {"no printer handle, no principal name", false, true, u"Other PS", false, true, {logon}},
        {"printer information fails", true, false, u"Other PS", true, true, {principal}},
        {"printer information fails, no principal", true, false, u"Other PS", false, true, {logon}},
        {"printer information fails, no name", true, false, u"Other PS", false, false, {}},
    };
    for (const Case& c : cases) {
        SystemAnswers answers;
        answers.printerAvailable = c.printerAvailable;
        answers.printerDriverName = c.driverName;
        answers.principalNameAvailable = c.principalAvailable;
        answers.principalName = u"jdoe@corp.example";
        answers.logonNameAvailable = c.logonAvailable;
        answers.logonName = u"jdoe";
        SetSystemAnswers(answers);
        EXPECT_EQ(UsernameLines(c.printerHandle ? SomePrinter() : nullptr), c.lines) << c.name;
    }
}

TEST_F(OwnerTest, EveryListedDriverGivesThePrincipalName) {
    const char16_t* const drivers[] = {
        u"Vor Tintora M1 PS",     u"Vor Tintora M2 PS",     u"Vor Lineara K1 PS",     u"Vor Lineara K2 PS",
        u"Vor Lineara K3 PS",     u"Vor Lineara K4 PS",     u"Vor Lineara K5 PS",     u"Vor Lineara K6 PS",
        u"Vor Lineara K7 PS",     u"Vor Tintora M3 PS",     u"Vor Tintora M4 PS",     u"Veltra Lineara K8 PS",
        u"Veltra Lineara K9 PS",  u"Veltra Lineara K10 PS", u"Veltra Lineara K11 PS", u"Veltra Lineara K12 PS",
        u"Veltra linEARA R1 PS",  u"Veltra linEARA R2 PS",  u"Veltra linEARA R3 PS",  u"Veltra linEARA R4 PS",
        u"Veltra linEARA R5 PS",  u"Veltra Tintora M5 PS",  u"Veltra tintORA R6 PS",  u"Veltra Tintora M6 PS",
        u"Veltra tintORA R7 PS"};
    static_assert(std::size(drivers) == kPrincipalNameDriverCount);
    for (std::size_t i = 0; i < std::size(drivers); ++i) {
        EXPECT_EQ(ToU16(PrincipalNameDrivers[i]), drivers[i]) << i;
        SystemAnswers answers;
        answers.printerDriverName = drivers[i];
        answers.principalNameAvailable = true;
        answers.principalName = u"p@q";
        answers.logonName = u"logon";
        SetSystemAnswers(answers);
        EXPECT_EQ(UsernameLines(SomePrinter()), Lines{u"Username \"p@q\"\n"}) << i;
    }
}

TEST_F(OwnerTest, NameLengthAgainstBufferAndLine) {
    struct Case {
        const char* name;
        std::size_t length;
        bool written;
    };
    // "Username \"" + name + "\"\n": a name of 247 units fills the 259-unit line; a name of 256
    // units does not fit the owner buffer, so the call fails and there is no name.
    const Case cases[] = {{"fits the line", 247, true}, {"too long for the line", 248, false},
                          {"fills the buffer", 255, false}, {"too long for the buffer", 256, false}};
    for (const Case& c : cases) {
        const std::u16string name(c.length, u'w');
        SystemAnswers answers;
        answers.printerDriverName = u"Other PS";
        answers.logonName = name;
        SetSystemAnswers(answers);
        EXPECT_EQ(UsernameLines(SomePrinter()), c.written ? Lines{u"Username \"" + name + u"\"\n"} : Lines{})
            << c.name;

        WCHAR owner[kOwnerNameUnits];
        GetJobOwnerName(owner, kOwnerNameUnits, SomePrinter());
        EXPECT_EQ(ToU16(owner, kOwnerNameUnits), c.length < kOwnerNameUnits ? name : u"") << c.name;
    }
}

TEST_F(OwnerTest, QuotesInTheNameAreNotEscaped) {
    SystemAnswers answers;
    answers.printerDriverName = u"Other PS";
    answers.logonName = u"o\"neil";
    SetSystemAnswers(answers);
    EXPECT_EQ(UsernameLines(SomePrinter()), Lines{u"Username \"o\"neil\"\n"});
}

}  // namespace
