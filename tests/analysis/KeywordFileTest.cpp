// The shipped keyword file: every record must pass the loader's checks (a
// single bad line stops the program at start-up), and the words the statement
// analysis, the indentation and the engine ask about must be present with the
// class and flags they rely on. The file is read with a parser of its own, so
// that these tests do not depend on the analyser that loads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace {

struct KeyRecord {
    int line = 0;
    std::string word;     // upper-cased, as the loader stores it
    std::string dialect;
    std::string codes;    // upper-cased and filled up with "-" to six characters
    bool quoted = true;   // every field was written between double quotes
    int fields = 0;

    char Class() const { return codes[0]; }
    bool Flag(int position) const { return codes[position] == 'Y'; }
    bool Indent() const { return Flag(1); }
    bool Outdent() const { return Flag(2); }
    bool ClassOverride() const { return Flag(3); }
    bool KeepLeadingComments() const { return Flag(4); }
    bool ScanForVerb() const { return Flag(5); }
};

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Splits at CR LF, LF or CR; a final line break adds no empty line.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

// Comma-separated fields, each optionally enclosed in double quotes.
KeyRecord ParseRecord(const std::string& text, int line) {
    KeyRecord record;
    record.line = line;
    std::vector<std::string> fields;
    size_t i = 0;
    while (true) {
        std::string field;
        if (i < text.size() && text[i] == '"') {
            size_t close = text.find('"', i + 1);
            if (close == std::string::npos) {
                record.quoted = false;
                close = text.size();
            }
            field = text.substr(i + 1, close - i - 1);
            i = close + 1;
            if (i < text.size() && text[i] != ',') record.quoted = false;
        } else {
            record.quoted = false;
            size_t comma = text.find(',', i);
            field = text.substr(i, comma == std::string::npos ? std::string::npos : comma - i);
            i = comma == std::string::npos ? text.size() : comma;
        }
        fields.push_back(field);
        if (i >= text.size()) break;
        ++i;  // the comma
    }
    record.fields = static_cast<int>(fields.size());
    fields.resize(3);
    record.word = Upper(fields[0]);
    record.dialect = fields[1];
    record.codes = Upper(fields[2]);
    if (record.codes.size() < 6) record.codes.resize(6, '-');
    return record;
}

// The loader's checks, in its order; the name of the first that fails, or none.
std::optional<std::string> FirstFailedCheck(const KeyRecord& record, const std::string& previous) {
    if (!(record.word > previous)) return "File sequence";
    if (record.dialect.empty()) return "Dialect";
    if (std::string("-CEMDBOPVX").find(record.Class()) == std::string::npos) return "Class-code";
    static const char* kFlagChecks[] = {"Indent-flag", "Outdent-flag", "ClassOverride-flag",
                                        "KeepLeadingComments-flag", "ScanForVerb-flag"};
    for (int position = 1; position <= 5; ++position) {
        char flag = record.codes[position];
        if (flag != 'Y' && flag != 'N' && flag != '-') return kFlagChecks[position - 1];
    }
    return std::nullopt;
}

// A statement cut into words, "#", quoted strings and single other characters.
std::vector<std::string> SplitStatement(const std::string& statement) {
    std::vector<std::string> tokens;
    for (size_t i = 0; i < statement.size();) {
        unsigned char c = static_cast<unsigned char>(statement[i]);
        size_t end = i + 1;
        if (std::isspace(c)) {
            i = end;
            continue;
        }
        if (std::isalpha(c)) {
            while (end < statement.size() && (std::isalnum(static_cast<unsigned char>(statement[end])) ||
                                              statement[end] == '_' || statement[end] == '$'))
                ++end;
        } else if (c == '"') {
            size_t close = statement.find('"', i + 1);
            end = close == std::string::npos ? statement.size() : close + 1;
        }
        tokens.push_back(statement.substr(i, end - i));
        i = end;
    }
    return tokens;
}

class KeywordFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        raw_ = new std::string(testsupport::ReadFile(testsupport::BuildDir() + "/ZURUDUVU.KEY"));
        records_ = new std::vector<KeyRecord>();
        index_ = new std::map<std::string, size_t>();
        int line = 0;
        for (const std::string& text : SplitLines(*raw_)) records_->push_back(ParseRecord(text, ++line));
        for (size_t i = 0; i < records_->size(); ++i) index_->emplace((*records_)[i].word, i);
    }
    static void TearDownTestSuite() {
        delete raw_;
        delete records_;
        delete index_;
    }

    static const std::string& Raw() { return *raw_; }
    static const std::vector<KeyRecord>& Records() { return *records_; }

    static const KeyRecord* Find(const std::string& word) {
        auto it = index_->find(Upper(word));
        return it == index_->end() ? nullptr : &(*records_)[it->second];
    }

    // The statement analysis' verb search, run on this table: a verb counts
    // at the start (or after "#"), or right after a word with ClassOverride
    // or ScanForVerb; a verb with ClassOverride lets the search go on; a "="
    // that is no keyword is the verb of an assignment.
    static std::string VerbOf(const std::string& statement) {
        const std::vector<std::string> tokens = SplitStatement(statement);
        std::string verb;
        const KeyRecord* before = nullptr;
        for (size_t i = 0; i < tokens.size(); ++i) {
            const KeyRecord* keyword =
                std::isalpha(static_cast<unsigned char>(tokens[i][0])) ? Find(tokens[i]) : nullptr;
            if (keyword && keyword->Class() == 'V') {
                bool qualifies = i == 0 || (i == 1 && tokens[0] == "#") ||
                                 (before && (before->ClassOverride() || before->ScanForVerb()));
                if (qualifies) {
                    verb = keyword->word;
                    if (!keyword->ClassOverride()) break;
                }
            } else if (!keyword && tokens[i] == "=") {
                verb = "=";
                break;
            }
            before = keyword;
        }
        return verb;
    }

private:
    static inline std::string* raw_ = nullptr;
    static inline std::vector<KeyRecord>* records_ = nullptr;
    static inline std::map<std::string, size_t>* index_ = nullptr;
};

TEST_F(KeywordFileTest, EveryRecordPassesTheLoadChecksInStrictByteOrder) {
    ASSERT_GT(Records().size(), 300u) << "the keyword file is missing or nearly empty";
    std::string previous(1, '\0');
    for (const KeyRecord& record : Records()) {
        auto failed = FirstFailedCheck(record, previous);
        EXPECT_FALSE(failed.has_value())
            << "Invalid " << failed.value_or("") << " Record=" << record.line << " KeyWord=|" << record.word << "|";
        previous = record.word;
    }
}

TEST_F(KeywordFileTest, EveryLineIsThreeQuotedFieldsInOurOwnForm) {
    ASSERT_FALSE(Raw().empty());
    EXPECT_NE(Raw().find("\r\n"), std::string::npos) << "lines end in CR LF";
    EXPECT_EQ(Raw().back(), '\n') << "the last line is terminated";
    const std::set<std::string> dialects = {"*", "3", "4", "5", "6"};
    for (const KeyRecord& record : Records()) {
        SCOPED_TRACE("line " + std::to_string(record.line) + " |" + record.word + "|");
        EXPECT_EQ(record.fields, 3);
        EXPECT_TRUE(record.quoted);
        EXPECT_TRUE(dialects.count(record.dialect));
        ASSERT_FALSE(record.word.empty());
        // A word as the tokenizer cuts it: a letter, then letters, digits or
        // "_", with at most a trailing "$".
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(record.word[0])));
        std::string body = record.word.back() == '$' ? record.word.substr(0, record.word.size() - 1) : record.word;
        EXPECT_TRUE(std::all_of(body.begin(), body.end(), [](unsigned char c) {
            return std::isupper(c) || std::isdigit(c) || c == '_';
        }));
        // Written exactly as stored: six characters, class letter, Y or N flags.
        EXPECT_EQ(record.codes.find('-'), std::string::npos) << record.codes;
        EXPECT_NE(std::string("VDBEOCMX").find(record.Class()), std::string::npos) << record.codes;
    }
}

TEST_F(KeywordFileTest, DollarFormsSortBetweenTheirWordAndLongerWords) {
    // Strict byte order is one of the load checks above; "$" sorts before the letters, so a "$" form stands between its plain
    // word and any longer word.
    auto lineOf = [](const char* word) {
        const KeyRecord* record = Find(word);
        return record ? record->line : -1;
    };
    const std::vector<std::vector<const char*>> runs = {
        {"CHR", "CHR$", "CHRB", "CHRB$", "CHRW"},
        {"LEFT", "LEFT$", "LEFTB", "LEFTB$"},
        {"ELSE", "ELSEIF", "END", "ENDPROPERTY", "ENUM"},
        {"MID", "MID$", "MIDB", "MIDB$"},
    };
    for (const auto& run : runs)
        for (size_t i = 1; i < run.size(); ++i) {
            EXPECT_GT(lineOf(run[i - 1]), 0) << run[i - 1];
            EXPECT_LT(lineOf(run[i - 1]), lineOf(run[i])) << run[i - 1] << " before " << run[i];
        }
}

