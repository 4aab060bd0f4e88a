// The job ticket writer at the driver's injection points: refusals, the fixed pieces and their
// byte counts, the header lines, Copies bounds, the 259-unit line limit and accounting.
#include <gtest/gtest.h>

#include <functional>

#include "ps3_motor/job_ticket_writer.h"
#include "tests/ticket/ticket_recorder.h"

namespace {

using namespace ticket_test;

constexpr DWORD kInjectionPoints[] = {PSINJECT_BEGINSTREAM, 7, PSINJECT_EOF};

TEST(JobTicketWriter, RefusesWithoutDeviceDriverOrValidRecord) {
    struct Case {
        const char* name;
        std::function<void(Job&)> change;
        bool nullDevobj = false;
        bool nullDriver = false;
    };
    const Case cases[] = {
        {"job ticket off", [](Job& job) { job.record.JobTicketOn = 0; }},
        {"job ticket 2", [](Job& job) { job.record.JobTicketOn = 2; }},
        {"size one short", [](Job& job) { job.record.Size = kOemDevmodeSize - 1; }},
        {"size zero", [](Job& job) { job.record.Size = 0; }},
        {"wrong signature", [](Job& job) { job.record.Signature = 0x56525344; }},
        {"no record", [](Job& job) { job.devobj.pOEMDM = nullptr; }},
        {"no DEVOBJ", [](Job&) {}, true, false},
        {"no driver interface", [](Job&) {}, false, true},
    };
    for (const Case& c : cases) {
        for (DWORD point : kInjectionPoints) {
            Job job;
            c.change(job);
            const bool result = JobTicketWriter(c.nullDevobj ? nullptr : &job.devobj, point,
                                                c.nullDriver ? nullptr : &job.driver);
            EXPECT_FALSE(result) << c.name << " at " << point;
            EXPECT_TRUE(job.driver.writes.empty()) << c.name << " at " << point;
            EXPECT_EQ(job.driver.colorQueries, 0) << c.name;
        }
    }
}

TEST(JobTicketWriter, AcceptsLargerRecordsAndIgnoresVersion) {
    struct Case {
        const char* name;
        DWORD size;
        DWORD version;
    };
    const Case cases[] = {{"one larger", kOemDevmodeSize + 1, 1}, {"largest", 0xFFFFFFFFu, 1}, {"version 7", kOemDevmodeSize, 7}};
    for (const Case& c : cases) {
        Job job;
        job.record.Size = c.size;
        job.record.Version = c.version;
        EXPECT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver)) << c.name;
        EXPECT_FALSE(job.driver.writes.empty()) << c.name;
    }
}

TEST(JobTicketWriter, OtherInjectionPointsWriteNothing) {
    std::vector<DWORD> points = {0, 21, 1000};
    for (DWORD point = 2; point <= 18; ++point) points.push_back(point);
    points.push_back(20);
    for (DWORD point : points) {
        Job job;
        EXPECT_TRUE(JobTicketWriter(&job.devobj, point, &job.driver)) << point;
        EXPECT_TRUE(job.driver.writes.empty()) << point;
    }
}

TEST(JobTicketWriter, EndOfFileWritesTheEndMarkerOnly) {
    Job job;
    SetText(job.record.JobName, u"Plan");
    EXPECT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_EOF, &job.driver));
    ASSERT_EQ(job.driver.writes.size(), 1u);
    EXPECT_EQ(job.driver.writes[0].bytes, Ascii("*VORJobEnd\r\n"));
    EXPECT_EQ(job.driver.writes[0].bytes.size(), 12u);
    EXPECT_EQ(job.driver.writes[0].devobj, &job.devobj);
    EXPECT_EQ(job.driver.colorQueries, 0);
}

TEST(JobTicketWriter, FixedPiecesFrameTheTicket) {
    Job job;
    ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
    const auto& writes = job.driver.writes;
    ASSERT_GE(writes.size(), 5u);
    EXPECT_EQ(writes[0].bytes, Ascii("*VorJobBegin\r\n"));
    EXPECT_EQ(writes[1].bytes, (Bytes{0xFF, 0xFE}));
    // Little-endian units, no terminating zero.
    const Bytes opening = {'B', 0, 'e', 0, 'g', 0, 'i', 0, 'n', 0, 'T', 0, 'i', 0, 'c', 0,
                           'k', 0, 'e', 0, 't', 0, ' ', 0, '2', 0, '.', 0, '1', 0, '\n', 0};
    EXPECT_EQ(writes[2].bytes, opening);
    EXPECT_EQ(writes[writes.size() - 2].bytes, Utf16(u"IncludeBlock 1\nEndOutput\nEndTicket\n"));
    EXPECT_EQ(writes[writes.size() - 2].bytes.size(), 70u);
    EXPECT_EQ(writes.back().bytes, Ascii("*VORJobData\r\n"));
    for (const auto& write : writes) EXPECT_EQ(write.devobj, &job.devobj);
}

TEST(JobTicketWriter, HeaderLinesWithoutJobName) {
    // An empty JobName gives no Jobname line: CreationAppl follows the opening directly.
    Job job;
    job.record.SendToInbox = 1;
    job.record.Copies = 3;
    ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
    const auto lines = job.driver.TicketWrites();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], u"CreationAppl \"Vor PS driver for Windows 1.35\"\n");
    EXPECT_TRUE(job.driver.LinesStartingWith(u"Jobname").empty());
    EXPECT_EQ(job.driver.LinesStartingWith(u"Jobtype"), std::vector<std::u16string>{u"Jobtype interactive\n"});
    EXPECT_EQ(job.driver.LinesStartingWith(u"BeginBlock"),
              std::vector<std::u16string>{
                  u"BeginBlock 1\nType segment\nSegment 1\nEmulation PostScript\nEndBlock\nBeginOutput\n"});
    EXPECT_EQ(job.driver.LinesStartingWith(u"Copies"), std::vector<std::u16string>{u"Copies 3\n"});
}

