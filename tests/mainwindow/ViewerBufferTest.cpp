// The viewer's line buffer: reading a file, and the eight paging operations.
#include <gtest/gtest.h>

#include "common/ErrorTrap.h"
#include "Fakes.h"
#include "mainwindow/MFILESET.h"
#include "common/SharedState.h"
#include "Lend.h"
#include "TestSupport.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

std::string Lines(int count, int codeLine = 0) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += (i == codeLine ? "   attribute VB_Name = \"L" : "L") + std::to_string(i) + "\r\n";
    return text;
}

// The first and last line number shown in a window text ("L7\r\n...").
std::pair<long, long> Shown(const std::string& text) {
    auto lines = vb::Split(text, "\r\n");
    lines.pop_back();  // after the final line end
    auto number = [](const std::string& l) { return std::stol(l.substr(l.find('L') + 1)); };
    return {number(lines.front()), number(lines.back())};
}

struct ViewerBuffer : ::testing::Test {
    FakeViewerControls controls;
    FakeCaption status;
    testsupport::Lend<IViewerControls*> viewer{goViewerControls, &controls};
    testsupport::Lend<ICaption*> statusLine{gctlStatus, &status};
    testsupport::Lend<long> windowLines{glLinesInWindow, 20};
    testsupport::Lend<bool> busy{gblnBufferBusy};
    std::string path;

    void SetUp() override {
        path = testsupport::ProgramDir() + "/hundred.bas";
        testsupport::WriteFile(path, Lines(100, 5));
    }

    std::string Page(long op) {
        gblnBufferBusy = true;
        return fsGetBuffer(op);
    }
};

}  // namespace

TEST_F(ViewerBuffer, ReadsTheFileAndPreparesTheScrollBar) {
    sbGetFile(path);
    EXPECT_EQ(glLinesInFile, 100);
    EXPECT_EQ(glCodeStartLine, 5);
    EXPECT_EQ(gtLineBuffer[100].Text, "L100");
    EXPECT_EQ(gtLineBuffer[100].LineNo, 100);
    EXPECT_EQ(giSourceFileNo, 0);
    EXPECT_TRUE(controls.scrollEnabled);
    EXPECT_EQ(controls.scrollMax, 81);  // one place for each first line of a window
    EXPECT_EQ(controls.scrollValue, 1);
    // The count of lines read is over once the file is in.
    EXPECT_EQ(status.text, "Ready");
    EXPECT_EQ(testsupport::Ui().Pointer, pointer::vbDefault);
}

TEST_F(ViewerBuffer, PagingTableOnAHundredLines) {
    sbGetFile(path);
    struct Step {
        long op;
        long presetCurrent;  // 0 keeps the current line
        long start, current, first, last;
    };
    const Step steps[] = {
        {FileStart, 0, 1, 1, 1, 21},
        {FILEDOWNALINE, 0, 2, 2, 2, 22},
        {FILEDOWNAPAGE, 0, 22, 22, 22, 42},
        {FILEUPALINE, 0, 21, 21, 21, 41},
        {FILEUPAPAGE, 0, 1, 1, 1, 21},        // from a start at most W + 1: a full first window
        {FILEATCODE, 0, 5, 5, 5, 25},
        {FILESETPOSITION, 50, 50, 50, 50, 70},
        // Too near the end: the window whose last full row shows the last line.
        {FILESETPOSITION, 90, 81, 81, 81, 100},
        {FILEATEND, 0, 81, 81, 81, 100},
        {FILEDOWNAPAGE, 0, 100, 80, 100, 100},  // past the last full window: what remains, never nothing
        {0, 0, 100, 80, 100, 100},              // no move
        {9, 0, 100, 80, 100, 100},
        {FILEUPALINE, 0, 99, 79, 99, 100},
        {FILEUPAPAGE, 0, 79, 79, 79, 99},        // the current line stays while above line W + 1
    };
    for (const Step& s : steps) {
        if (s.presetCurrent) glCurrentFilePointer = s.presetCurrent;
        const std::string text = Page(s.op);
        SCOPED_TRACE("operation " + std::to_string(s.op));
        EXPECT_EQ(glCurrentBufferStart, s.start);
        EXPECT_EQ(glCurrentFilePointer, s.current);
        EXPECT_EQ(Shown(text), std::make_pair(s.first, s.last));
        EXPECT_EQ(controls.label, "Line: " + std::to_string(s.start) + " of 100");
        EXPECT_FALSE(gblnBufferBusy);
    }
}

