// The spelling passes of a zelk run, driven through the engine's per-file run
// with the checker's question answered by the scripted fake: a module's
// comments and literals with the spelling frame, and a resource script's
// string tables.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "engine/EngineState.h"
#include "EngineTestSupport.h"
#include "FakeZelkWindow.h"
#include "analysis/KeywordTable.h"
#include "engine/ProcessFile.h"
#include "spelling/ResourceSpelling.h"
#include "engine/SpellingHooks.h"
#include "spelling/SpellingInstaller.h"
#include "SpellingTestSupport.h"
#include "engine/ZelkHost.h"
#include "spelling/modSpell.h"
#include "Lend.h"

using namespace enginetest;
using Lines = std::vector<std::string>;
using Step = ScriptedWordNotFound::Step;

namespace {

Step Answer(long result, std::string replacement = {}) { return {result, std::move(replacement), {}, {}}; }

class SpellingPass : public ::testing::Test {
protected:
    void SetUp() override {
        spelltest::WriteDictionary({"receive", "data", "hello", "world", "open", "file", "print"});
        options = spelltest::SettingsFrom("[Spell]\r\nEnabled=Yes\r\n");
        spell = options.gblnSpellEnabled;
        BabReset();
        BabInit();
        oDebug->ClearStatus();
        dir = testsupport::MakeDir("src");
    }

