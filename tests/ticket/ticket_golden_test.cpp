// Whole tickets byte for byte: the example job write by write, and many jobs written at the
// same time on several threads, each stream compared with its exact expected bytes.
#include <gtest/gtest.h>

#include <thread>

#include "platform/native/system_answers.h"
#include "ps3_motor/job_ticket_writer.h"
#include "ps3_motor/oem_pdev.h"
#include "ps3_motor/start_doc_hook.h"
#include "tests/ticket/ticket_recorder.h"

namespace {

using namespace ticket_test;

class GoldenTicket : public ::testing::Test {
protected:
    void SetUp() override { saved_ = GetSystemAnswers(); }
    void TearDown() override { SetSystemAnswers(saved_); }

private:
    SystemAnswers saved_;
};

HANDLE SomePrinter() { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x7001)); }

const Bytes kBeginMarker = Ascii("*VorJobBegin\r\n");
const Bytes kByteOrderMark = {0xFF, 0xFE};
const Bytes kOpening = Utf16(u"BeginTicket 2.1\n");
const Bytes kCreation = Utf16(u"CreationAppl \"Vor PS driver for Windows 1.35\"\n");
const Bytes kSegmentBlock =
    Utf16(u"BeginBlock 1\nType segment\nSegment 1\nEmulation PostScript\nEndBlock\nBeginOutput\n");
const Bytes kClosing = Utf16(u"IncludeBlock 1\nEndOutput\nEndTicket\n");
const Bytes kDataMarker = Ascii("*VORJobData\r\n");
const Bytes kEndMarker = Ascii("*VORJobEnd\r\n");

std::vector<Bytes> WritesOf(const RecordingDriver& driver) {
    std::vector<Bytes> writes;
    for (const auto& write : driver.writes) writes.push_back(write.bytes);
    return writes;
}

TEST_F(GoldenTicket, ExampleJobWriteByWrite) {
    SystemAnswers answers;
    answers.printerDriverName = u"Some Other PS";
    answers.logonName = u"jdoe";
    SetSystemAnswers(answers);

    Job job;
    job.devobj.hPrinter = SomePrinter();
    SetText(job.record.JobName, u"Plan");
    job.record.Copies = 1;
    job.record.CutMethod = 2;
    job.driver.colorAnswer = "CMYK";

    ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_BEGINSTREAM, &job.driver));
    const std::vector<Bytes> expected = {
        kBeginMarker,
        kByteOrderMark,
        kOpening,
        // Jobname "Plan" LF, spelled out to pin the byte order.
        {'J', 0, 'o', 0, 'b', 0, 'n', 0, 'a', 0, 'm', 0, 'e', 0, ' ', 0, '"', 0, 'P', 0, 'l', 0, 'a', 0, 'n', 0, '"', 0,
         '\n', 0},
        kCreation,
        Utf16(u"Username \"jdoe\"\n"),
        Utf16(u"Jobtype automatic\n"),
        kSegmentBlock,
        Utf16(u"CutMethod synchro\n"),
        Utf16(u"ColorMode color\n"),
        kClosing,
        kDataMarker,
    };
    EXPECT_EQ(WritesOf(job.driver), expected);
    const std::size_t sizes[] = {14, 2, 32, 30};
    for (std::size_t i = 0; i < std::size(sizes); ++i) EXPECT_EQ(job.driver.writes[i].bytes.size(), sizes[i]) << i;
    EXPECT_EQ(job.driver.writes[10].bytes.size(), 70u);
    EXPECT_EQ(job.driver.writes[11].bytes.size(), 13u);

    for (DWORD point = 2; point <= 18; ++point) ASSERT_TRUE(JobTicketWriter(&job.devobj, point, &job.driver));
    ASSERT_TRUE(JobTicketWriter(&job.devobj, PSINJECT_EOF, &job.driver));
    ASSERT_EQ(job.driver.writes.size(), expected.size() + 1);
    EXPECT_EQ(job.driver.writes.back().bytes, kEndMarker);
}

// One kind of job for the threaded run: how its record and driver are set up, and the lines of
// its ticket that differ from kind to kind.
struct JobKind {
    std::function<void(Job&)> setUp;
    std::vector<std::u16string> headerLines;  // between the Username line and the segment block
    std::vector<std::u16string> outputLines;  // between the segment block and the closing text
    std::u16string documentName;  // given to the start-of-document hook
    std::u16string jobName;       // what the Jobname line then carries
};

