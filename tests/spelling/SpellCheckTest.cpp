// The check of a text: every result code, with the Word Not Found question
// answered by the scripted fake.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/ErrorTrap.h"
#include "platform/Paths.h"
#include "common/SharedState.h"
#include "SpellingTestSupport.h"
#include "TestSupport.h"
#include "spelling/cSpellCheck.h"
#include "common/mKEMCommon.h"

namespace fs = std::filesystem;
using Step = ScriptedWordNotFound::Step;

namespace {

const std::vector<std::string> kWords = {"the",   "quick", "brown",  "fox",   "receive", "hello", "world",
                                         "it",    "is",    "first",  "second", "line",   "word",  "spelling",
                                         "ascii", "check", "comment", "their", "text"};

Step Ans(long result, std::string replacement = {}) { return {result, std::move(replacement), {}, {}}; }

class SpellCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        mainPath = spelltest::WriteDictionary(kWords);
        customPath = paths::Join(testsupport::ProgramDir(), "VEZUZ.DIC");
        checker = std::make_unique<cSpellCheck>(&dialog, [](const std::string& w) { return w == "DIM" || w == "WEND"; });
        checker->MainDictName(mainPath);
        checker->UserDictName(customPath);
        ASSERT_TRUE(checker->SpellInitialize());
    }

    // Checks the text; returns the corrected text or, when nothing changed
    // or the check stopped, "=" and the result code.
    std::string Check(const std::string& text) {
        checker->SpellCheck(text, "Comment");
        if (checker->SCResult() == sc::kCorrect) return checker->StringToCheck();
        return "=" + std::to_string(checker->SCResult());
    }

    void Answer(long result, std::string replacement = {}, std::string suggestFor = {}) {
        dialog.Answers.push_back({result, std::move(replacement), std::move(suggestFor), {}});
    }

    std::vector<std::string> Asked() const {
        std::vector<std::string> words;
        for (const auto& q : dialog.Questions) words.push_back(q.Word);
        return words;
    }

    ScriptedWordNotFound dialog;
    std::unique_ptr<cSpellCheck> checker;
    std::string mainPath, customPath;
};

}  // namespace

TEST_F(SpellCheckTest, KnownTextsAskNothing) {
    struct Case {
        const char* text;
        std::string result;
    } cases[] = {
        {"", "=90"},
        {"\"\"", "=2"},                               // empty content; the quotes stay
        {"Hello world.", "=2"},                        // the empty slot after "." sets the ask code
        {"hello world", "hello world"},                // the last word was accepted: taken unchanged
        {"\"The quick brown fox\"", "\"The quick brown fox\""},
        {"It's a first line", "It's a first line"},    // it, ', s: too short to check
        {"x = 1 + 22", "=2"},
        {"DIM Wend", "DIM Wend"},                      // keywords of the dialect
    };
    checker->IgnoreVBWords = true;
    for (const Case& c : cases) EXPECT_EQ(Check(c.text), c.result) << c.text;
    EXPECT_TRUE(dialog.Questions.empty());
    EXPECT_EQ(checker->ThingToCheck(), "Comment");
}