    // Zelks the file with the session's spelling decision `spell`, which the
    // run hands back; returns its output lines.
    Lines Zelk(const std::string& name, const std::string& text) {
        const std::string path = paths::Join(dir, name);
        testsupport::WriteFile(path, text);
        OpenSession(path);
        oAppInfo->IsAResourceFile = name.size() > 3 && name.substr(name.size() - 3) == ".rc";
        long next = 0;
        RunFindings found;
        sbProcessFile(1, options, next, spell, found);
        EXPECT_EQ(oDebug->StatusCode, 0);
        return textfile::SplitLines(testsupport::ReadFile(gsTempOutFile[1]));
    }
    Lines Asked() const {
        Lines words;
        for (const auto& q : question.Questions) words.push_back(q.Word);
        return words;
    }
    static bool Holds(const Lines& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    bool spell = false;
    FakeZelkWindow window;
    ScriptedWordNotFound question;
    testsupport::Lend<IZelkWindow*> host{gfrmZelker, &window};
    SpellingInstalled spelling{&question};  // as the program has it
    std::string dir;
    ZelkOptions options;  // the run's
};

constexpr const char* kModule =
    "'recieve the data\r\n"
    "Option Explicit\r\n"
    "Public Sub Go()\r\n"
    "MsgBox \"Recieve the file\"\r\n"
    "'helo world\r\n"
    "End Sub\r\n";

}  // namespace

TEST_F(SpellingPass, AModulesCommentsAndLiteralsAreCheckedWithTheirContextShown) {
    question.Answers = {Answer(sc::kReplace, "RECEIVE"), Answer(sc::kReplace, "RECEIVE"),
                        Answer(sc::kReplace, "hello")};
    const Lines out = Zelk("Mod.bas", kModule);

    EXPECT_EQ(Asked(), (Lines{"recieve", "Recieve", "helo"}));
    // Each replacement takes the case of the word it replaces.
    EXPECT_TRUE(Holds(out, "'receive the data")) << vb::Join(out, "\n");
    EXPECT_TRUE(Holds(out, "MsgBox \"Receive the file\"")) << vb::Join(out, "\n");
    EXPECT_TRUE(Holds(out, "'hello world")) << vb::Join(out, "\n");

    ASSERT_EQ(window.shown.size(), 3u);
    EXPECT_EQ(window.shown[0].Caption, "Spell Checking: Mod.bas - Comment ");
    EXPECT_EQ(window.shown[1].Caption, "Spell Checking: Mod.bas - Code String Literal ");
    // The checked statement is in the middle; the file's first statement
    // has nothing before it.
    EXPECT_EQ(window.shown[0].Context, (Lines{"", "", "'recieve the data", "Option Explicit", "Public Sub Go()"}));
    EXPECT_EQ(window.shown[1].Context[2], "MsgBox \"Recieve the file\"");
    EXPECT_EQ(window.shown[2].Context[2], "'helo world");
    EXPECT_EQ(window.shown[2].Context[3], "End Sub");
    // The frame is shown for the check only; the progress panel comes back.
    EXPECT_EQ(Lines(window.frame.begin(), window.frame.begin() + 3),
              (Lines{"spelling shown", "progress shown", "spelling hidden"}));
}

TEST_F(SpellingPass, AStopAsksWhetherToStopTheModule) {
    // No: the check goes on with the next text; the stopped text stays.
    question.Answers = {Answer(sc::kCancelCheck), Answer(sc::kIgnore), Answer(sc::kIgnore)};
    testsupport::Ui().MsgBoxAnswers = {mb::vbNo};
    Lines out = Zelk("Mod.bas", kModule);
    EXPECT_EQ(Asked(), (Lines{"recieve", "Recieve", "helo"}));
    EXPECT_TRUE(Holds(out, "'recieve the data"));
    ASSERT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_EQ(testsupport::Ui().Messages[0].Title, "Cancel");
    EXPECT_EQ(testsupport::Ui().Messages[0].Prompt,
              "Selecting 'Yes' will Cancel SpellCheck for this module!\r\nDo you want to cancel SpellCheck?");
    EXPECT_EQ(testsupport::Ui().Messages[0].Buttons, mb::vbYesNo | mb::vbQuestion);
    EXPECT_TRUE(spell);

    // Yes: nothing further of the file is checked.
    question.Questions.clear();
    question.Answers = {Answer(sc::kCancelCheck)};
    testsupport::Ui().MsgBoxAnswers = {mb::vbYes};
    testsupport::Ui().NextAnswer = 0;
    out = Zelk("Mod.bas", kModule);
    EXPECT_EQ(Asked(), (Lines{"recieve"}));
    EXPECT_FALSE(spell);
    EXPECT_TRUE(Holds(out, "MsgBox \"Recieve the file\""));
}

TEST_F(SpellingPass, AResourceScriptsStringTablesAreCheckedIntoItsCopy) {
    question.Answers = {Answer(sc::kReplace, "RECEIVE"), Answer(sc::kCancelCheck), Answer(sc::kReplace, "print")};
    const Lines out = Zelk("App.rc", "// recieve STRINGTABLE below\r\n"  // mentions the word: a table starts
                                     "BEGIN\r\n"
                                     "  1 \"&Recieve data\"\r\n"
                                     "  END of nothing\r\n"  // indented: the table goes on
                                     "  2 \"Opne\"\r\n"      // stopped: the next text is checked all the same
                                     "  3 \"&&Prnt file\" // recieve\r\n"
                                     "END\r\n"
                                     "  4 \"recieve\"\r\n");
    EXPECT_EQ(out, (Lines{"// recieve STRINGTABLE below", "BEGIN", "  1 \"&Receive data\"", "  END of nothing",
                          "  2 \"Opne\"", "  3 \"&&Print file\" // recieve", "END", "  4 \"recieve\""}));
    // The first ampersand stays out of the check; a second one is checked.
    EXPECT_EQ(Asked(), (Lines{"Recieve", "Opne", "Prnt"}));
    EXPECT_TRUE(testsupport::Ui().Messages.empty());  // a stop asks nothing here
    EXPECT_TRUE(window.shown.empty());
    EXPECT_NE(gsTempOutFile[1].find("PV"), std::string::npos);
}

// A script is checked only while spelling is wanted for the run and there
// is a dictionary: after a No to spell checking, or without a usable main
// dictionary, it is copied unchanged and nothing is asked.
TEST_F(SpellingPass, AResourceScriptIsCopiedUncheckedWithoutSpelling) {
    const std::string script = "STRINGTABLE\r\nBEGIN\r\n  1 \"Recieve\"\r\nEND\r\n";
    const Lines copied = {"STRINGTABLE", "BEGIN", "  1 \"Recieve\"", "END"};
    spell = false;
    EXPECT_EQ(Zelk("App.rc", script), copied);

    testsupport::WriteFile(paths::Join(testsupport::ProgramDir(), "SPELLDIC.DAT"), "not a dictionary");
    spell = true;
    EXPECT_EQ(Zelk("App.rc", script), copied);
    EXPECT_TRUE(question.Questions.empty());
}

TEST_F(SpellingPass, AnEmptyResourceScriptGivesAnEmptyOutput) {
    EXPECT_EQ(Zelk("App.rc", ""), Lines{});
    EXPECT_EQ(testsupport::ReadFile(gsTempOutFile[1]), "");
}

// A line of a string table: which text is checked, and how the line is put
// together again.
TEST(ResourceLine, TheFirstQuotedTextIsCheckedWithoutItsAccessKey) {
    struct Case {
        std::string line, checked, result;
    } cases[] = {
        {"  1 no quote", "", "  1 no quote"},
        {"  1 \"Helo\"", "Helo", "  1 \"HELO\""},
        {"  1 \"&Helo\"", "Helo", "  1 \"&HELO\""},
        {"  1 \"He&lo\", \"x\"", "Helo", "  1 \"HE&LO\", \"x\""},
        {"  1 \"a&&b\"", "a&b", "  1 \"A&&B\""},
        {"  1 \"Helo", "Helo", "  1 \"HELO"},                            // no closing quote: the rest of the line
        {"  1 \"Say \"\"hi\"\"\"", "Say ", "  1 \"SAY \"\"hi\"\"\""},  // a doubled quote ends the text
        {"  1 \"\"", "", "  1 \"\""},
        // The text became shorter than the place of its "&": the "&" goes at its end.
        {"  1 \"Delete&Me\"", "DeleteMe", "  1 \"x&\""},
    };
    for (const Case& c : cases) {
        std::string seen = "(none)";
        const std::string result = fsCheckResourceLine(c.line, [&](std::string& text) {
            seen = text;
            text = text == "DeleteMe" ? "x" : vb::UCase(text);
        });
        EXPECT_EQ(result, c.result) << c.line;
        EXPECT_EQ(seen, c.line.find('"') == std::string::npos ? "(none)" : c.checked) << c.line;
    }
}

TEST(ResourceLine, StringTablesRunFromAnyMentionToAnEndInTheFirstColumn) {
    const std::pair<std::string, bool> lines[] = {
        {"  1 \"before\"", false}, {"stringtable discardable", false}, {"BEGIN", true},
        {"  End", true},           {"  2 \"x\"", true},                 {"end", false},
        {"  3 \"after\"", false},  {"/* STRINGTABLE */", false},        {"END", false},
    };
    StringTableScan scan;
    for (const auto& [line, checked] : lines) EXPECT_EQ(scan.IsTableText(line), checked) << line;
}

// The headless driver answers every unknown word alike: by default it
// leaves them as they are; --spell first-suggestion takes each word's first
// suggestion, so that a correction shows end to end.
TEST(ZelkHeadlessSpell, AnswersEveryUnknownWordAsTold) {
    spelltest::WriteDictionary({"receive", "data"});
    const std::string work = testsupport::MakeDir("headless");
    const std::string source = paths::Join(work, "Mod.bas"), settings = paths::Join(work, "in.ini");
    const std::string out = paths::Join(work, "out.bas"), log = paths::Join(work, "out.log");
    testsupport::WriteFile(source, "'recieve the data\r\nOption Explicit\r\n");
    testsupport::WriteFile(settings, "[Spell]\r\nEnabled=Yes\r\n");
    auto run = [&](const std::string& spell) {
        const std::string command = testsupport::BuildDir() + "/zelk_headless zelk --settings '" + settings + "' " +
                                    spell + " '" + source + "' '" + out + "' '" + log + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
        return textfile::SplitLines(testsupport::ReadFile(out)).at(0);
    };
    EXPECT_EQ(run(""), "'recieve the data");
    EXPECT_EQ(run("--spell ignore"), "'recieve the data");
    EXPECT_EQ(run("--spell first-suggestion"), "'receive the data");
    const int status = std::system((testsupport::BuildDir() + "/zelk_headless zelk --spell maybe '" + source + "' '" +
                                    out + "' '" + log + "' 2>/dev/null")
                                       .c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
}