TEST_F(KeywordFileTest, OnlyTheBlockWordsIndentOrOutdent) {
    struct Block {
        const char* word;
        bool indent;
        bool outdent;
    };
    const Block blocks[] = {
        {"IF", true, false},     {"ELSE", true, true},     {"ELSEIF", true, true},
        {"SELECT", true, false}, {"CASE", true, true},     {"DO", true, false},
        {"LOOP", false, true},   {"FOR", true, false},     {"NEXT", false, true},
        {"WHILE", true, false},  {"WEND", false, true},    {"WITH", true, false},
        {"TYPE", true, false},   {"ENUM", true, false},    {"BEGIN", true, false},
        {"BEGINPROPERTY", true, false}, {"END", false, true}, {"ENDPROPERTY", false, true},
    };
    std::set<std::string> blockWords;
    for (const Block& block : blocks) {
        blockWords.insert(block.word);
        const KeyRecord* record = Find(block.word);
        ASSERT_NE(record, nullptr) << block.word;
        EXPECT_EQ(record->Class(), 'V') << block.word;
        EXPECT_EQ(record->Indent(), block.indent) << block.word;
        EXPECT_EQ(record->Outdent(), block.outdent) << block.word;
    }
    for (const KeyRecord& record : Records()) {
        if (!blockWords.count(record.word)) {
            EXPECT_FALSE(record.Indent() || record.Outdent()) << record.word << " " << record.codes;
        }
    }

    // A procedure heading resets the level itself; an Indent would push the
    // whole body one level deeper.
    for (const char* heading : {"SUB", "FUNCTION", "PROPERTY"}) {
        ASSERT_NE(Find(heading), nullptr) << heading;
        EXPECT_FALSE(Find(heading)->Indent()) << heading;
    }
}

TEST_F(KeywordFileTest, ClassOverrideOnlyOnTheScopeWords) {
    const std::set<std::string> scopeWords = {"PUBLIC", "PRIVATE", "GLOBAL", "STATIC", "FRIEND"};
    for (const std::string& word : scopeWords) {
        ASSERT_NE(Find(word), nullptr) << word;
        EXPECT_EQ(Find(word)->Class(), 'V') << word;
    }
    for (const KeyRecord& record : Records())
        EXPECT_EQ(record.ClassOverride(), scopeWords.count(record.word) == 1) << record.word;
}