TEST_F(SpellCheckTest, EachAnswer) {
    struct Case {
        const char* name;
        std::string text;
        Step answer;
        std::string result;
    } cases[] = {
        {"replace keeps the case", "the Recieve text", Ans(sc::kReplace, "receive"), "the Receive text"},
        {"replace in capitals", "the RECIEVE text", Ans(sc::kReplace, "receive"), "the RECEIVE text"},
        {"replace in lower case", "the recieve text", Ans(sc::kReplace, "Receive"), "the receive text"},
        {"replace inside quotes", "\"Helo world\"", Ans(sc::kReplace, "hello"), "\"Hello world\""},
        {"ignore", "the recieve", Ans(sc::kIgnore), "=5"},
        {"ignore, the last word known", "the recieve text", Ans(sc::kIgnore), "the recieve text"},
        {"closed without answer", "the recieve", Ans(0), "=0"},
        {"delete", "the wrod fox", Ans(sc::kDeleteWord), "the  fox"},
        {"cancel", "\"the recieve text\"", Ans(sc::kCancelCheck), "=88"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.Answers.push_back(c.answer);
        EXPECT_EQ(Check(c.text), c.result);
        EXPECT_TRUE(dialog.Answers.empty());
    }
    // After a cancel the text is left without its quotes and uncorrected.
    EXPECT_EQ(checker->StringToCheck(), "the recieve text");
}

TEST_F(SpellCheckTest, CancelDropsEarlierCorrectionsAndStops) {
    Answer(sc::kReplace, "receive");
    Answer(sc::kCancelCheck);
    EXPECT_EQ(Check("recieve wrod tset"), "=88");
    EXPECT_EQ(Asked(), (std::vector<std::string>{"recieve", "wrod"}));
    EXPECT_EQ(checker->StringToCheck(), "recieve wrod tset");
}

TEST_F(SpellCheckTest, TheQuestionShowsSuggestionsInTheWordsCase) {
    Answer(sc::kIgnore);
    Answer(sc::kIgnore);
    Check("Teh tset");
    ASSERT_EQ(dialog.Questions.size(), 2u);
    EXPECT_EQ(dialog.Questions[0].Suggestions, std::vector<std::string>{"The"});
    EXPECT_EQ(dialog.Questions[1].Suggestions, std::vector<std::string>{"text"});
    EXPECT_TRUE(dialog.Questions[0].CanAddToCustom);
    // The pointer is the default while the question is open, then the hourglass.
    EXPECT_EQ(testsupport::Ui().PointerHistory,
              (std::vector<int>{pointer::vbDefault, pointer::vbHourglass, pointer::vbDefault, pointer::vbHourglass}));
}

TEST_F(SpellCheckTest, SuggestForATypedTextSetsTheCaseOfTheReplacement) {
    // The user types "Recieve", asks for suggestions and picks "receive":
    // the typed text's case carries over, not the checked word's.
    Answer(sc::kReplace, "receive", "Recieve");
    EXPECT_EQ(Check("the recieve text"), "the Receive text");
    EXPECT_EQ(dialog.Questions[0].SuggestedForTyped, (std::vector<std::string>{"Receive"}));
    EXPECT_EQ(checker->ShowReplacements("x"), std::vector<std::string>{});
    EXPECT_EQ(checker->SCResult(), sc::kSuggest);
    EXPECT_EQ(checker->ShowReplacements("1234"), std::vector<std::string>{});
}

TEST_F(SpellCheckTest, IgnoreAllAndReplaceAllLastOneFile) {
    Answer(sc::kIgnoreAll);
    Answer(sc::kReplaceAll, "receive");
    EXPECT_EQ(Check("Zelker is the recieve"), "Zelker is the receive");
    // Later texts of the same file: no question, also where nothing else changes.
    EXPECT_EQ(Check("ZELKER"), "ZELKER");
    EXPECT_EQ(Check("Recieve"), "Receive");
    EXPECT_EQ(Asked(), (std::vector<std::string>{"Zelker", "recieve"}));
    EXPECT_EQ(checker->IgnoreAllWords(), std::vector<std::string>{"ZELKER"});
    ASSERT_EQ(checker->ChangeAllPairs().size(), 1u);
    EXPECT_EQ(checker->ChangeAllPairs()[0], (std::pair<std::string, std::string>{"RECIEVE", "RECEIVE"}));

    // The next file starts afresh, also when its main dictionary is not named.
    checker->MainDictName("");
    EXPECT_FALSE(checker->SpellInitialize());
    EXPECT_TRUE(checker->IgnoreAllWords().empty());
    EXPECT_TRUE(checker->ChangeAllPairs().empty());
    checker->MainDictName(mainPath);
    ASSERT_TRUE(checker->SpellInitialize());
    Answer(sc::kIgnore);
    EXPECT_EQ(Check("Zelker"), "=5");
}

TEST_F(SpellCheckTest, AddToCustomKeepsTheCaseAndMatchesAnyCase) {
    Answer(sc::kAddToCustom);
    EXPECT_EQ(Check("the Recordset"), "=1");
    EXPECT_EQ(testsupport::ReadFile(customPath), "Zembrock Custom Dictionary\r\nRecordset\r\n");
    EXPECT_EQ(Check("RECORDSET recordset"), "RECORDSET recordset");
    ASSERT_TRUE(checker->SpellInitialize());
    EXPECT_EQ(checker->CustomWords(), std::vector<std::string>{"Recordset"});
    EXPECT_EQ(Check("recordSet"), "recordSet");
    EXPECT_EQ(Asked(), std::vector<std::string>{"Recordset"});
}

TEST_F(SpellCheckTest, WithoutACustomDictionary) {
    checker->UserDictName("");
    fs::remove(customPath);
    ASSERT_TRUE(checker->SpellInitialize());
    EXPECT_FALSE(fs::exists(customPath));
    Answer(sc::kAddToCustom);
    EXPECT_EQ(Check("the Recordset"), "=1");
    EXPECT_FALSE(dialog.Questions[0].CanAddToCustom);
    EXPECT_TRUE(checker->CustomWords().empty());
}

TEST_F(SpellCheckTest, LineBreaksSurviveACorrection) {
    Answer(sc::kReplace, "line");
    Answer(sc::kReplace, "word");
    EXPECT_EQ(Check("first linee\r\nsecond wrod\nthe end\r\n"), "first line\r\nsecond word\nthe end\r\n");
    EXPECT_EQ(Asked(), (std::vector<std::string>{"linee", "wrod"}));
}

TEST_F(SpellCheckTest, NoLimitOnThePieces) {
    std::string text;
    for (int i = 0; i < 40000; ++i) text += "the ";
    Answer(sc::kReplace, "fox");
    EXPECT_EQ(Check(text + "fxo"), text + "fox");
}

TEST_F(SpellCheckTest, Switches) {
    struct Case {
        const char* text;
        bool upper, numbers, vbWords;
        bool asks;
    } cases[] = {
        {"ASCII", true, false, false, false},   {"ASCII", false, false, false, false},  // in the dictionary
        {"QBASIC", true, false, false, false},  {"QBASIC", false, false, false, true},
        {"abc123", false, true, false, false},  {"abc123", false, false, false, true},
        {"1234", false, false, false, false},   // numbers are never looked up
        {"Dim", false, false, true, false},     {"Dim", false, false, false, true},
        {"hello\tworld", false, false, false, true},  // a tab joins two words into one
    };
    for (const Case& c : cases) {
        checker->IgnoreUpperCase = c.upper;
        checker->IgnoreNumbers = c.numbers;
        checker->IgnoreVBWords = c.vbWords;
        dialog.Questions.clear();
        dialog.Answers.push_back({sc::kIgnore, {}, {}, {}});
        Check(c.text);
        EXPECT_EQ(dialog.Questions.size(), c.asks ? 1u : 0u) << c.text;
        dialog.Answers.clear();
    }
    // A replacement chosen for a word in capitals is written in capitals.
    checker->IgnoreUpperCase = false;
    Answer(sc::kReplace, "Basic");
    EXPECT_EQ(Check("QBASIC"), "BASIC");
}

TEST_F(SpellCheckTest, AnUnusableMainDictionaryTurnsCheckingOff) {
    std::string dir = testsupport::MakeDir("dict-dir");
    std::string link = paths::Join(testsupport::ProgramDir(), "dangling.dat");
    fs::create_symlink(paths::Join(testsupport::ProgramDir(), "gone/SPELLDIC.DAT"), link);
    std::string badHeader = paths::Join(testsupport::ProgramDir(), "BAD.DAT");
    std::string bytes = spelltest::BuildBytes(kWords);
    bytes[0] = 'X';
    testsupport::WriteFile(badHeader, bytes);
    std::string missing = paths::Join(testsupport::ProgramDir(), "MISSING.DAT");

    for (const std::string& name : {std::string(), missing, dir, link, badHeader}) {
        SCOPED_TRACE(name);
        checker->MainDictName(name);
        EXPECT_FALSE(checker->SpellInitialize());
        EXPECT_EQ(Check("the recieve tset"), "=2");
        EXPECT_EQ(Check("\"recieve\""), "=2");
        EXPECT_EQ(checker->StringToCheck(), "\"recieve\"");
        EXPECT_EQ(Check(""), "=90");
    }
    EXPECT_TRUE(dialog.Questions.empty());
    EXPECT_FALSE(fs::exists(missing)) << "the main dictionary is never created";
    EXPECT_TRUE(fs::is_symlink(link) && !fs::exists(link));
    // The custom dictionary is still read when the main one is named.
    EXPECT_TRUE(fs::exists(customPath));
}

TEST_F(SpellCheckTest, ANameWithoutFolderTakesTheDictionaryPath) {
    checker->MainDictPath(testsupport::ProgramDir() + "/");
    checker->MainDictName("SPELLDIC.DAT");
    checker->UserDictName("MINE.DIC");
    EXPECT_TRUE(checker->SpellInitialize());
    EXPECT_EQ(checker->MainDictName(), mainPath);
    EXPECT_TRUE(fs::exists(paths::Join(testsupport::ProgramDir(), "MINE.DIC")));
}

TEST_F(SpellCheckTest, CheckTextFindsTheNextRunOfLetters) {
    size_t start = 0;
    const std::string text = "  12 fox, wrod";
    EXPECT_EQ(checker->sccCheckText(text, start), 3u);
    EXPECT_EQ(start, 5u);
    EXPECT_EQ(checker->SCResult(), sc::kCorrect);
    start += 3;
    EXPECT_EQ(checker->sccCheckText(text, start), 4u);
    EXPECT_EQ(checker->SCResult(), sc::kNotFound);
    start = text.size();
    EXPECT_EQ(checker->sccCheckText(text, start), 0u);
    EXPECT_TRUE(dialog.Questions.empty());
}

TEST_F(SpellCheckTest, SuggestionsAndTheirResultCodes) {
    std::vector<std::string> list = {"old"};
    checker->SccGetReplacements("teh", list);
    EXPECT_EQ(checker->SCResult(), sc::kCorrect);
    EXPECT_EQ(list, std::vector<std::string>{"THE"});
    checker->SccGetReplacements("zzzz", list);
    EXPECT_EQ(checker->SCResult(), sc::kNotFound);
    EXPECT_TRUE(list.empty());
    list = {"old"};
    checker->SccGetReplacements("42", list);  // accepted before the search: the list stays
    EXPECT_EQ(checker->SCResult(), sc::kCorrect);
    EXPECT_EQ(list, std::vector<std::string>{"old"});
    checker->SccGetReplacements("\xC9t\xC9", list);  // not a letter A to Z first
    EXPECT_EQ(checker->SCResult(), sc::kNotFound);
    EXPECT_EQ(checker->GetDictWord(1, 1), "ASCII");
}

TEST_F(SpellCheckTest, ErrorsGoToTheReportWhateverTheSwitch) {
    oDebug->DontTrapErrors = true;
    dialog.Strict = true;  // no answer scripted: the fake raises
    try {
        Check("the wrod");
        FAIL() << "no error report";
    } catch (const ErrorReported& e) {
        EXPECT_EQ(e.ProcName, "cSpellCheck::WordNotFoundDlg line: 0");
    }
}

TEST_F(SpellCheckTest, TraceLinesUnderTheApplicationSwitch) {
    std::string logPath = paths::Join(testsupport::MakeDir("log"), "trace.log");
    oLog->LogOpen(logPath, 1);
    oDebug->LogApp = true;
    checker->SpellInitialize();
    Answer(sc::kReplace, "word");
    Check("one wrod");
    checker->SpellTerminate();
    oDebug->LogApp = false;
    std::string log = testsupport::ReadFile(logPath);
    for (const char* line : {"->cSpellCheck: SpellInitialize", "<-cSpellCheck: SpellInitialize", "->cSpellCheck: ParseLine",
                             "->cSpellCheck: fnCount", "<-cSpellCheck: ParseLine", "->cSpellCheck: UnParseString",
                             "<-cSpellCheck: SpellTerminate"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    EXPECT_EQ(log.find("->cSpellCheck: SpellTerminate"), std::string::npos);
    EXPECT_EQ(dialog.Unloads, 1);
}
