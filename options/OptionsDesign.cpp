#include "options/OptionsDesign.h"

namespace {

enum Page { General, Indentation, Files, Spell, WhiteSpace, Comments, Blocks, Selection, Arrange, Replace,
            ErrorHandling, User };

// Adds controls of one page, each into the frame opened last (if any).
class PageBuilder {
public:
    PageBuilder(OptionControls& c, int page) : c_(c), page_(page) {}

    Control& Frame(const std::string& base, int index, const std::string& caption) {
        frame_.clear();
        Control& f = Add(CtlKind::Frame, base, index, caption);
        frame_ = f.Name;
        return f;
    }
    void EndFrame() { frame_.clear(); }
    Control& Check(const std::string& base, const std::string& caption, int index = -1) {
        return Add(CtlKind::CheckBox, base, index, caption);
    }
    Control& Option(const std::string& base, int index, const std::string& caption) {
        return Add(CtlKind::OptionButton, base, index, caption);
    }
    void Options(const std::string& base, const std::vector<std::string>& captions, int first = 0) {
        for (size_t i = 0; i < captions.size(); ++i) Option(base, first + static_cast<int>(i), captions[i]);
    }
    Control& Text(const std::string& base, int index = -1, const std::string& label = {}) {
        if (!label.empty()) Label(base + "Label", index, label);
        return Add(CtlKind::TextBox, base, index, "");
    }
    Control& Spin(const std::string& base, const std::string& text, long minVal = 1, long maxVal = 100) {
        Control& s = Add(CtlKind::SpinBox, base, -1, "");
        s.Text = text;
        s.MinVal = minVal;
        s.MaxVal = maxVal;
        s.Enabled = false;
        return s;
    }
    Control& Button(const std::string& base, int index, const std::string& caption) {
        return Add(CtlKind::CommandButton, base, index, caption);
    }
    Control& Label(const std::string& base, int index, const std::string& caption) {
        return Add(CtlKind::Label, base, index, caption);
    }
    Control& Combo(const std::string& base, int index, const std::string& label) {
        Label(base + "Label", index, label);
        return Add(CtlKind::ComboBox, base, index, "");
    }
    Control& List(const std::string& base, int index, const std::string& caption) {
        Control& l = Add(CtlKind::ListBox, base, index, caption);
        l.Enabled = false;
        return l;
    }

private:
    Control& Add(CtlKind kind, const std::string& base, int index, const std::string& caption) {
        Control& ctl = c_.Add(kind, base, index, page_, caption);
        ctl.Container = frame_;
        return ctl;
    }