TEST(JobTicketWriter, JobtypeFollowsSendToInbox) {
    struct Case {
        DWORD sendToInbox;
        const char16_t* line;
    };
    // Only exactly 1 means the inbox; anything else prints directly.
    const Case cases[] = {{0, u"Jobtype automatic\n"},
                          {1, u"Jobtype interactive\n"},
                          {2, u"Jobtype automatic\n"},
                          {0xFFFFFFFFu, u"Jobtype automatic\n"}};
    for (const Case& c : cases) {
        Job job;
        job.record.SendToInbox = c.sendToInbox;
        ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
        EXPECT_EQ(job.driver.LinesStartingWith(u"Jobtype"), std::vector<std::u16string>{c.line}) << c.sendToInbox;
    }
}

TEST(JobTicketWriter, CopiesLineOnlyFromTwoTo999) {
    struct Case {
        std::int32_t copies;
        std::vector<std::u16string> lines;
    };
    const Case cases[] = {{-2, {}}, {0, {}}, {1, {}}, {2, {u"Copies 2\n"}}, {999, {u"Copies 999\n"}}, {1000, {}}};
    for (const Case& c : cases) {
        Job job;
        job.record.Copies = c.copies;
        ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
        EXPECT_EQ(job.driver.LinesStartingWith(u"Copies"), c.lines) << c.copies;
    }
}

TEST(JobTicketWriter, JobnameLineUpTo259Units) {
    struct Case {
        std::size_t nameLength;
        bool written;
    };
    // "Jobname \"" + name + "\"\n" is the name's length plus 11 units.
    const Case cases[] = {{1, true}, {248, true}, {249, false}, {250, false}, {255, false}};
    for (const Case& c : cases) {
        Job job;
        const std::u16string name(c.nameLength, u'n');
        SetText(job.record.JobName, name);
        ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
        const auto lines = job.driver.TicketWrites();
        ASSERT_FALSE(lines.empty());
        if (c.written) {
            EXPECT_EQ(lines[0], u"Jobname \"" + name + u"\"\n") << c.nameLength;
            EXPECT_EQ(job.driver.writes[3].bytes.size(), 2 * (c.nameLength + 11)) << c.nameLength;
        } else {
            // Left out whole, and the ticket goes on with the next line.
            EXPECT_TRUE(job.driver.LinesStartingWith(u"Jobname").empty()) << c.nameLength;
            EXPECT_EQ(lines[0], u"CreationAppl \"Vor PS driver for Windows 1.35\"\n") << c.nameLength;
        }
    }
}

TEST(JobTicketWriter, UnterminatedJobNameIsEndedAtItsLastUnit) {
    Job job;
    for (WCHAR& unit : job.record.JobName) unit = u'x';
    ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
    EXPECT_EQ(job.record.JobName[kSlotUnits - 1], 0);
    EXPECT_EQ(job.record.JobName[kSlotUnits - 2], u'x');
    EXPECT_TRUE(job.driver.LinesStartingWith(u"Jobname").empty());
}

TEST(JobTicketWriter, AccountingLines) {
    struct Case {
        const char* name;
        DWORD accountingOn;
        std::u16string userId;
        std::u16string accountId;
        std::vector<std::u16string> lines;
    };
    const Case cases[] = {
        {"nine digits and empty", 1, u"123456789", u"", {u"UserId 123456789\n", u"AccountId \n"}},
        {"both empty", 1, u"", u"", {u"UserId \n", u"AccountId \n"}},
        {"ten digits unterminated", 1, u"1234567890", u"9876543210", {u"UserId 123456789\n", u"AccountId 987654321\n"}},
        {"accounting off", 0, u"123", u"456", {}},
        {"accounting 2", 2, u"123", u"456", {}},
    };
    for (const Case& c : cases) {
        Job job;
        job.record.AccountingOn = c.accountingOn;
        SetText(job.record.UserId, c.userId);
        SetText(job.record.AccountId, c.accountId);
        ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
        std::vector<std::u16string> lines;
        for (const auto& line : job.driver.TicketWrites())
            if (line.starts_with(u"UserId") || line.starts_with(u"AccountId")) lines.push_back(line);
        EXPECT_EQ(lines, c.lines) << c.name;
        // The accounting lines stand right before the Jobtype line.
        if (!c.lines.empty()) {
            const auto writes = job.driver.TicketWrites();
            const auto at = std::find(writes.begin(), writes.end(), c.lines.back());
            ASSERT_NE(at, writes.end());
            ASSERT_NE(at + 1, writes.end());
            EXPECT_TRUE((at + 1)->starts_with(u"Jobtype ")) << c.name;
            EXPECT_EQ(job.record.UserId[kIdentifierUnits - 1], 0) << c.name;
            EXPECT_EQ(job.record.AccountId[kIdentifierUnits - 1], 0) << c.name;
        }
    }
}

TEST(JobTicketWriter, FailedWritesDoNotStopTheTicket) {
    Job good;
    Job failing;
    failing.driver.writeResult = E_FAIL;
    for (Job* job : {&good, &failing}) {
        job->record.CutMethod = 2;
        job->record.Copies = 5;
        ASSERT_TRUE(JobTicketWriter(&job->devobj, PSINJECT_BEGINSTREAM, &job->driver));
    }
    ASSERT_EQ(failing.driver.writes.size(), good.driver.writes.size());
    for (std::size_t i = 0; i < good.driver.writes.size(); ++i)
        EXPECT_EQ(failing.driver.writes[i].bytes, good.driver.writes[i].bytes) << i;
}

}  // namespace
