#include <filesystem>
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "common/AppIdentity.h"
#include "analysis/KeywordFile.h"
#include "analysis/KeywordTable.h"
#include "platform/Paths.h"
#include "TestSupport.h"
#include "platform/VBError.h"
#include "common/mKEMCommon.h"

using namespace analysistest;

namespace {

// Loads a keyword file that must fail; returns the error number raised.
long LoadFailing(const std::string& text) {
    try {
        LoadKeywordFileText(text);
    } catch (const VBError& e) {
        return e.Number;
    }
    return 0;
}

struct CheckCase {
    const char* file;
    const char* failedCheck;
    int record;
    const char* keyword;
};

}  // namespace

TEST(KeywordFile, EachCheckFailsWithItsWordAndRecord) {
    const CheckCase cases[] = {
        {"A,*,-\r\nA,*,-\r\n", "File sequence", 2, "A"},
        {"B,*,-\r\nA,*,-\r\n", "File sequence", 2, "A"},
        {"ABC,*,-\r\nabc,*,-\r\n", "File sequence", 2, "ABC"},
        {"A,*,-\r\nB,,V\r\n", "Dialect", 2, "B"},
        {"A,*,-\r\nB,*,V\r\nC,5,Z\r\n", "Class-code", 3, "C"},
        {"A,*,VZ\r\n", "Indent-flag", 1, "A"},
        {"A,*,VYZ\r\n", "Outdent-flag", 1, "A"},
        {"A,*,VYNZ\r\n", "ClassOverride-flag", 1, "A"},
        {"A,*,VYNNZ\r\n", "KeepLeadingComments-flag", 1, "A"},
        {"A,*,VYNN-Z\r\n", "ScanForVerb-flag", 1, "A"},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.file);
        LogCapture log;
        testsupport::Ui().Messages.clear();
        oDebug->ClearStatus();
        EXPECT_EQ(LoadFailing(c.file), vberr::kOwnFailure);
        EXPECT_EQ(oDebug->StatusCode, 4);
        EXPECT_EQ(oDebug->ReasonCode, c.record);
        ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
        const auto& m = testsupport::Ui().Messages[0];
        std::string expected = "BabInit\r\n" + BabKeyWordFile() + "\r\n\r\nInvalid " + c.failedCheck +
                               "\r\n\r\nRecord=" + std::to_string(c.record) + " KeyWord=|" + c.keyword + "|";
        EXPECT_EQ(m.Prompt, expected);
        EXPECT_EQ(m.Buttons, mb::vbOKOnly | mb::vbCritical);
        EXPECT_EQ(m.Title, app::kTitle);
        EXPECT_NE(log.Text().find("=====>\r\n" + expected + "\r\n<=====\r\n"), std::string::npos);
    }
}

// A token holds a keyword index in a few bits: a file with more keywords
// than that is refused at the first one past the limit.
TEST(KeywordFile, MoreKeywordsThanATokenCanIndexAreRefused) {
    std::string file;
    char word[16];
    for (long i = 1; i <= model::kMaxKeywords + 1; ++i) {
        std::snprintf(word, sizeof word, "K%07ld", i);
        file += word;
        file += ",*,-\r\n";
    }
    testsupport::Ui().Messages.clear();
    oDebug->ClearStatus();
    EXPECT_EQ(LoadFailing(file), vberr::kOwnFailure);
    EXPECT_EQ(oDebug->ReasonCode, model::kMaxKeywords + 1);
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_NE(testsupport::Ui().Messages[0].Prompt.find("Invalid File length"), std::string::npos);
}

TEST(KeywordFile, CodesAndQuotedOrPlainFields) {
    LoadKeywordFileText(
        "\"ABS\",\"*\",\"-\"\r\n"
        "  CASE ,  4 ,\"vyy\"\r\n"
        "chr,*,v\r\n"
        "\"CHR$\",*,XYNY\r\n"
        "CHRB,6,VNNNNNZZZ\r\n"
        "\r\n"
        "DO,3,V-N--Y\r\n");
    EXPECT_EQ(BabMasterCount(), 6);
    const auto& t = BabMasterTable();
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(t[0].KeyWord, std::string(1, '\0'));
    EXPECT_EQ(t[1].KeyWord, "ABS");
    EXPECT_EQ(t[1].Class, '-');
    EXPECT_EQ(t[2].KeyWord, "CASE");
    EXPECT_EQ(t[2].Dialect, "4");
    EXPECT_TRUE(t[2].Indent && t[2].Outdent);
    EXPECT_EQ(t[3].KeyWord, "CHR");
    EXPECT_EQ(t[3].Class, 'V');
    EXPECT_FALSE(t[3].Indent || t[3].Outdent || t[3].ClassOverride || t[3].KeepLeadingComments || t[3].ScanForVerb);
    const BabKeyWord& x = t[4];
    EXPECT_EQ(x.KeyWord, "CHR$");
    EXPECT_EQ(x.Class, 'X');
    EXPECT_TRUE(x.Indent);
    EXPECT_FALSE(x.Outdent);
    EXPECT_TRUE(x.ClassOverride);
    EXPECT_FALSE(x.KeepLeadingComments || x.ScanForVerb);
    EXPECT_EQ(t[5].KeyWord, "CHRB");  // characters after the sixth are ignored
    EXPECT_TRUE(t[6].ScanForVerb);
    EXPECT_FALSE(t[6].Outdent);
}

