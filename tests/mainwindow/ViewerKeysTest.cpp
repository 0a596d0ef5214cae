// The viewer's keys, scroll bar and start items over the line buffer.
#include <gtest/gtest.h>

#include "Fakes.h"
#include "platform/KeyCodes.h"
#include "mainwindow/MFILESET.h"
#include "common/SharedState.h"
#include "TestSupport.h"
#include "mainwindow/Viewer.h"

using namespace vbkey;

namespace {

struct ViewerKeys : ::testing::Test {
    FakeViewerControls controls;
    ViewerState state;

    void SetUp() override {
        goViewerControls = &controls;
        controls.onChange = [this] { sbViewerScrollChange(state); };
        glLinesInWindow = 20;
        Load(100);
    }
    void TearDown() override { goViewerControls = nullptr; }

    void Load(int lines) {
        std::string text;
        for (int i = 1; i <= lines; ++i) text += "L" + std::to_string(i) + "\r\n";
        const std::string path = testsupport::ProgramDir() + "/file.bas";
        testsupport::WriteFile(path, text);
        sbGetFile(path);
        sbViewerFileLoaded(state);
    }

    bool Key(int code, int shift = 0) {
        const std::string before = controls.text;
        bool swallowed = fbViewerKeyDown(code, shift, state);
        // A key that passes moves the caret within the window, as the text box does.
        if (!swallowed && (code == vbKeyUp || code == vbKeyDown) && controls.text == before) {
            long row = 0, column = 0;
            sbTextRowColumn(controls.text, controls.caret, row, column);
            controls.caret = fnTextPosition(controls.text, code == vbKeyUp ? row - 1 : row + 1, column);
        }
        return swallowed;
    }
    long CaretRow() const {
        long row = 0, column = 0;
        sbTextRowColumn(controls.text, controls.caret, row, column);
        return row;
    }
};

}  // namespace

