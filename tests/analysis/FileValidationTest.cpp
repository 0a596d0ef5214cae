#include <filesystem>
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "common/AppIdentity.h"
#include "analysis/FileValidation.h"
#include "analysis/KeywordTable.h"
#include "TestSupport.h"
#include "platform/VBError.h"
#include "common/mKEMCommon.h"

using namespace analysistest;

namespace {

struct Outcome {
    std::string dialect;
    int status;
    int reason;
};

Outcome Validate(std::string path) {
    oDebug->ClearStatus();
    std::string dialect = "unset";
    BabValidateFile(path, dialect);
    return {dialect, oDebug->StatusCode, oDebug->ReasonCode};
}

std::string Repeat(char c, size_t n) { return std::string(n, c); }

// A file whose reading fails with a device error (error 57).
std::string UnreadableFile() {
    std::string path = testsupport::MakeDir("dev") + "/locked.bas";
    std::filesystem::create_symlink("/proc/self/mem", path);
    return path;
}

}  // namespace

TEST(FileValidation, FirstLinesAndTheirDialects) {
    UseStandardKeywords();
    struct Row {
        std::string text;
        std::string dialect;
        int status, reason;
    };
    const Row rows[] = {
        {"VERSION 2.00\r\nBegin Form F\r\n", "3", 0, 0},
        {"VERSION 4.00\r\n", "4", 0, 0},
        {"VERSION 5.00\r\n", "6", 0, 0},
        {"VERSION 1.0 CLASS\r\n", "6", 0, 0},
        {"Attribute VB_Name = \"Utils\"\r\n", "6", 0, 0},
        {"\r\n\r\nVERSION 5.00\r\n", "6", 0, 0},
        {"Option Explicit\r\n", "?", 0, 0},
        {"' comment\r\n", "?", 0, 0},
        {"defint A-Z\r\n", "?", 0, 0},
        {"VERSION 5.00 extra\r\n", "?", 0, 0},
        {"VERSION 3.00\r\n", "?", 0, 0},
        {"Attribute VB_Name \"X\"\r\n", "?", 0, 0},
        {"  Sub Main()\r\n", "?", 20, 1},
        {"Hello world\r\n", "?", 20, 1},
        {"\r\n\r\n", "?", 4, 1},
        {"", "?", 4, 2},
        {std::string("Option\0Explicit\r\n", 17), "?", 4, 2},
        {"Option \xff\r\n", "?", 4, 2},
        {Repeat('x', 2049) + "\r\n", "?", 4, 2},
        {"Sub " + Repeat('x', 2044) + "\r\n", "?", 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text.substr(0, 30));
        Outcome o = Validate(WriteSource("v.bas", r.text));
        EXPECT_EQ(o.dialect, r.dialect);
        EXPECT_EQ(o.status, r.status);
        EXPECT_EQ(o.reason, r.reason);
        // The text already read is judged as its file is.
        oDebug->ClearStatus();
        std::string dialect = "unset";
        BabValidateText(r.text, "/nowhere/v.bas", dialect);
        EXPECT_EQ(dialect, r.dialect);
        EXPECT_EQ(oDebug->StatusCode, r.status);
        EXPECT_EQ(oDebug->ReasonCode, r.reason);
    }
}

TEST(FileValidation, ReadFailuresAreLogged) {
    UseStandardKeywords();
    LogCapture log;
    std::string empty = WriteSource("empty.bas", "");
    Validate(empty);
    EXPECT_NE(log.Text().find("Module BabValidateFile diagnosed VBErr=62 on file " + empty), std::string::npos);
    std::string binary = WriteSource("bin.bas", std::string("MZ\0\0", 4));
    Validate(binary);
    EXPECT_NE(log.Text().find("Module BabValidateFile diagnosed VBErr=14 on file " + binary), std::string::npos);
    EXPECT_TRUE(testsupport::Ui().Messages.empty());
}

TEST(FileValidation, FilesThatCannotBeOpened) {
    UseStandardKeywords();
    LogCapture log;
    std::string missing = testsupport::MakeDir("none") + "/missing.bas";
    EXPECT_EQ(Validate(missing).status, 7);
    EXPECT_NE(log.Text().find("=====>\r\nThe following error occurred processing " + missing +
                              ".\r\n\r\nFile not found\r\n<=====\r\nVBErr=53"),
              std::string::npos);
    EXPECT_TRUE(testsupport::Ui().Messages.empty());

    // A device error may pass: Retry tries again, Cancel gives up.
    std::string locked = UnreadableFile();
    testsupport::Ui().MsgBoxAnswers = {mb::vbRetry, mb::vbCancel};
    EXPECT_EQ(Validate(locked).status, 12);
    ASSERT_EQ(testsupport::Ui().Messages.size(), 2u);
    const auto& m = testsupport::Ui().Messages[0];
    EXPECT_EQ(m.Prompt, locked + "\r\n\r\nDevice I/O error");
    EXPECT_EQ(m.Buttons, 309);
    EXPECT_EQ(m.Title, app::kTitle);
    EXPECT_EQ(log.Count("\r\n<=====\r\nVBErr=57"), 2u);
}

