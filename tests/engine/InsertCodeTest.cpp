#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArrangeTestSupport.h"
#include "settings/ProgramOptions.h"
#include "engine/EngineState.h"
#include "EngineTestSupport.h"
#include "engine/InsertCode.h"
#include "engine/ZelkRun.h"

using namespace arrangetest;

namespace {

const std::vector<std::string> kProcedures = {
    "Sub DoIt()",                          // 1
    "End Sub",                             // 2
    "Function Calc() As Long",             // 3
    "End Function",                        // 4
    "Property Get Value() As Long",        // 5
    "End Property",                        // 6
    "Property Let Value(v As Long)",       // 7
    "End Property",                        // 8
    "Property Set Target(o As Object)",    // 9
    "End Property",                        // 10
};

class InsertCodeTest : public ArrangeTest {
protected:
    void SetUp() override {
        ArrangeTest::SetUp();
        options = enginetest::LoadSettings();
        ParseLines(kProcedures);
        model.gsModuleName = "Shop";
    }
    std::string Program(const std::string& name, const std::string& text) {
        std::string path = paths::Join(testsupport::ProgramDir(), name);
        testsupport::WriteFile(path, text);
        return path;
    }
};

TEST_F(InsertCodeTest, TemplatePlaceholdersTakeTheModuleProcedureAndKeyword) {
    options.gsErrTrap = Program("trap.txt", "Exit @SUB ' @module.@Procedure\nErr:\n");
    struct Case {
        const char* Proc;
        const char* Keyword;
    };
    // A Property Set leaves with Exit Property like the other property
    // procedures, although it carries the kind letter of a Sub.
    for (const Case& c : {Case{"DoIt", "Sub"}, Case{"Calc", "Function"}, Case{"Value [PropertyGet]", "Property"},
                          Case{"Value [PropertyLet]", "Property"}, Case{"Target [PropertySet]", "Property"}}) {
        run.gsCurrentProc = c.Proc;
        EXPECT_EQ(GetInsertText(run, "ErrTrap", ProcIndex(c.Proc)),
                  std::string("Exit ") + c.Keyword + " ' Shop." + c.Proc + "\r\nErr:\r\n");
    }
    // Without a procedure index "@Sub" stays as it is.
    options.gsTraceIn = Program("in.txt", "Enter @Sub");
    EXPECT_EQ(GetInsertText(run, "TraceOn", 0), "Enter @Sub");
}

TEST_F(InsertCodeTest, MissingTemplateOrUnknownRequestInsertsNothingAndWarns) {
    enginetest::RunFiles files(run);
    options.gsErrSet = paths::Join(testsupport::ProgramDir(), "none.txt");
    run.gsCurrentProc = "DoIt";
    sbInsertTracing(run, "ErrSet", 0);
    EXPECT_EQ(GetInsertText(run, "Bogus", 0), "");
    EXPECT_EQ(files.Log(), (std::vector<std::string>{"WARNING:  Insertion file not found " + options.gsErrSet,
                                                     "WARNING:  Bad request for insert"}));
    // Nothing reaches the writer, not even an empty line.
    EXPECT_TRUE(files.Output().empty());
}

TEST_F(InsertCodeTest, LoggingFilesNameTheProcedureAndLeaveWithItsKeyword) {
    Program("zlogpro1.txt", "LogIn \"@@\", \"@@\"\r\n");
    Program("zlogpro2.txt", "LogOut \"@@\"\r\nExit Sub ' sub\r\nEnd Sub\r\n");
    struct Case {
        const char* Proc;
        int FunctionPos;
        const char* Keyword;
    };
    for (const Case& c : {Case{"DoIt", 0, "Sub"}, Case{"Calc", 5, "Function"}, Case{"Value [PropertyGet]", 0, "Property"},
                          Case{"Target [PropertySet]", 0, "Property"}}) {
        enginetest::RunFiles files(run);
        run.gsCurrentProc = c.Proc;
        sbLogInsert(run, "U", 1, -1);
        sbLogInsert(run, "U", 2, c.FunctionPos);
        const std::string k = c.Keyword;
        EXPECT_EQ(files.Output(), (std::vector<std::string>{"LogIn \"" + std::string(c.Proc) + "\", \"@@\"",
                                                            "LogOut \"" + std::string(c.Proc) + "\"",
                                                            "Exit " + k + " ' sub", "End " + k}))
            << c.Proc;
    }
}

TEST_F(InsertCodeTest, MissingOrEmptyLoggingFileWarnsAndKeepsTheEndLine) {
    enginetest::RunFiles files(run);
    Program("zlogevt1.txt", "");
    run.gsCurrentProc = "Calc";
    sbLogInsert(run, "E", 1, -1);
    run.glCurrentStatement = StatementOfLine(4);
    sbLogInsert(run, "E", 2, 5);
    sbLogInsert(run, "X", 1, -1);
    EXPECT_EQ(files.Output(), std::vector<std::string>{"End Function"});
    EXPECT_EQ(files.Log(), (std::vector<std::string>{"WARNING:  Insertion file not found " + LoggingFileName("E", 1),
                                                     "WARNING:  Insertion file not found " + LoggingFileName("E", 2),
                                                     "Bad File for Log"}));
}

}  // namespace