TEST(KeywordFile, EmptyFileLoadsWithoutKeywords) {
    LoadKeywordFileText("");
    EXPECT_EQ(BabMasterCount(), 0);
    EXPECT_EQ(BabNextFreeIndex(), 1);
    EXPECT_FALSE(BabIsKeyWord("IF"));
    EXPECT_FALSE(BabIsKeyWord(std::string(1, '\0')));
}

TEST(KeywordFile, MissingFileIsReported) {
    LogCapture log;
    std::filesystem::remove(BabKeyWordFile());
    BabReset();
    oDebug->ReasonCode = 5;
    EXPECT_THROW(BabInit(), VBError);
    EXPECT_EQ(oDebug->StatusCode, -7);
    EXPECT_EQ(oDebug->ReasonCode, 5);
    std::string dir = paths::ProgramDir();
    std::string expected = "The file ZURUDUVU.KEY was not found in the directory \r\n" + dir +
                           "\r\n\r\nZURUDUVU.KEY is required for Zelker to operate.\r\n\r\n"
                           "Please install this file in the directory " +
                           dir;
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().LastPrompt(), expected);
    EXPECT_EQ(testsupport::Ui().Messages[0].Buttons, mb::vbCritical);
    EXPECT_NE(log.Text().find("=====>\r\n" + expected + "\r\n<====="), std::string::npos);
}

TEST(KeywordFile, UnreadableFileIsAnIOError) {
    // A file whose reading fails with a device error.
    std::filesystem::remove(BabKeyWordFile());
    std::filesystem::create_symlink("/proc/self/mem", BabKeyWordFile());
    BabReset();
    EXPECT_THROW(BabInit(), VBError);
    EXPECT_EQ(oDebug->StatusCode, -12);
    std::string expected = "BabInit -- I/O Error\r\n\r\nThe following error occurred processing " + BabKeyWordFile() +
                           ".\r\n\r\nDevice I/O error";
    EXPECT_EQ(testsupport::Ui().LastPrompt(), expected);
    EXPECT_EQ(testsupport::Ui().Messages[0].Buttons, mb::vbExclamation);
}

TEST(KeywordFile, SecondInitOnlySetsStatusOne) {
    LoadKeywordFileText("IF,*,VYN\r\n");
    testsupport::WriteFile(BabKeyWordFile(), "ZZZ,*,-\r\n");
    oDebug->ClearStatus();
    BabInit();
    EXPECT_EQ(oDebug->StatusCode, 1);
    EXPECT_TRUE(BabIsKeyWord("if"));
    EXPECT_FALSE(BabIsKeyWord("zzz"));
}

TEST(KeywordFile, TableGrowsPastItsFirstSizeAndIsCutToTheCount) {
    std::string text;
    for (int i = 0; i < 4600; ++i) {
        char word[16];
        std::snprintf(word, sizeof word, "K%05d", i);
        text += std::string(word) + ",*,-\r\n";
    }
    LoadKeywordFileText(text);
    EXPECT_EQ(BabMasterCount(), 4600);
    EXPECT_EQ(BabMasterTable().size(), 4601u);
    EXPECT_TRUE(BabIsKeyWord("k04599"));
    EXPECT_TRUE(BabIsKeyWord("K00000"));
    EXPECT_FALSE(BabIsKeyWord("K04600"));
}

TEST(KeywordTable, DialectTablesHoldTheWordsOfEarlierDialects) {
    LoadKeywordFileText("ALL,*,-\r\nLET,*,V\r\nV3,3,-\r\nV4,4,-\r\nV5,5,-\r\nV6,6,-\r\n");
    struct Row {
        const char* dialect;
        bool v3, v4, v5, v6;
    };
    const Row rows[] = {{"3", true, false, false, false},
                        {"4", true, true, false, false},
                        {"5", true, true, true, false},
                        {"6", true, true, true, true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.dialect);
        BuildKeyWordsForDialect(r.dialect);
        EXPECT_EQ(CurrentDialect, r.dialect);
        EXPECT_TRUE(BabIsKeyWord("all"));
        EXPECT_EQ(BabIsKeyWord("v3"), r.v3);
        EXPECT_EQ(BabIsKeyWord("v4"), r.v4);
        EXPECT_EQ(BabIsKeyWord("v5"), r.v5);
        EXPECT_EQ(BabIsKeyWord("v6"), r.v6);
        EXPECT_EQ(BabKeyWordAt(BabLetIndex()).KeyWord, "LET");
        EXPECT_EQ(BabDialectTable()[0].KeyWord, std::string(1, '\0'));
    }
    for (const char* bad : {"", "2", "7", "*", "66"}) {
        SCOPED_TRACE(bad);
        oDebug->ClearStatus();
        EXPECT_THROW(BuildKeyWordsForDialect(bad), VBError);
        EXPECT_EQ(oDebug->StatusCode, 3);
        EXPECT_EQ(oDebug->ReasonCode, 1);
    }
}

