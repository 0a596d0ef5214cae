#include <gtest/gtest.h>

#include "ArrangeTestSupport.h"
#include "engine/Conversions.h"
#include "analysis/SourceModel.h"

using namespace arrangetest;

namespace {

struct Case {
    const char* Input;
    const char* Expected;
};

class ConversionsTest : public ArrangeTest {
protected:
    // Converts the single statement of a one-line procedure body.
    std::string Converted(const std::string& line, void (*convert)(SourceModel&, BabStatement&)) {
        ParseLines({"Sub Test()", line, "End Sub"});
        long s = StatementOfLine(2);
        BabStatement copy = model.yStatement[static_cast<size_t>(s)];
        convert(model, copy);
        return Text(s);
    }
};

TEST_F(ConversionsTest, MessageBoxConstantsAndNumbersBecomeVbConstants) {
    const Case cases[] = {
        {"MsgBox \"x\", MB_YESNO + MB_ICONQUESTION", "MsgBox \"x\", vbYesNo + vbQuestion"},
        {"MsgBox \"x\", MB_ICONSTOP", "MsgBox \"x\", vbCritical"},
        {"MsgBox \"x\", 36", "MsgBox \"x\", vbYesNo + vbQuestion + vbDefaultButton1"},
        {"MsgBox \"x\", 48", "MsgBox \"x\", vbExclamation"},
        {"MsgBox \"x\", 0", "MsgBox \"x\", vbOkOnly"},
        {"MsgBox \"x\", &H24", "MsgBox \"x\", vbYesNo + vbQuestion + vbDefaultButton1"},
        {"MsgBox \"x\", 4100", "MsgBox \"x\", vbYesNo + vbDefaultButton1 + vbSystemModal"},
        // Old names before the call are converted too; numbers after the
        // buttons argument are written as names of the same value.
        {"If r = IDYES Then Beep", "If r = vbYes Then Beep"},
        {"If MsgBox(\"Go?\", 4) = 6 Then Beep", "If MsgBox(\"Go?\", vbYesNo) = vbYes Then Beep"},
        {"If MsgBox(\"Go?\", MB_YESNO) = IDNO Then Beep", "If MsgBox(\"Go?\", vbYesNo) = vbNo Then Beep"},
        {"MsgBox \"Done\"", "MsgBox \"Done\""},
        {"MB_OK = 1", "vbOkOnly = 1"},
    };
    for (const Case& c : cases) EXPECT_EQ(Converted(c.Input, sbConvertMsgbox), c.Expected) << c.Input;
}

TEST_F(ConversionsTest, MessageBoxValueIsExpandedOnlyWhereTheSumKeepsItsValue) {
    const Case cases[] = {
        // 22 has no name for its buttons value 6: the names do not add up.
        {"MsgBox \"x\", 22", "MsgBox \"x\", 22"},
        {"MsgBox \"x\", 8196", "MsgBox \"x\", 8196"},
        // Next to an operator that binds tighter than "+", the sum is
        // parenthesised.
        {"r = MsgBox(\"x\", 36 * k)", "r = MsgBox(\"x\", (vbYesNo + vbQuestion + vbDefaultButton1) * k)"},
        {"r = MsgBox(\"x\", 36 + k)", "r = MsgBox(\"x\", vbYesNo + vbQuestion + vbDefaultButton1 + k)"},
        // The buttons argument is the call's own second argument, not a
        // number inside a nested call.
        {"MsgBox Left$(s, 20), 4", "MsgBox Left$(s, 20), vbYesNo"},
        {"r = MsgBox(Mid$(s, 2, 20), 36)", "r = MsgBox(Mid$(s, 2, 20), vbYesNo + vbQuestion + vbDefaultButton1)"},
    };
    for (const Case& c : cases) EXPECT_EQ(Converted(c.Input, sbConvertMsgbox), c.Expected) << c.Input;
}

TEST_F(ConversionsTest, ValueNamesAddUpExactly) {
    EXPECT_EQ(MsgBoxValueNames(36), "vbYesNo + vbQuestion + vbDefaultButton1");
    EXPECT_EQ(MsgBoxValueNames(4096 + 512 + 64 + 5),
              "vbRetryCancel + vbInformation + vbDefaultButton3 + vbSystemModal");
    EXPECT_EQ(MsgBoxValueNames(22), "");
    EXPECT_EQ(MsgBoxValueNames(36.4), "");
    EXPECT_EQ(MsgBoxValueNames(0), "");
    EXPECT_DOUBLE_EQ(MsgBoxNumberValue("&H1000"), 4096);
    EXPECT_DOUBLE_EQ(MsgBoxNumberValue("&O44"), 36);
    EXPECT_DOUBLE_EQ(MsgBoxNumberValue("36&"), 36);
    EXPECT_DOUBLE_EQ(MsgBoxNumberValue("vbYes"), 0);
}

TEST_F(ConversionsTest, OldDataAccessCallsBecomeTheirLaterForms) {
    const Case cases[] = {
        {"Set ds = db.CreateDynaset(sql)", "Set ds = db.OpenRecordset(sql, dbOpenDynaset)"},
        {"Set ds = db.CreateSnapshot(sql, DB_READONLY)", "Set ds = db.OpenRecordset(sql, dbOpenSnapshot, dbReadOnly)"},
        {"Set tb = db.OpenTable(\"Orders\", DB_DENYWRITE)",
         "Set tb = db.OpenRecordset(\"Orders\", dbOpenTable, dbDenyWrite)"},
        {"Set ds = db.CreateDynaset(Trim(sql))", "Set ds = db.OpenRecordset(Trim(sql), dbOpenDynaset)"},
        {"Set ds = db.CreateDynaset(Mid$(sql, 2), DB_SQLPASSTHROUGH)",
         "Set ds = db.OpenRecordset(Mid$(sql, 2), dbOpenDynaset, dbSQLPassthrough)"},
        {"Database.BeginTrans", "DBEngine.Workspaces(0).BeginTrans"},
        {"Database.Rollback", "DBEngine.Workspaces(0).Rollback"},
        {"n = db.ExecuteSQL(sql)", "n = db.Execute(sql)"},
        {"db.FreeLocks", "db.Idle"},
        {"db.CreateDynaset sql", "db.OpenRecordset sql, dbOpenDynaset"},
        // A DB_ constant without one of the three methods is left alone.
        {"opts = DB_READONLY", "opts = DB_READONLY"},
        // Only the first method of a statement is converted.
        {"Set a = db.CreateDynaset(q) : Set b = db.CreateSnapshot(q)",
         "Set a = db.OpenRecordset(q, dbOpenDynaset) : Set b = db.CreateSnapshot(q)"},
    };
    for (const Case& c : cases) {
        if (std::string(c.Input).find(" : ") != std::string::npos) {
            // Two statements on one line: each is converted on its own call.
            ParseLines({"Sub Test()", c.Input, "End Sub"});
            long s = StatementOfLine(2);
            BabStatement copy = model.yStatement[static_cast<size_t>(s)];
            sbConvertDAO(model, copy);
            EXPECT_EQ(Text(s) + Text(s + 1), c.Expected) << c.Input;
            continue;
        }
        EXPECT_EQ(Converted(c.Input, sbConvertDAO), c.Expected) << c.Input;
    }
}

TEST_F(ConversionsTest, TokensPastTheArrayAreReportedAndLeftAlone) {
    ParseLines({"Sub Test()", "    MsgBox \"x\", 36", "End Sub"});
    BabStatement stmt = model.yStatement[static_cast<size_t>(StatementOfLine(2))];
    stmt.LastToken = static_cast<long>(model.yToken.size()) + 2;
    EXPECT_NO_THROW(sbConvertMsgbox(model, stmt));
    EXPECT_NO_THROW(sbConvertDAO(model, stmt));
    ASSERT_EQ(testsupport::Ui().Messages.size(), 2u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Prompt, "Out of bound error in sbConvertMsgbox\r\nPlease report this to Zembrock");
    EXPECT_EQ(testsupport::Ui().Messages[0].Buttons, mb::vbCritical);
    EXPECT_EQ(testsupport::Ui().Messages[1].Prompt, "Out of bound error in sbConvertDAO\r\nPlease report this to Zembrock");
    EXPECT_EQ(Text(StatementOfLine(2)), "    MsgBox \"x\", 36");
}

}  // namespace