TEST_F(GoldenTicket, ManyJobsOnSeveralThreadsAtOnce) {
    SystemAnswers answers;
    answers.printerDriverName = u"Veltra tintORA R7 PS";
    answers.principalNameAvailable = true;
    answers.principalName = u"j@corp";  // short enough to need no heap in the native answers
    SetSystemAnswers(answers);

    const std::vector<JobKind> kinds = {
        {[](Job&) {}, {u"Jobtype automatic\n"}, {u"ColorMode color\n"}, u"plain", u"plain"},
        {[](Job& job) {
             job.record.SendToInbox = 1;
             job.record.Copies = 12;
             job.record.CutMethod = 3;
             job.record.CutLength = 200000;
             job.driver.colorAnswer = "Gray";
         },
         {u"Jobtype interactive\n"},
         {u"Copies 12\n", u"CutMethod 200000 mm\n", u"ColorMode monochrome\n"},
         u"C:\\Plans\\a b.pdf",
         u"C:\\\\Plans\\\\a b.pdf"},
        {[](Job& job) {
             job.record.AccountingOn = 1;
             SetText(job.record.UserId, u"1234567890");
             SetText(job.record.AccountId, u"42");
             job.record.LeadingStripOn = 1;
             job.record.LeadingStripLength = 25;
             job.record.TrailingStripOn = 1;
             job.record.TrailingStripMode = 1;
             job.record.TrailingStripLength = 10;
             job.record.Rotation = 2;
             job.record.ScalingMode = 2;
             job.record.ZoomMediaSize = 36;
         },
         {u"UserId 123456789\n", u"AccountId 42\n", u"Jobtype automatic\n"},
         {u"RemoveStrip leading 0 trailing 10 mm\n", u"AddStrip leading 25 mm trailing 0\n", u"ColorMode color\n",
          u"Rotate 90\n", u"Zoom to width 880 mm length 1210 mm\n"},
         u"Floor%201.pdf",
         u"Floor%201.pdf"},
        {[](Job& job) {
             SetText(job.record.MediaTypeIds[1], u"MATTE");
             job.record.DefaultMediaType = 2;
             SetText(job.record.FoldTemplateNames[2], u"Z");
             job.record.DefaultFoldTemplate = 3;
             job.record.FolderOutput = 1;
             job.record.Rotation = 5;
             job.record.ScalingMode = 1;
             job.record.KeepAspectRatio = 1;
             job.record.ZoomX = 80;
             job.record.Alignment = 5;
             job.record.ShiftOn = 1;
             job.record.ShiftHorizontal = -12;
             job.record.ShiftVertical = 30;
             job.record.Copies = 999;
             job.driver.colorResult = E_FAIL;
         },
         {u"Jobtype automatic\n"},
         {u"Copies 999\n", u"MediaType \"MATTE\"\n", u"Fold name \"Z\"\n", u"ColorMode monochrome\n", u"Zoom 80\n",
          u"AdjustRotate mediasaving\n", u"AdjustShift center\n", u"AdjustShift -12 30 mm\n"},
         u"C:\\Plans\\Floor%201%.pdf",
         u"C:\\\\Plans\\\\Floor 1\\%.pdf"},
    };
    constexpr int kThreads = 8;
    constexpr int kJobsPerThread = 200;

    auto expectedStream = [&](const JobKind& kind) {
        Bytes stream;
        auto append = [&stream](const Bytes& bytes) { stream.insert(stream.end(), bytes.begin(), bytes.end()); };
        append(kBeginMarker);
        append(kByteOrderMark);
        append(kOpening);
        append(Utf16(u"Jobname \"" + kind.jobName + u"\"\n"));
        append(kCreation);
        append(Utf16(u"Username \"j@corp\"\n"));
        for (const auto& line : kind.headerLines) append(Utf16(line));
        append(kSegmentBlock);
        for (const auto& line : kind.outputLines) append(Utf16(line));
        append(kClosing);
        append(kDataMarker);
        append(kEndMarker);
        return stream;
    };

    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int n = 0; n < kJobsPerThread; ++n) {
                const std::size_t k = static_cast<std::size_t>(t + n) % kinds.size();
                auto job = std::make_unique<Job>();
                job->devobj.hPrinter = SomePrinter();
                kinds[k].setUp(*job);
                OemPdev pdev{nullptr};
                job->devobj.pdevOEM = &pdev;
                SURFOBJ surface{};
                surface.dhpdev = reinterpret_cast<DHPDEV>(&job->devobj);
                std::vector<WCHAR> name(kinds[k].documentName.begin(), kinds[k].documentName.end());
                name.push_back(0);
                bool ok = StartDocHook(&surface, name.data(), static_cast<DWORD>(n)) == TRUE;
                ok = JobTicketWriter(&job->devobj, PSINJECT_BEGINSTREAM, &job->driver) && ok;
                ok = JobTicketWriter(&job->devobj, 5, &job->driver) && ok;
                ok = JobTicketWriter(&job->devobj, PSINJECT_EOF, &job->driver) && ok;
                Bytes stream;
                for (const auto& write : job->driver.writes)
                    stream.insert(stream.end(), write.bytes.begin(), write.bytes.end());
                if (!ok || stream != expectedStream(kinds[k])) ++mismatches[static_cast<std::size_t>(t)];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(mismatches[static_cast<std::size_t>(t)], 0) << "thread " << t;
}

}  // namespace