TEST(KeywordTable, LookupsIgnoreCaseAndRespectByteOrder) {
    LoadKeywordFileText("CHR,*,-\r\nCHR$,*,-\r\nCHRB,*,-\r\nELSE,*,V\r\nELSEIF,*,V\r\nIF,*,V\r\n"
                        "ZLONGKEYWORDOFMORETHANTHIRTYTWOCHARACTERS,*,-\r\n");
    EXPECT_EQ(KeyWordIndex("chr"), 1);
    EXPECT_EQ(KeyWordIndex("Chr$"), 2);
    EXPECT_EQ(KeyWordIndex("CHRB"), 3);
    EXPECT_EQ(KeyWordIndex("ElseIf"), 5);
    EXPECT_EQ(KeyWordIndex("iF"), 6);
    EXPECT_EQ(KeyWordIndex("CH"), 0);
    EXPECT_EQ(KeyWordIndex("ZZZ"), 0);
    // Short words and long ones are looked up in different ways.
    EXPECT_EQ(KeyWordIndex("zLongKeyWordOfMoreThanThirtyTwoCharacters"), 7);
    EXPECT_EQ(KeyWordIndex("zLongKeyWordOfMoreThanThirtyTwoCharacter"), 0);
    EXPECT_EQ(KeyWordIndex("\xe9LSE"), 0);
    // First characters 64 or 128 apart from a keyword's are other words.
    for (const char* w : {"\x05LSE", "\x85LSE", "\x09" "F", "\xc9" "F", "\x03HR$"}) EXPECT_EQ(KeyWordIndex(w), 0) << w;
    EXPECT_EQ(BabLetIndex(), 0);
    for (const char* w : {"else", "Else", "ELSE", "eLsE"}) EXPECT_TRUE(BabIsKeyWord(w)) << w;
    EXPECT_FALSE(BabIsKeyWord(""));
    EXPECT_FALSE(BabIsKeyWord("ELSE "));
}

// A word is first told by its first eight characters, then by the rest:
// keywords alike in their first eight, and words that differ from one of
// them at the ninth character or later, in any case.
TEST(KeywordTable, WordsAreComparedPastTheirFirstEightCharacters) {
    LoadKeywordFileText("BEGINPRO,*,-\r\nENDPROPERTY,*,-\r\nENDPROPERTZ,*,-\r\n");
    const std::pair<const char*, long> cases[] = {
        {"EndProperty", 2}, {"endpropertz", 3}, {"BeginPro", 1},  {"EndPropeXty", 0},
        {"EndPropertX", 0}, {"EndPropert", 0},  {"BeginPr", 0},   {"BeginPrX", 0},
    };
    for (const auto& [word, index] : cases) EXPECT_EQ(KeyWordIndex(word), index) << word;
}

// Words of every length up to eight, in any case; the characters just
// before "a" and just after "z" are no letters and keep their codes.
TEST(KeywordTable, ShortWordsMatchInAnyCaseAndOnlyLettersFold) {
    LoadKeywordFileText("A@,*,-\r\nAS,*,-\r\nELSE,*,-\r\nFUNCTION,*,-\r\nI,*,-\r\nPRESERV,*,-\r\nSELECT,*,-\r\n"
                        "SUB,*,-\r\nWHILE,*,-\r\nZ[,*,-\r\n");
    const std::pair<const char*, long> cases[] = {
        {"a@", 1},      {"aS", 2},       {"elsE", 3},      {"fUnCtIoN", 4}, {"i", 5},       {"preserv", 6},
        {"SeLeCt", 7},  {"suB", 8},      {"wHiLe", 9},     {"z[", 10},      {"a`", 0},      {"z{", 0},
        {"j", 0},       {"sux", 0},      {"whilf", 0},     {"selecu", 0},   {"preserw", 0}, {"functioo", 0},
    };
    for (const auto& [word, index] : cases) EXPECT_EQ(KeyWordIndex(word), index) << word;
}

TEST(KeywordTable, NothingIsAKeywordBeforeInit) {
    BabReset();
    EXPECT_FALSE(BabIsKeyWord("IF"));
    EXPECT_EQ(KeyWordIndex("IF"), 0);
}
