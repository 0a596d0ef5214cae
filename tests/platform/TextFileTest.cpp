#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "platform/Paths.h"
#include "TestSupport.h"
#include "platform/TextFile.h"
#include "platform/VBError.h"

TEST(TextFile, LinesEndAtCrLfCrOrLf) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc\r\n\r\nd", {"a", "b", "c", "", "d"}},
        {"\r\n", {""}},
        {"a\n\n", {"a", ""}},
        {"\r", {""}},
        {"a\r\r\nb\n\r", {"a", "", "b", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(textfile::SplitLines(c.text), c.lines) << c.text;
        EXPECT_EQ(textfile::CountLines(c.text), c.lines.size()) << c.text;
    }
}

// Breaks are looked for several bytes at a time: lines of every length from
// 0 to 19, with every kind of end in turn, put each break (and the LF of a CR
// LF) at every place of such a block, also in a text without a last end.
TEST(TextFile, MixedLineEndsAreFoundWhereverTheyFall) {
    const std::string ends[] = {"\r\n", "\r", "\n"};
    for (size_t shift = 0; shift < 3; ++shift) {
        std::string text;
        std::vector<std::string> lines;
        for (size_t length = 0; length < 20; ++length) {
            lines.push_back(std::string(length, static_cast<char>('a' + length)));
            text += lines.back() + ends[(length + shift) % 3];
        }
        lines.push_back("last");
        text += lines.back();
        EXPECT_EQ(textfile::SplitLines(text), lines) << shift;
        EXPECT_EQ(textfile::CountLines(text), lines.size()) << shift;
        LineReader reader;
        reader.OpenText(text);
        std::string line;
        for (const std::string& expected : lines) {
            ASSERT_TRUE(reader.ReadLine(line));
            EXPECT_EQ(line, expected);
        }
        EXPECT_FALSE(reader.ReadLine(line));
    }
}

TEST(TextFile, ReaderAndWriter) {
    std::string f = paths::Join(testsupport::MakeDir("t"), "x.txt");
    {
        LineWriter w(f, LineWriter::Mode::Output);
        w.WriteLine("one");
        w.Write("tw");
        w.WriteLine("o");
        w.Close();
    }
    {
        LineWriter w(f, LineWriter::Mode::Append);
        w.WriteLine("three");
    }
    EXPECT_EQ(testsupport::ReadFile(f), "one\r\ntwo\r\nthree\r\n");
    LineReader r(f);
    EXPECT_EQ(r.ReadLine(), "one");
    EXPECT_EQ(r.ReadLine(), "two");
    EXPECT_EQ(r.ReadLine(), "three");
    EXPECT_TRUE(r.Eof());
    try {
        r.ReadLine();
        FAIL() << "expected input past end of file";
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, vberr::kInputPastEnd);
    }
}

TEST(TextFile, OpenFailuresCarryVisualBasicNumbers) {
    std::string dir = testsupport::MakeDir("t2");
    try {
        LineReader r(dir + "/nope.txt");
        FAIL();
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, vberr::kFileNotFound);
        EXPECT_EQ(e.Location, dir + "/nope.txt");
    }
    try {
        LineReader r(dir);
        FAIL();
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, vberr::kPathFileAccess);
    }
    try {
        LineWriter w(dir + "/no/such/dir.txt", LineWriter::Mode::Output);
        FAIL();
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, vberr::kFileNotFound);
    }
}

TEST(TextFile, AtomicWriteReplacesWhole) {
    std::string f = paths::Join(testsupport::MakeDir("t3"), "x.txt");
    testsupport::WriteFile(f, "old content that is longer");
    ASSERT_TRUE(textfile::WriteAllAtomic(f, "new"));
    EXPECT_EQ(testsupport::ReadFile(f), "new");
}

// A file reached through a symbolic link, or with other names (hard links):
// the write reaches the file itself, the link stays a link, and every name
// sees the new content.
TEST(TextFile, AtomicWriteGoesThroughLinksToTheFileItself) {
    namespace fs = std::filesystem;
    const std::string dir = testsupport::MakeDir("links");
    const std::string real = dir + "/real.bas", link = dir + "/link.bas", relative = dir + "/relative.bas";
    const std::string other = dir + "/other-name.bas";
    testsupport::WriteFile(real, "old");
    fs::create_symlink(real, link);
    fs::create_symlink("real.bas", relative);
    fs::create_hard_link(real, other);

    ASSERT_TRUE(textfile::WriteAllAtomic(link, "through the link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(testsupport::ReadFile(real), "through the link");
    EXPECT_EQ(testsupport::ReadFile(other), "through the link");

    ASSERT_TRUE(textfile::WriteAllAtomic(relative, "relative link"));
    EXPECT_TRUE(fs::is_symlink(relative));
    EXPECT_EQ(testsupport::ReadFile(other), "relative link");

    ASSERT_TRUE(textfile::WriteAllAtomic(other, "by the other name"));
    EXPECT_EQ(testsupport::ReadFile(real), "by the other name");
    EXPECT_EQ(fs::hard_link_count(real), 2u);
    // Nothing is left beside the file.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4);
}

TEST(Paths, WindowsPathsResolveWithoutCase) {
    std::string dir = testsupport::MakeDir("Proj/Forms");
    testsupport::WriteFile(dir + "/Main.FRM", "x");
    std::string root = dir.substr(0, dir.size() - std::string("Proj/Forms").size());
    EXPECT_EQ(paths::FromWindowsPath(root + "proj\\FORMS\\main.frm"), dir + "/Main.FRM");
    EXPECT_TRUE(paths::IsAbsolute("/a"));
    EXPECT_TRUE(paths::IsAbsolute("C:\\a"));
    EXPECT_FALSE(paths::IsAbsolute("a/b"));
}
