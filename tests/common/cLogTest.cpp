#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "ServiceScopes.h"
#include "TestSupport.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "common/mKEMCommon.h"

namespace {

struct LogFixture : ::testing::Test {
    FakeClock clock;
    testsupport::ClockScope fixed{clock};
    std::string file;
    void SetUp() override {
        clock.Tick = 1000;
        oLog = std::make_unique<cLog>();  // takes its start tick from the fake clock
        file = paths::Join(testsupport::MakeDir("log"), "t.log");
    }
    std::vector<std::string> Lines() { return textfile::SplitLines(testsupport::ReadFile(file)); }
};

}  // namespace

TEST_F(LogFixture, TraceLineFormats) {
    oLog->LogOpen(file, 1);
    clock.Tick = 1000 + 42;
    oLog->LogTraceEnter("sbProcessFile", "modVEZUZ", "x");
    oLog->LogTraceEnter("->Already");
    oLog->LogTraceExit("Already");
    oLog->LogTraceEnter("Z");  // one character: a plain line, depth unchanged
    oLog->LogTraceExit("sbProcessFile");
    oLog->LogTraceExit("extra");  // never below 0
    oLog->LogData("plain");
    oLog->LogClose();
    auto lines = Lines();
    std::vector<std::string> tail(lines.end() - 7, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "0000042, 001, ->sbProcessFile: modVEZUZ: x",
                        "0000042, 002, ->Already",
                        "0000042, 001, <-Already",
                        " Z",
                        "0000042, 000, <-sbProcessFile",
                        "0000042, 000, <-extra",
                        " plain",
                    }));
}

TEST_F(LogFixture, TimeFieldWidensPastSevenDigits) {
    oLog->LogOpen(file, 1);
    clock.Tick = 1000 + 12345678;
    oLog->LogTraceEnter("Late");
    oLog->LogClose();
    EXPECT_EQ(Lines().back(), "12345678, 001, ->Late");
}

TEST_F(LogFixture, HeaderThenQueuedLinesOldestFirst) {
    for (int i = 1; i <= 10; ++i) oLog->LogData("q" + std::to_string(i));
    oLog->LogOpen(file, 1);
    oLog->LogClose();
    auto lines = Lines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], " =====> ");
    EXPECT_EQ(lines[1].substr(0, 7), "Zelker ");
    EXPECT_EQ(lines[3], "<=====");
    EXPECT_EQ(lines[4].substr(0, 9), " Logfile ");
    auto begin = std::find(lines.begin(), lines.end(), " -----Emitting Queued Messages-----");
    ASSERT_NE(begin, lines.end());
    // The banner of the log's creation is the first queued entry: 3 lines.
    EXPECT_EQ(begin[1], " cLog.cls Version 1 Dated 8/27/98");
    EXPECT_EQ(begin[2].substr(0, 7), " Date =");
    EXPECT_EQ(begin[3], " Timer = 0");
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(begin[3 + i], " q" + std::to_string(i));
    EXPECT_EQ(begin[14], " -----End Emitting Queued Messages-----");
}

TEST_F(LogFixture, QueueKeepsTheNewestHundredAndBlankLinesDropNothing) {
    oLog->LogData("");  // a blank queued line
    for (int i = 1; i <= 150; ++i) oLog->LogData(i == 100 ? "" : "q" + std::to_string(i));
    EXPECT_EQ(oLog->QueuedCount(), 100);
    oLog->LogOpen(file, 1);
    oLog->LogClose();
    auto lines = Lines();
    auto begin = std::find(lines.begin(), lines.end(), " -----Emitting Queued Messages-----");
    ASSERT_NE(begin, lines.end());
    EXPECT_EQ(begin[1], " q51");
    EXPECT_EQ(begin[50], " ");  // the blank 100th line, and the ones after it still come
    EXPECT_EQ(begin[100], " q150");
    EXPECT_EQ(begin[101], " -----End Emitting Queued Messages-----");
}

TEST_F(LogFixture, ReopenWritesOnlyWhatWasQueuedSinceTheClose) {
    oLog->LogOpen(file, 1);
    oLog->LogClose();
    oLog->LogData("after close");
    oLog->LogOpen(file, 2);
    oLog->LogClose();
    auto text = testsupport::ReadFile(file);
    EXPECT_EQ(text.find("cLog.cls Version 1"), text.rfind("cLog.cls Version 1"));
    EXPECT_NE(text.find(" after close"), std::string::npos);
}

TEST_F(LogFixture, QueueingOffDropsLines) {
    oLog->LogClose();  // empties the banner
    oLog->Queueing(false);
    oLog->LogData("lost");
    EXPECT_EQ(oLog->QueuedCount(), 0);
}