    OptionControls& c_;
    int page_;
    std::string frame_;
};

void GeneralPage(OptionControls& c) {
    PageBuilder p(c, General);
    p.Frame("fraLineContinuation", -1, "Line Continuation");
    p.Options("optLines", {"Keep Existing Line Continuations", "Remove Existing Line Continuations"});
    p.Check("chkContinue", "Insert Line Continuations if Line Longer Than");
    p.Spin("spnLineLength", "72", 1, 999);
    p.Check("chkKeepIndentation", "Keep Indentation for Continued Lines");
    p.Frame("fraSplit", -1, "S&plit Options");
    p.Check("chkSplitIf", "Split Single-Line 'If' Statements");
    p.Check("chkSplitMultiLine", "Split Multi-Statement Lines");
    p.Check("chkSplitLabels", "Split Labels from Code");
    p.Check("chkKillNumericLabels", "Delete Numeric Labels (Line Numbers)");
    p.Frame("fraDeclarations", -1, "Declaration &Options ");
    p.Check("chkOptionExplicit", "Add 'Option Explicit' to Require Variable Declaration");
    p.Check("chkAlign", "Align Declarations 'As' Clauses in Column");
    p.Spin("spnAlignAs", "40");
    p.Check("chkSplitDeclaration", "Split Multiple Variable Declarations");
    p.Check("chkSplitConst", "Split Multiple 'Const' Declarations");
}

void IndentationPage(OptionControls& c) {
    PageBuilder p(c, Indentation);
    p.Check("chkASIS", "No Change");
    p.Frame("fraCodeLine", -1, "Code Line Indentation");
    p.Options("optIndent", {"AutoIndent", "No Indentation "});
    p.Spin("spnIndentBy", "4");
    p.Label("lblIndentBy", -1, "(same as indent amount = 0)");
    p.EndFrame();
    p.Check("chkDeclaration", "Indent Procedure Declarations");
    p.Check("chkDeclarationsModule", "Indent Module Declarations");
    p.Check("chkBaseLine", "Indent Base Lines");
    p.Frame("fraCase", -1, "Select Case Structure");
    p.Options("optIndentCase", {"Indent 'Case' One Indent Level from 'Select'", "Align 'Case' with 'Select'",
                                "Indent 'Case' 1/2 Indent Level "});
    p.Frame("fraElse", -1, "If... Else Structure");
    p.Options("optElse", {"Align 'Else' with 'If'", "Indent 'Else' 1/2 Indent Level"});
    c["optIndentCase_0"].Value = 1;
    c["optElse_0"].Value = 1;
}

void FilesPage(OptionControls& c) {
    PageBuilder p(c, Files);
    p.Frame("fraWhereToSave", -1, "Zelked Files");
    p.Options("optWhereToSave", {"Replace Current File With Zelked File - Create Backup File in Zelker Folder",
                                 "Retain Current File - Save Zelked File in Zelker Folder",
                                 "Replace Current File with Zelked File - Do Not Create Backup File"});
    p.Frame("fraBackupFiles", -1, "Zelker Folder");
    p.Options("optBackupDir", {"Use Default Folder: .\\ZELBAK", "Use Folder"});
    p.Text("txtBackupDir").Enabled = false;
    p.Button("cmdBackupTo", -1, "...").Enabled = false;
    p.Frame("fraOverWrite", -1, "If Backup File Exists, Then:");
    p.Options("optOVerwrite", {"Overwrite Prior Backup", "Ask Before Overwriting", "Cycle Backup Files"});
    p.Frame("fraOverwriteLog", -1, "If Log File Exists, Then:");
    p.Options("optOverwriteLog",
              {"Overwrite Prior Log File", "Ask Before Overwriting", "Cycle Log Files", "Do Not Save"});
    p.Check("chkSignificant", "Save only if Significant");
    c["optBackupDir_0"].Value = 1;
    c["optOVerwrite_0"].Value = 1;
    c["optOverwriteLog_0"].Value = 1;
}

void SpellPage(OptionControls& c) {
    PageBuilder p(c, Spell);
    p.Check("chkSpellDisable", "Disable Spell Checking");
    p.Frame("fraSpellWhat", -1, "Spell Check What");
    p.Check("chkSpellWhat", "Comments in Code", 0);
    p.Check("chkSpellWhat", "String Literals in Forms and Controls", 1);
    p.Check("chkSpellWhat", "String Literals in Code", 2);
    p.Frame("fraDoNotCheck", -1, "Do Not Check");
    p.Check("chkSpellWhat", "Words in UPPERCASE", 3);
    p.Check("chkSpellWhat", "Words with Numbers", 4);
    p.Check("chkSpellWhat", "Visual Basic Key Words", 5);
    p.Frame("fraDictionary", 0, "Custom Dictionary");
    p.Text("txtDictionary", 0);
    p.Button("cmdSpellDictionary", 0, "...");
    p.Frame("fraDictionary", 1, "Standard Dictionary");
    p.Text("txtDictionary", 1);
    p.Button("cmdSpellDictionary", 1, "...");
}

void WhiteSpacePage(OptionControls& c) {
    static const char* const kRows[] = {"Sub/Function/Property", "End Sub/Function/Property", "If",
                                        "Else/ElseIf", "End If", "For (Each)/Do/While/With",
                                        "Next/Loop/Wend/End With", "Select Case", "Case", "End Select",
                                        "Label (non-numeric)", "Declaration Group"};
    PageBuilder p(c, WhiteSpace);
    p.Check("chkNoWSChange", "No Change");
    p.Check("chkInsertWS", "Insert Blank Line").Enabled = false;
    p.Frame("fraInsertBlank", -1, "Program Statement");
    p.Label("lblBefore", -1, "Before");
    p.Label("lblAfter", -1, "After");
    for (int r = 0; r < 12; ++r) {
        p.Label("lblStatement", r, kRows[r]);
        p.Check("chkInsertBlank", "", 2 * r).Enabled = false;
        p.Check("chkInsertBlank", "", 2 * r + 1).Enabled = false;
    }
    p.Frame("fraXSLines", -1, "After processing insertion of white space ");
    p.Check("chkXSLines", "Limit consecutive blank lines to ");
    p.Spin("spnXSLines", "1", 0, 100);
}

void CommentsPage(OptionControls& c) {
    PageBuilder p(c, Comments);
    p.Frame("fraStandAlone", -1, "Stand-alone Comments");
    p.Options("optInlineStart", {"Start in Column", "Start at Indent Level of Next Line",
                                 "Start at Indent Level of Prior Line", "Remove ", "No Change"});
    p.Spin("spnCommentStart", "4");
    p.Frame("fraInLine", -1, "In-Line Comments");
    p.Options("optInLine", {"Start in Column", "Remove ", "No Change"});
    p.Spin("spnInLine", "40");
    p.Frame("fraPlace", -1, "If Column not Available, Place");
    p.Option("optRight", -1, "To Right of Last Used Column").Group = "fraPlace";
    p.Option("optNextLine", -1, "Next Line in Selected Column").Group = "fraPlace";
}

void BlocksPage(OptionControls& c) {
    PageBuilder p(c, Blocks);
    p.Frame("fraPositionBlock", -1, "Comment Block Positioning");
    p.Options("optPositionBlock", {"After Start of Procedure", "Before Start of Procedure"});
    p.Check("chkOverwriteBlock", "Overwrite Existing Comment Block");
    p.Check("chkInsertAutomatically", "Insert Without Asking");
    p.Frame("fraComments", -1, "If Checked, a Comment Block will be inserted for:");
    const char* const kinds[] = {"Module Level ", "User Defined Procedures", "Event Procedures"};
    for (int i = 0; i < 3; ++i) {
        p.Check("chkComments", kinds[i], i);
        p.Text("txtCommentFile", i, "File:");
        p.Button("cmdCommentBlock", i, "Define Block &" + std::to_string(i + 1));
    }
}

void SelectionPage(OptionControls& c) {
    PageBuilder p(c, Selection);
    p.Frame("fraExtensions", -1, "File Extensions");
    p.Combo("cboExtension", 0, "&Project");
    p.Combo("cboExtension", 1, "Desi&gner Objects");
    p.Combo("cboExtension", 2, "&Code");
    p.Combo("cboExtension", 3, "&Resource Script");
    p.Label("lblMessage", -1, "");
    p.Frame("fraDetection", -1, "Detection Method");
    p.Options("optAutoDetect", {"Auto Detect", "Manual Select"});
    p.Label("lblDialect", 0, "");
    p.Label("lblDialect", 1, "");
    p.Frame("fraDialect", -1, "Default Dialect");
    p.Options("optDialect", {"Visual Basic 3.0", "Visual Basic 4.0", "Visual Basic 5.0", "Visual Basic 6.0"}, 3);
    c["optDialect_6"].Value = 1;
}

void ArrangePage(OptionControls& c) {
    PageBuilder p(c, Arrange);
    p.Check("chkArrangeModule", "Order &Module Declare Statements");
    p.Frame("fraArrange", 1, "");
    p.List("lstOrderDeclarations", 2, "Scope Sequence");
    p.List("lstOrderDeclarations", 0, "");
    p.List("lstOrderDeclarations", 1, "Declaration Type Sequence");
    p.EndFrame();
    p.Check("chkChangeProcs", "Order &Procedures ");
    p.Frame("fraProcs", -1, "");
    p.List("lstOrderProcs", 2, "Scope Sequence");
    p.List("lstOrderProcs", 0, "");
    p.List("lstOrderProcs", 1, "Proc Type Sequence");
    p.EndFrame();
    p.Check("chkArrangeLocal", "&Local Declarations (Within a Procedure)");
    p.Frame("fraArrange", 0, "");
    p.List("lstOrderLocal", 0, "");
    p.List("lstOrderLocal", 1, "Declaration Type Sequence");
    for (const char* frame : {"fraArrange_0", "fraArrange_1", "fraProcs"}) c[frame].Enabled = false;
}

void ReplacePage(OptionControls& c) {
    PageBuilder p(c, Replace);
    p.Check("chkConvertDeclare", "Convert Dim to Private and Global to Public in Declarations Sections");
    p.Check("chkConvertMsgbox", "Convert MsgBox Calls to use Intrinsic Constants");
    p.Check("chkConvertDAO", "Convert DAO Calls to Version 3.0/3.5");
    p.Check("chkConvertSymbols", "Convert Type Declaration Characters in Declare Statements");
    p.Check("chkConvertSymbolsCode", "Remove Type Declaration Characters in Code Statements");
    p.Check("chkForNext", "Remove Variable Names from 'Next' at end of 'For' Loops");
    p.Frame("fraIntrinsicFunctions", -1, "Intrinsic Functions");
    p.Options("optIntrinsic",
              {"No Change", "Remove Type Declaration Character ($)", "Add Type Declaration Character"});
}

void ErrorHandlingPage(OptionControls& c) {
    static const char* const kButtons[] = {"On Error Statement", "Error Handler", "Trace Entry ", "Trace Exit "};
    static const char* const kTips[] = {"Edit or create err trigger", "Edit or create error handler",
                                        "Edit or create trace entry routine", "Edit or create trace exit routine"};
    static const char* const kFindTips[] = {"Find Error Trigger", "Find Error Handler", "Find Trace Entry",
                                            "Find Trace Exit"};
    PageBuilder p(c, ErrorHandling);
    auto templateRow = [&](int i) {
        Control& b = p.Button("cmdERHandler", i, kButtons[i]);
        b.Enabled = false;
        b.ToolTip = kTips[i];
        p.Text("txtErrHandler", i).Enabled = false;
        p.Button("cmdErrFind", i, "...").ToolTip = kFindTips[i];
    };
    p.Frame("fraErrorHandling", -1, "Error Handling");
    p.Check("chkERHandling", "Add Error Handling for any procedure that does not contain an On Error statement.");
    templateRow(0);
    templateRow(1);
    p.Frame("fraTracing", -1, "Insert Tracing");
    p.Check("chkTrace", "Add Tracing for any procedure that does not contain Tracing");
    templateRow(2);
    templateRow(3);
    p.Frame("fraDates", -1, "Check for Date Issues");
    p.Check("chkDates",
            "Check code for potential date issues that may impact the program for the Year 2000.");
    p.Frame("fraLineNumbers", -1, "Line Numbers");
    p.Check("chkLineNumbers", "Insert Line Numbers");
    p.Text("txtLineNumberStart", -1, "Sta&rt At: ").Enabled = false;
    p.Text("txtLineNumberIncrement", -1, "Increment B&y: ").Enabled = false;
    p.Options("optLineNumber", {"By &Procedure", "By &Module", "Contin&uous"}, 1);
    for (int i = 1; i <= 3; ++i) c["optLineNumber_" + std::to_string(i)].Enabled = false;
}

void UserPage(OptionControls& c) {
    PageBuilder p(c, User);
    p.Text("txtUserName", -1, "User Name");
    p.Text("txtCompany", -1, "Company");
    p.Text("txtDefaultFileLoc", -1, "&Default File Location");
    p.Button("cmdDefaultFileLoc", -1, "...");
    p.Check("chkShowOpenDialog", "Show File Open Dialo&g upon program start");
    p.Frame("fraSaveInfo", -1, "Save Last Zelked Date for Projects");
    p.Check("chkSaveInfo", "Sa&ve Zelker History in");
    p.Text("txtQPSave").Enabled = false;
    p.Button("cmdFindQPFile", -1, "...").Enabled = false;
}

}  // namespace

const std::vector<std::string>& OptionTabCaptions() {
    static const std::vector<std::string> captions = {
        "General",  "Indentation", "Files",        "Spell Check",    "White Space", "Comments",
        "Comment Blocks", "Selection", "Arrange", "Replace Code", "Error Handling", "User"};
    return captions;
}

void BuildOptionsDesign(OptionControls& c) {
    GeneralPage(c);
    IndentationPage(c);
    FilesPage(c);
    SpellPage(c);
    WhiteSpacePage(c);
    CommentsPage(c);
    BlocksPage(c);
    SelectionPage(c);
    ArrangePage(c);
    ReplacePage(c);
    ErrorHandlingPage(c);
    UserPage(c);
}