TEST(FileValidation, NeedsInitAndAName) {
    UseStandardKeywords();
    std::string dialect;
    std::string blank = "   ";
    oDebug->ClearStatus();
    EXPECT_THROW(BabValidateFile(blank, dialect), VBError);
    EXPECT_EQ(oDebug->StatusCode, 3);
    BabReset();
    std::string name = WriteSource("a.bas", "Option Explicit\r\n");
    EXPECT_THROW(BabValidateFile(name, dialect), VBError);
    EXPECT_EQ(oDebug->StatusCode, 2);
}

TEST(FileValidation, TheListKeepsWhatCanBeProcessed) {
    UseStandardKeywords();
    LogCapture log;
    std::string good = WriteSource("good.bas", "Option Explicit\r\n");
    std::string odd = WriteSource("odd.bas", "Hello\r\n");
    std::string missing = testsupport::MakeDir("none") + "/missing.bas";
    std::string binary = WriteSource("bin.frm", std::string("\0\1", 2));
    std::string blank = WriteSource("blank.bas", "\r\n");
    std::string blank2 = testsupport::MakeDir("b2") + "/blank2.bas";
    testsupport::WriteFile(blank2, "\r\n\r\n");

    std::vector<std::string> names = {"not looked at", good, "", missing, odd, binary, blank, blank2};
    // No, do not cancel; the binary file's notice; keep blank.bas, drop blank2.bas.
    testsupport::Ui().MsgBoxAnswers = {mb::vbNo, mb::vbOK, mb::vbYes, mb::vbNo};
    VBFileValidate(names, true);
    EXPECT_EQ(names, (std::vector<std::string>{"not looked at", good, "", "", odd, "", blank, ""}));
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(oDebug->ReasonCode, 0);

    const auto& msgs = testsupport::Ui().Messages;
    ASSERT_EQ(msgs.size(), 4u);
    EXPECT_EQ(msgs[0].Prompt, "There are errors in processing\r\nFile: " + missing +
                                  "\r\nWas Not Found\r\n\r\nDo you want to cancel processing?");
    EXPECT_EQ(msgs[0].Buttons, 292);
    EXPECT_EQ(msgs[1].Prompt, binary + "\r\nis not a Visual Basic source-file and cannot be processed.");
    EXPECT_EQ(msgs[1].Buttons, 49);
    std::string question = blank +
                           "\r\nis not a text mode Visual Basic source file.\r\n\r\n"
                           "If this is a Visual Basic 3 binary mode file, resave it in Visual Basic 3 by using the "
                           "File/Save File As menu item with the Save as Text box checked.  \r\n\r\n"
                           "If this file is from another dialect of Basic, Zelker can attempt to process it.\r\n\r\n"
                           "Do you want to process it anyway?";
    EXPECT_EQ(msgs[2].Prompt, question);
    EXPECT_EQ(msgs[2].Buttons, 36);
    for (const auto& m : msgs) EXPECT_EQ(m.Title, app::kTitle);
    EXPECT_NE(log.Text().find("=====>\r\n" + question + "\r\n<====="), std::string::npos);
    EXPECT_NE(log.Text().find("File removed=" + blank2), std::string::npos);
    EXPECT_NE(log.Text().find("=====>\r\n" + binary + "\r\nis not a Visual Basic"), std::string::npos);
}

TEST(FileValidation, CancellingLeavesTheRestUntouched) {
    UseStandardKeywords();
    std::string missing = testsupport::MakeDir("none") + "/missing.bas";
    std::string blank = WriteSource("blank.bas", "\r\n");
    std::string locked = UnreadableFile();

    std::vector<std::string> names = {"", missing, blank};
    testsupport::Ui().MsgBoxAnswers = {mb::vbYes};
    VBFileValidate(names, true);
    EXPECT_EQ(oDebug->StatusCode, 8);
    EXPECT_EQ(names, (std::vector<std::string>{"", "", blank}));
    EXPECT_EQ(testsupport::Ui().Messages.size(), 1u);

    // Without overriding, a file without lines goes silently; a cancelled
    // retry asks the question without "Was Not Found".
    testsupport::Ui().Messages.clear();
    names = {"", blank, locked};
    testsupport::Ui().MsgBoxAnswers = {mb::vbCancel, mb::vbNo};
    testsupport::Ui().NextAnswer = 0;
    VBFileValidate(names, false);
    EXPECT_EQ(names, (std::vector<std::string>{"", "", ""}));
    ASSERT_EQ(testsupport::Ui().Messages.size(), 2u);
    EXPECT_EQ(testsupport::Ui().Messages[1].Prompt,
              "There are errors in processing\r\n\r\nDo you want to cancel processing?");
    EXPECT_EQ(oDebug->StatusCode, 0);
}