TEST_F(ViewerBuffer, AnUnannouncedCallChangesNothing) {
    sbGetFile(path);
    Page(FILEATCODE);
    controls.label = "unchanged";
    gblnBufferBusy = false;
    EXPECT_EQ(fsGetBuffer(FileStart), "");
    EXPECT_EQ(glCurrentBufferStart, 5);
    EXPECT_EQ(controls.label, "unchanged");
}

TEST_F(ViewerBuffer, SmallEmptyAndHugeFiles) {
    // Fewer lines than the window: no scrolling, every move shows the file.
    testsupport::WriteFile(path, Lines(7));
    sbGetFile(path);
    EXPECT_FALSE(controls.scrollEnabled);
    EXPECT_EQ(glCodeStartLine, 1);
    EXPECT_EQ(Shown(Page(FILEATEND)), std::make_pair(1L, 7L));
    glCurrentFilePointer = 4;
    EXPECT_EQ(Shown(Page(FILESETPOSITION)), std::make_pair(1L, 7L));
    EXPECT_EQ(glCurrentFilePointer, 1);
    EXPECT_EQ(Shown(Page(FILEATCODE)), std::make_pair(1L, 7L));

    // An empty file is one empty line.
    testsupport::WriteFile(path, "");
    sbGetFile(path);
    EXPECT_EQ(glLinesInFile, 1);
    EXPECT_EQ(Page(FileStart), "\r\n");
    EXPECT_EQ(controls.label, "Line: 1 of 1");

    // A file without a final line end keeps its last line; LF alone ends a line.
    testsupport::WriteFile(path, "a\nb\r\nc");
    sbGetFile(path);
    EXPECT_EQ(glLinesInFile, 3);
    EXPECT_EQ(Page(FileStart), "a\r\nb\r\nc\r\n");

    // More lines than a 16-bit scroll bar could count: still one place for
    // each first line.
    testsupport::WriteFile(path, Lines(40000));
    sbGetFile(path);
    EXPECT_EQ(glLinesInFile, 40000);
    EXPECT_EQ(controls.scrollMax, 39981);
}

TEST_F(ViewerBuffer, NeverReadsPastTheLinesHeld) {
    // The file processing keeps its own estimate in glLinesInFile while it runs.
    sbGetFile(path);
    glLinesInFile = 5000;
    glCurrentFilePointer = 4990;
    EXPECT_EQ(Page(FILESETPOSITION), "");
    glLinesInFile = 100;
}

// A file gone since it was opened is the caller's to tell the user about:
// the program goes on, and nothing of the file shown before stays.
TEST_F(ViewerBuffer, AMissingFileRaisesAndLeavesAnEmptyBuffer) {
    sbGetFile(path);
    try {
        sbGetFile(path + ".missing");
        FAIL() << "no error";
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, 53);
        EXPECT_EQ(e.Location, path + ".missing");
    }
    EXPECT_EQ(glLinesInFile, 1);
    EXPECT_EQ(gtLineBuffer[1].Text, "");
    EXPECT_FALSE(controls.scrollEnabled);
    EXPECT_EQ(giSourceFileNo, 0);
    EXPECT_EQ(testsupport::Ui().Pointer, pointer::vbDefault);
}

TEST_F(ViewerBuffer, TracesTheWindowUnderTheAppSwitch) {
    sbGetFile(path);
    oDebug->LogApp = true;
    const std::string log = testsupport::ProgramDir() + "/trace.log";
    oLog->LogOpen(log, 1);
    Page(FILEATCODE);
    oLog->LogClose();
    const std::string text = testsupport::ReadFile(log);
    EXPECT_NE(text.find(" anWhich=6\r\n glCurrentBufferStart="), std::string::npos);
    EXPECT_NE(text.find(" FILEATCODE=anWhich=6\r\n"), std::string::npos);
    EXPECT_NE(text.find(" Exit=anWhich=6\r\n glCurrentBufferStart=5\r\n glLinesInWindow=20\r\n glLinesInFile=100"),
              std::string::npos);
}