TEST_F(LogFixture, OpenFailureWarnsAndKeepsQueueing) {
    oLog->LogOpen(testsupport::MakeDir("x") + "/no/such/dir.log", 1);
    EXPECT_FALSE(oLog->IsOpen());
    EXPECT_EQ(testsupport::Ui().LastPrompt().rfind("LogOpen Open Error\r\n\r\nUnable to open Log-file\r\n", 0), 0u);
    EXPECT_NE(testsupport::Ui().LastPrompt().find("Log-file messages will be queued"), std::string::npos);
    oLog->LogOpen(file, 1);
    oLog->LogClose();
    EXPECT_NE(testsupport::ReadFile(file).find(" =====>\r\nLogOpen Open Error"), std::string::npos);
}

TEST_F(LogFixture, OpenOnAnOpenLogClosesTheEarlierFile) {
    std::string second = paths::Join(testsupport::MakeDir("log2"), "u.log");
    oLog->LogOpen(file, 1);
    oLog->LogData("to first");
    oLog->LogOpen(second, 1);
    oLog->LogData("to second");
    oLog->LogClose();
    EXPECT_NE(testsupport::ReadFile(file).find(" to first"), std::string::npos);
    EXPECT_EQ(testsupport::ReadFile(file).find("to second"), std::string::npos);
    EXPECT_NE(testsupport::ReadFile(second).find(" to second"), std::string::npos);
}

TEST_F(LogFixture, EmptyNameGivesTheProgramLog) {
    oLog->LogOpen("", 1);
    oLog->LogClose();
    EXPECT_EQ(oLog->LogFileName(), paths::Join(testsupport::ProgramDir(), paths::ExeName() + ".LOG"));
    EXPECT_FALSE(testsupport::ReadFile(oLog->LogFileName()).empty());
}

TEST_F(LogFixture, CallListGrowsAndIsReported) {
    EXPECT_EQ(oLog->LogGetProcs(), "");
    for (int i = 1; i <= 101; ++i) oLog->LogTraceEnter("P" + std::to_string(i));
    std::string procs = oLog->LogGetProcs();
    EXPECT_EQ(procs.substr(0, 24), "\r\nProcedure Call-list...");
    EXPECT_NE(procs.find("\r\n->P1\r\n"), std::string::npos);
    EXPECT_EQ(procs.substr(procs.size() - 8), "\r\n->P101");
    EXPECT_EQ(oLog->Depth(), 101);  // reporting the list does not change it
}

TEST_F(LogFixture, TraceGuardHonoursTheSwitchesAndSkipsTheExitOnError) {
    oLog->LogOpen(file, 1);
    oDebug->LogApp = true;
    { TraceGuard t(TraceKind::App, "Traced"); }
    oDebug->LogZurudUvu = false;
    { TraceGuard t(TraceKind::ZurudUvu, "Silent"); }
    try {
        TraceGuard t(TraceKind::App, "Fails");
        throw 1;
    } catch (int) {
    }
    // A name made for the call outlives the text it was made from.
    { TraceGuard t(TraceKind::App, std::string("Built") + "(frmZelker)"); }
    // Off at the start, on at the end: only the exit line, and none when an
    // error leaves the procedure.
    oDebug->LogApp = false;
    {
        TraceGuard t(TraceKind::App, "LateOn");
        oDebug->LogApp = true;
    }
    oDebug->LogApp = false;
    try {
        TraceGuard t(TraceKind::App, "LateOnFails");
        oDebug->LogApp = true;
        throw 1;
    } catch (int) {
    }
    oLog->LogClose();
    std::string text = testsupport::ReadFile(file);
    EXPECT_NE(text.find("->Traced"), std::string::npos);
    EXPECT_NE(text.find("<-Traced"), std::string::npos);
    EXPECT_EQ(text.find("Silent"), std::string::npos);
    EXPECT_NE(text.find("->Fails"), std::string::npos);
    EXPECT_EQ(text.find("<-Fails"), std::string::npos);
    EXPECT_NE(text.find("->Built(frmZelker)"), std::string::npos);
    EXPECT_NE(text.find("<-Built(frmZelker)"), std::string::npos);
    EXPECT_EQ(text.find("->LateOn"), std::string::npos);
    EXPECT_NE(text.find("<-LateOn\r\n"), std::string::npos);
    EXPECT_EQ(text.find("LateOnFails"), std::string::npos);
}

TEST(cDebug, SetLogAllLeavesLogClasses) {
    oDebug->LogClasses = false;
    oDebug->SetLogAll();
    EXPECT_TRUE(oDebug->LogApp && oDebug->LogZurudUvu && oDebug->LogDebug && oDebug->LogEvents &&
                oDebug->LogMouseEvents);
    EXPECT_FALSE(oDebug->LogClasses);
    oDebug->UnsetLogAll();
    EXPECT_FALSE(oDebug->LogApp || oDebug->LogEvents);
}
