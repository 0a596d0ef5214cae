#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "TestSupport.h"
#include "settings/cINIHandler.h"

namespace {
cINIHandler Handler(const std::string& content) {
    std::string f = paths::Join(testsupport::MakeDir("h"), "t.ini");
    testsupport::WriteFile(f, content);
    cINIHandler h;
    h.INIFileName(f);
    h.Section("S");
    return h;
}
}  // namespace

TEST(cINIHandler, ReadBoolWords) {
    cINIHandler h = Handler("[S]\r\na= yes \r\nb=TRUE\r\nc=-1\r\nd=No\r\ne=false\r\nf=0\r\ng=on\r\nh=1\r\ni=\r\n");
    struct {
        const char* key;
        bool def;
        bool expected;
    } cases[] = {{"a", false, true},  {"b", false, true}, {"c", false, true}, {"d", true, false},
                 {"e", true, false},  {"f", true, false}, {"g", false, false}, {"g", true, true},
                 {"h", true, true},   {"h", false, false}, {"i", true, true}, {"missing", true, true},
                 {"missing", false, false}};
    for (auto c : cases) EXPECT_EQ(h.ReadBool(c.key, c.def), c.expected) << c.key << " default " << c.def;
}

TEST(cINIHandler, WriteBoolWritesYesAndNo) {
    cINIHandler h = Handler("");
    h.WriteBool("On", true);
    h.WriteBool("Off", false);
    EXPECT_EQ(h.ReadString("On"), "Yes");
    EXPECT_EQ(h.ReadString("Off"), "No");
    EXPECT_TRUE(h.ReadBool("On"));
}

TEST(cINIHandler, ReadNumberClampsAndTakesThePrefix) {
    cINIHandler h = Handler("[S]\r\na=40 \r\nb=7\r\nc=300\r\nd=abc\r\ne=12px\r\n");
    EXPECT_EQ(h.ReadNumber("a"), 40);
    EXPECT_EQ(h.ReadNumber("b", 0, 10, 255), 10);
    EXPECT_EQ(h.ReadNumber("c", 0, 10, 255), 255);
    EXPECT_EQ(h.ReadNumber("d", 0, 10), 10);
    EXPECT_EQ(h.ReadNumber("d", 5), 0);  // present without a number
    EXPECT_EQ(h.ReadNumber("e"), 12);
    EXPECT_EQ(h.ReadNumber("missing", 33), 33);
    EXPECT_EQ(h.ReadNumber("missing", 33, std::nullopt, 20), 20);
}

TEST(cINIHandler, EmptyValueIsNotTheDefault) {
    cINIHandler h = Handler("[S]\r\nk=\r\n");
    EXPECT_EQ(h.ReadString("k", "dflt"), "");
    EXPECT_EQ(h.ReadString("missing", "dflt"), "dflt");
}

TEST(cINIHandler, SectionBracketsAndTheCurrentSection) {
    cINIHandler h = Handler("[S]\r\nk=s\r\n[T]\r\nk=t\r\n");
    h.Section("[X]");
    EXPECT_EQ(h.Section(), "|X|");
    h.ReadString("k", "", "[Y]");
    EXPECT_EQ(h.Section(), "[Y]");
    // A section set by any method stays for reads without one.
    h.ReadBool("k", false, std::string("T"));
    EXPECT_EQ(h.ReadString("k"), "t");
    EXPECT_EQ(h.ReadNumber("k", 9), 0);
    h.DeleteSection("S");
    EXPECT_EQ(h.Section(), "T");
    EXPECT_EQ(h.ReadString("k"), "t");
    EXPECT_EQ(h.ReadString("k", "gone", "S"), "gone");
}

TEST(cINIHandler, ReadWordsCollapsesBlankPairsOnce) {
    cINIHandler h = Handler("[S]\r\ntwo=a  b\r\nthree=a   b\r\n");
    EXPECT_EQ(h.ReadWords("two"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(h.ReadWords("three"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(h.ReadWords("missing"), (std::vector<std::string>{""}));
    EXPECT_EQ(h.ReadWords("missing", "x|y", "|"), (std::vector<std::string>{"x", "y"}));
}

TEST(cINIHandler, WritesNumbersWordsAndDeletes) {
    cINIHandler h = Handler("");
    h.WriteNumber("n", -12);
    h.WriteNumber("f", 2.5);
    h.WriteWords("w", {"a", "b", "c"});
    EXPECT_EQ(h.ReadString("n"), "-12");
    EXPECT_EQ(h.ReadString("f"), "2.5");
    EXPECT_EQ(h.ReadString("w"), "a b c");
    h.DeleteKey("n");
    EXPECT_EQ(h.ReadString("n", "none"), "none");
}

TEST(cINIHandler, ValuesLongerThan254CharactersSurvive) {
    cINIHandler h = Handler("");
    std::string v(600, 'q');
    h.WriteString("long", v);
    EXPECT_EQ(h.ReadString("long"), v);
}

TEST(cINIHandler, DefaultFileIsBesideTheProgram) {
    cINIHandler h;
    EXPECT_EQ(h.INIFileName(), paths::Join(testsupport::ProgramDir(), paths::ExeName() + ".INI"));
    EXPECT_EQ(h.Section(), "DEFAULT");
}
