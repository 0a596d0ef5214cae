#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/FileNames.h"

namespace {

struct Parts {
    std::string drive, dir, base, ext;
    bool operator==(const Parts&) const = default;
};

Parts Parse(const std::string& path) {
    Parts p{"d?", "p?", "b?", "e?"};
    ParseFileName(path, p.drive, p.dir, p.base, p.ext);
    return p;
}

}  // namespace

TEST(FileNames, ParseFileNameSplitsAPath) {
    EXPECT_EQ(Parse("C:/SRC/FORM1.FRM"), (Parts{"C:", "/SRC/", "FORM1", ".FRM"}));
    EXPECT_EQ(Parse("  /home/u/a.b.bas "), (Parts{"", "/home/u/", "a.b", ".bas"}));
    EXPECT_EQ(Parse("FORM1.FRM"), (Parts{"", "", "FORM1", ".FRM"}));
    // A point in a folder's name starts the extension when the file has none.
    EXPECT_EQ(Parse("/src.old/Module"), (Parts{"", "/", "src", ".old/Module"}));
    // Nothing but blanks leaves the parts as they were.
    EXPECT_EQ(Parse("   "), (Parts{"d?", "p?", "b?", "e?"}));
}

TEST(FileNames, ShortensLongNamesForCaptions) {
    const std::string withDrive = "C:/Projects/Accounting/Ledger/Source/Forms/General/FORM1.FRM";  // 60
    ASSERT_EQ(withDrive.size(), 60u);
    EXPECT_EQ(fsFileName(withDrive, 60), withDrive);
    EXPECT_EQ(fsFileName(withDrive, 55), "C:/Projects/Accounting/Ledger/Source/Forms.../FORM1.FRM");
    EXPECT_EQ(fsFileName(withDrive, 55).size(), 55u);
    EXPECT_EQ(fsFileName(withDrive, 3), "");
    // The file name alone is too long: its start and the extension.
    EXPECT_EQ(fsFileName("C:/x/ABCDEFGHIJ.FRM", 8), "ABCD.FRM");
    // No room for any folder.
    EXPECT_EQ(fsFileName("C:/folder/FORM1.FRM", 13), "C:...FORM1.FR");
    // Without a drive only the file name follows the points.
    EXPECT_EQ(fsFileName("/home/user/projects/ledger/FORM1.FRM", 20), ".../FORM1.FRM");
    for (int max = 4; max < 40; ++max) EXPECT_LE(fsFileName(withDrive, max).size(), static_cast<size_t>(max)) << max;
}