TEST_F(KeywordFileTest, VerbSearchFindsTheStatementWord) {
    struct Case {
        const char* statement;
        const char* verb;
    };
    const Case cases[] = {
        // Scope words give way to the statement word that follows them.
        {"Private Sub Form_Load()", "SUB"},
        {"Public Function F() As Long", "FUNCTION"},
        {"Public Const B = 1", "CONST"},
        {"Global Const G = 1", "CONST"},
        {"Public Static Function F()", "FUNCTION"},
        {"Static Sub S()", "SUB"},
        {"Friend Property Get Value() As Long", "PROPERTY"},
        {"Public Event Changed()", "EVENT"},
        {"Private Type Point", "TYPE"},
        {"Public Enum Colour", "ENUM"},
        {"Private Declare Function GetTickCount Lib \"kernel32\" () As Long", "DECLARE"},
        {"Public Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)", "DECLARE"},
        // Declarations keep their own verb, also with a member named Name.
        {"Private WithEvents mForm As Form", "PRIVATE"},
        {"Public Name As String", "PUBLIC"},
        {"Public Width As Single", "PUBLIC"},
        {"Static Count As Long", "STATIC"},
        {"Dim d As Date", "DIM"},
        {"ReDim Preserve a(10)", "REDIM"},
        // Words that must stop the search before a statement word.
        {"Exit Sub", "EXIT"},
        {"Exit For", "EXIT"},
        {"End Function", "END"},
        {"End If", "END"},
        {"Option Private Module", "OPTION"},
        {"Open sFile For Input As #1", "OPEN"},
        {"Select Case x", "SELECT"},
        {"Case Else", "CASE"},
        {"Do While n < 10", "DO"},
        {"Loop Until n = 0", "LOOP"},
        {"On Error Resume Next", "ON"},
        {"Resume Next", "RESUME"},
        {"If a = b Then", "IF"},
        {"ElseIf a Then", "ELSEIF"},
        {"Call Show(a = b)", "CALL"},
        {"Let x = 5", "LET"},
        {"Set x = Nothing", "SET"},
        {"Mid$(s, 1, 1) = \"x\"", "MID$"},
        {"Line Input #1, s", "INPUT"},
        {"Implements IShape", "IMPLEMENTS"},
        {"RaiseEvent Changed", "RAISEEVENT"},
        {"Unload Me", "UNLOAD"},
        // Directives, and the lines of a designer block.
        {"#If Win32 Then", "IF"},
        {"#ElseIf Win16 Then", "ELSEIF"},
        {"#End If", "END"},
        {"#Const DEBUGGING = 1", "CONST"},
        {"VERSION 5.00", "VERSION"},
        {"Attribute VB_Name = \"Module1\"", "ATTRIBUTE"},
        {"Begin VB.Form Form1", "BEGIN"},
        {"BeginProperty Font", "BEGINPROPERTY"},
        {"EndProperty", "ENDPROPERTY"},
        // Assignments and calls.
        {"x = Left$(s, 2)", "="},
        {"Name = \"Joe\"", "="},
        {"Caption = \"Form1\"", "="},
        {"Debug.Print x", ""},
        {"MsgBox \"Done\"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(VerbOf(c.statement), c.verb) << c.statement;
}

TEST_F(KeywordFileTest, StatementKeywordsAreVerbs) {
    // The verbs the statement analysis, the procedure table and the
    // directive handling look for by name, and the rest of the statements.
    const char* verbs[] = {
        "APPACTIVATE", "ATTRIBUTE", "BEEP", "BEGIN", "BEGINPROPERTY", "CALL", "CASE", "CHDIR",
        "CHDRIVE", "CLOSE", "CONST", "DECLARE", "DEFBOOL", "DEFBYTE", "DEFCUR", "DEFDATE",
        "DEFDBL", "DEFINT", "DEFLNG", "DEFOBJ", "DEFSNG", "DEFSTR", "DEFVAR", "DELETESETTING",
        "DIM", "DO", "ELSE", "ELSEIF", "END", "ENDPROPERTY", "ENUM", "ERASE", "ERROR", "EVENT",
        "EXIT", "FILECOPY", "FOR", "FRIEND", "FUNCTION", "GET", "GLOBAL", "GOSUB", "GOTO", "IF",
        "IMPLEMENTS", "INPUT", "KILL", "LET", "LOAD", "LOCK", "LOOP", "LSET", "MID", "MKDIR",
        "NEXT", "ON", "OPEN", "OPTION", "PRINT", "PRIVATE", "PROPERTY", "PUBLIC", "PUT",
        "RAISEEVENT", "RANDOMIZE", "REDIM", "RESET", "RESUME", "RETURN", "RMDIR", "RSET",
        "SAVEPICTURE", "SAVESETTING", "SEEK", "SELECT", "SENDKEYS", "SET", "SETATTR", "STATIC",
        "STOP", "SUB", "TIME", "TYPE", "UNLOAD", "UNLOCK", "VERSION", "WEND", "WHILE", "WITH",
        "WRITE",
    };
    for (const char* word : verbs) {
        const KeyRecord* record = Find(word);
        ASSERT_NE(record, nullptr) << word;
        EXPECT_EQ(record->Class(), 'V') << word;
    }
    // Parts of statements and names used as members are no verbs.
    for (const char* word : {"AS", "THEN", "TO", "STEP", "EACH", "WITHEVENTS", "NAME", "WIDTH", "LINE"}) {
        ASSERT_NE(Find(word), nullptr) << word;
        EXPECT_NE(Find(word)->Class(), 'V') << word;
    }
    ASSERT_NE(Find("LINE"), nullptr);
    EXPECT_TRUE(Find("LINE")->ScanForVerb());
}

TEST_F(KeywordFileTest, ReservedWordsOperatorsAndDataTypes) {
    for (const char* word : {"AND", "OR", "NOT", "XOR", "EQV", "IMP", "MOD", "IS", "LIKE", "ADDRESSOF"}) {
        ASSERT_NE(Find(word), nullptr) << word;
        EXPECT_EQ(Find(word)->Class(), 'O') << word;
    }
    for (const char* word : {"BOOLEAN", "BYTE", "CURRENCY", "DATE", "DECIMAL", "DOUBLE", "INTEGER", "LONG",
                             "OBJECT", "SINGLE", "STRING", "VARIANT"}) {
        ASSERT_NE(Find(word), nullptr) << word;
        EXPECT_EQ(Find(word)->Class(), 'D') << word;
    }
    for (const char* word : {"AS", "BYVAL", "BYREF", "OPTIONAL", "PARAMARRAY", "PRESERVE", "NEW", "ME", "TYPEOF",
                             "TRUE", "FALSE", "NOTHING", "NULL", "EMPTY", "LIB", "ALIAS", "ANY"})
        EXPECT_NE(Find(word), nullptr) << word;
}

TEST_F(KeywordFileTest, StringFunctionsAreListedInBothForms) {
    // The engine counts a name as an intrinsic string function only when the
    // word and the word with "$" are both keywords.
    for (const char* word : {"CHR", "CHRB", "CHRW", "COMMAND", "CURDIR", "DATE", "DIR", "ENVIRON", "ERROR",
                             "FORMAT", "HEX", "INPUT", "INPUTB", "LCASE", "LEFT", "LEFTB", "LTRIM", "MID", "MIDB",
                             "OCT", "RIGHT", "RIGHTB", "RTRIM", "SPACE", "STR", "STRING", "TIME", "TRIM", "UCASE"}) {
        EXPECT_NE(Find(word), nullptr) << word;
        EXPECT_NE(Find(std::string(word) + "$"), nullptr) << word << "$";
    }
    // And no "$" form without its plain word.
    for (const KeyRecord& record : Records()) {
        if (record.word.back() == '$') {
            EXPECT_NE(Find(record.word.substr(0, record.word.size() - 1)), nullptr) << record.word;
        }
    }
    // Functions that never had a "$" form.
    for (const char* word : {"LEN", "INSTR", "ASC", "VAL", "REPLACE", "SPLIT", "STRCONV"})
        EXPECT_EQ(Find(std::string(word) + "$"), nullptr) << word << "$";
}

TEST_F(KeywordFileTest, DateFunctionsAndEventNames) {
    for (const char* word : {"CDATE", "CVDATE", "DATE", "DATEADD", "DATEDIFF", "DATEPART", "DATESERIAL", "DATEVALUE",
                             "DAY", "HOUR", "MINUTE", "MONTH", "MONTHNAME", "NOW", "SECOND", "TIME", "TIMER",
                             "TIMESERIAL", "TIMEVALUE", "WEEKDAY", "WEEKDAYNAME", "YEAR", "FORMATDATETIME"})
        EXPECT_NE(Find(word), nullptr) << word;
    // "Form_Load", "cmdOK_Click": the procedure order asks for the part after "_".
    for (const char* word : {"LOAD", "UNLOAD", "QUERYUNLOAD", "ACTIVATE", "DEACTIVATE", "INITIALIZE", "TERMINATE",
                             "CLICK", "DBLCLICK", "CHANGE", "RESIZE", "PAINT", "KEYPRESS", "KEYDOWN", "KEYUP",
                             "MOUSEDOWN", "MOUSEMOVE", "MOUSEUP", "GOTFOCUS", "LOSTFOCUS", "DRAGDROP", "DRAGOVER",
                             "SCROLL", "TIMER", "VALIDATE", "READPROPERTIES", "WRITEPROPERTIES", "INITPROPERTIES"})
        EXPECT_NE(Find(word), nullptr) << word;
}

TEST_F(KeywordFileTest, DialectIsTheFirstVersionWithTheWord) {
    struct Case {
        const char* word;
        const char* dialect;
    };
    const Case cases[] = {
        {"IF", "*"},       {"SUB", "*"},        {"GLOBAL", "*"},    {"DATE", "*"},     {"LEFT$", "*"},
        {"PRIVATE", "4"},  {"PROPERTY", "4"},   {"WITH", "4"},      {"BOOLEAN", "4"},  {"INITIALIZE", "4"},
        {"ENUM", "5"},     {"EVENT", "5"},      {"FRIEND", "5"},    {"ADDRESSOF", "5"}, {"IMPLEMENTS", "5"},
        {"SPLIT", "6"},    {"REPLACE", "6"},    {"CALLBYNAME", "6"}, {"INSTRREV", "6"}, {"MONTHNAME", "6"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(Find(c.word), nullptr) << c.word;
        EXPECT_EQ(Find(c.word)->dialect, c.dialect) << c.word;
    }
}

}  // namespace