TEST_F(ViewerKeys, KeyTable) {
    struct Case {
        const char* what;
        int key, shift;
        bool swallowed;
        long start, current, row;
        const char* label;
    };
    const Case cases[] = {
        {"Up at the first line does nothing", vbKeyUp, 0, false, 1, 1, 1, "Line: 1 of 100"},
        {"Down moves the caret", vbKeyDown, 0, false, 1, 2, 2, "Line: 2 of 100"},
        {"Page Down", vbKeyPageDown, 0, true, 21, 21, 1, "Line: 21 of 100"},
        {"Page Up", vbKeyPageUp, 0, true, 1, 1, 1, "Line: 1 of 100"},
        {"Ctrl+End shows the last window", vbKeyEnd, vbCtrlMask, true, 81, 101, 20, "Line: 100 of 100"},
        {"Page Down in the last window moves nothing", vbKeyPageDown, 0, true, 81, 101, 1, "Line: 81 of 100"},
        {"Ctrl+Home shows the first window", vbKeyHome, vbCtrlMask, true, 1, 1, 1, "Line: 1 of 100"},
        {"a letter is swallowed", 'A', 0, true, 1, 1, 1, "Line: 1 of 100"},
        {"Ctrl+V is swallowed", 'V', vbCtrlMask, true, 1, 1, 1, "Line: 1 of 100"},
        {"Delete is swallowed", vbKeyDelete, 0, true, 1, 1, 1, "Line: 1 of 100"},
        {"Backspace is swallowed", vbKeyBack, 0, true, 1, 1, 1, "Line: 1 of 100"},
        {"Home moves within the line", vbKeyHome, 0, false, 1, 1, 1, "Line: 1 of 100"},
        {"Right moves within the line", vbKeyRight, 0, false, 1, 1, 1, "Line: 1 of 100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = controls.text;
        EXPECT_EQ(Key(c.key, c.shift), c.swallowed);
        EXPECT_EQ(glCurrentBufferStart, c.start);
        EXPECT_EQ(glCurrentFilePointer, c.current);
        EXPECT_EQ(glCurrentWindowPointer, c.row);
        EXPECT_EQ(CaretRow(), c.row);
        EXPECT_EQ(controls.label, c.label);
        if (c.key == 'A' || c.key == 'V' || c.key == vbKeyDelete || c.key == vbKeyBack) {
            EXPECT_EQ(controls.text, text);
        }
    }
}

TEST_F(ViewerKeys, HelpAndAltTabAreLeftAlone) {
    controls.label = "before";
    EXPECT_FALSE(Key(vbKeyF1));
    EXPECT_FALSE(Key(vbKeyTab, vbAltMask));
    EXPECT_EQ(controls.label, "before");
}

TEST_F(ViewerKeys, ScrollBarFollowsTheKeysWithoutMovingTheWindowAgain) {
    Key(vbKeyPageDown);
    EXPECT_EQ(controls.scrollValue, 21);
    EXPECT_EQ(glCurrentBufferStart, 21);  // the bar's own change did not move the window
    EXPECT_TRUE(state.mblnScrollActive);  // set again at the end of the change
    // Ctrl+End puts the thumb at the end; Ctrl+Home sets it to 1.
    Key(vbKeyEnd, vbCtrlMask);
    EXPECT_EQ(controls.scrollValue, controls.scrollMax);
    EXPECT_EQ(glCurrentBufferStart, 81);
    Key(vbKeyHome, vbCtrlMask);
    EXPECT_EQ(controls.scrollValue, 1);
}

TEST_F(ViewerKeys, DownScrollsLineByLineToTheLastLine) {
    for (int i = 1; i < 20; ++i) EXPECT_FALSE(Key(vbKeyDown));
    EXPECT_EQ(glCurrentWindowPointer, 20);
    EXPECT_TRUE(Key(vbKeyDown));  // the window scrolls one line
    EXPECT_EQ(glCurrentBufferStart, 2);
    EXPECT_EQ(CaretRow(), 20);  // the caret stays on its row
    for (int i = 0; i < 200; ++i) Key(vbKeyDown);
    // The caret reached the file's last line and stops there.
    EXPECT_EQ(glCurrentBufferStart, 81);
    EXPECT_EQ(controls.label, "Line: 100 of 100");
    EXPECT_TRUE(Key(vbKeyDown));
    EXPECT_EQ(controls.label, "Line: 100 of 100");
    // Up at the window's first row scrolls back one line at a time.
    for (int i = 1; i < 20; ++i) Key(vbKeyUp);
    EXPECT_EQ(glCurrentWindowPointer, 1);
    EXPECT_TRUE(Key(vbKeyUp));
    EXPECT_EQ(glCurrentBufferStart, 80);
    EXPECT_EQ(controls.label, "Line: 80 of 100");
}

TEST_F(ViewerKeys, DownStopsAtTheLastLineOfAShortFile) {
    Load(5);
    for (int i = 0; i < 10; ++i) Key(vbKeyDown);
    EXPECT_EQ(glCurrentWindowPointer, 5);
    EXPECT_EQ(controls.label, "Line: 5 of 5");
}

TEST_F(ViewerKeys, ScrollBarMovesTheWindow) {
    state.mblnScrollActive = true;
    controls.SetScrollValue(50);
    EXPECT_EQ(glCurrentBufferStart, 50);
    EXPECT_EQ(controls.label, "Line: 50 of 100");
    controls.SetScrollValue(100);  // the end: the last line on the last full row
    EXPECT_EQ(glCurrentBufferStart, 81);
    controls.scrollValue = 33;
    sbViewerScroll(state);  // dragging the thumb
    EXPECT_EQ(glCurrentBufferStart, 33);
}

TEST_F(ViewerKeys, StartItems) {
    Key(vbKeyPageDown);
    sbViewerStart(1, state);
    EXPECT_EQ(glCurrentBufferStart, 1);
    EXPECT_EQ(controls.scrollValue, 1);
    EXPECT_TRUE(state.mblnScrollActive);
}

TEST_F(ViewerKeys, EveryLineOfALargeFileHasItsPlaceOnTheScrollBar) {
    Load(40000);
    EXPECT_EQ(controls.scrollMax, 39981);
    state.mblnScrollActive = true;
    // Beyond what a 16-bit bar counts, each value is its own first line, so
    // an arrow moves one line and the track one window.
    for (long value : {32767L, 32768L, 32769L, 39000L, 39981L}) {
        controls.SetScrollValue(value);
        EXPECT_EQ(glCurrentBufferStart, value);
    }
    controls.SetScrollValue(39000);
    controls.SetScrollValue(39001);
    EXPECT_EQ(glCurrentBufferStart, 39001);
    controls.SetScrollValue(39001 + 20);
    EXPECT_EQ(glCurrentBufferStart, 39021);
    // The keys put the thumb where the window stands, Ctrl+End at the end.
    for (int i = 0; i < 1000; ++i) Key(vbKeyPageDown);
    EXPECT_EQ(glCurrentBufferStart, 39981);
    Key(vbKeyHome, vbCtrlMask);
    for (int i = 0; i < 1000; ++i) Key(vbKeyPageDown);
    EXPECT_EQ(controls.scrollValue, 20001);
    Key(vbKeyEnd, vbCtrlMask);
    EXPECT_EQ(controls.scrollValue, 39981);
    EXPECT_EQ(controls.label, "Line: 40000 of 40000");
}

TEST_F(ViewerKeys, TheWheelMovesTheWindowAsTheScrollBarDoes) {
    sbViewerWheel(3, state);
    EXPECT_EQ(glCurrentBufferStart, 4);
    EXPECT_EQ(controls.scrollValue, 4);
    EXPECT_EQ(controls.label, "Line: 4 of 100");
    sbViewerWheel(-10, state);
    EXPECT_EQ(glCurrentBufferStart, 1);
    sbViewerWheel(500, state);  // to the end, the last line on the last full row
    EXPECT_EQ(glCurrentBufferStart, 81);
    EXPECT_EQ(controls.text.substr(0, 5), "L81\r\n");
    EXPECT_EQ(controls.text.substr(controls.text.size() - 6), "L100\r\n");
    // After the keys cleared the bar's flag the wheel still moves.
    Key(vbKeyPageUp);
    sbViewerWheel(3, state);
    EXPECT_EQ(glCurrentBufferStart, 64);
}

TEST_F(ViewerKeys, AClickMakesTheCaretsLineCurrent) {
    Key(vbKeyPageDown);
    controls.caret = fnTextPosition(controls.text, 6, 1);
    sbViewerClick(state);
    EXPECT_EQ(glCurrentWindowPointer, 6);
    EXPECT_EQ(glCurrentFilePointer, 27);
    Key(vbKeyDown);
    EXPECT_EQ(controls.label, "Line: 27 of 100");
}
