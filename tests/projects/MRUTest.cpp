#include "ProjectsFixture.h"
#include "platform/Paths.h"
#include "settings/mINIHandler.h"

namespace {

using RecentList = ProjectsFixture;
using List = std::vector<std::string>;

TEST_F(RecentList, UpdateMovesANameToTheTop) {
    struct Case {
        const char* what;
        List before;
        std::string name;
        List after;
    } cases[] = {
        {"entry 3 to the top", {"a", "b", "c", "d", "e", "f", "g"}, "c", {"c", "a", "b", "d", "e", "f", "g"}},
        {"already first", {"a", "b", "", "", "", "", ""}, "a", {"a", "b", "", "", "", "", ""}},
        {"new name drops entry 7", {"a", "b", "c", "d", "e", "f", "g"}, "n", {"n", "a", "b", "c", "d", "e", "f"}},
        {"case-blind match keeps the new spelling",
         {"/x/A.BAS", "/VB/MAIN.BAS", "", "", "", "", ""},
         "/vb/main.bas",
         {"/vb/main.bas", "/x/A.BAS", "", "", "", "", ""}},
        {"gaps stay gaps", {"", "two", "", "", "five", "", ""}, "new", {"new", "", "two", "", "", "five", ""}},
        {"into an empty list", {"", "", "", "", "", "", ""}, "n", {"n", "", "", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        SetMRU(c.before);
        UpdateMRUList(c.name, 0);
        EXPECT_EQ(MRU(), c.after) << c.what;
    }
}

TEST_F(RecentList, LoadKeepsGapsAndOverwritesOnlyWithSavedEntries) {
    testsupport::WriteFile(paths::Join(testsupport::ConfigDir(), "VEZUZ.INI"),
                           "[MRU]\r\nMRU2=/src/two.bas\r\nMRU5=/src/five.frm\r\nMRU6=\r\n");
    SetMRU({"/opened/before.bas", "/opened/second.bas"});
    GetMRU();
    EXPECT_EQ(MRU(), (List{"/opened/before.bas", "/src/two.bas", "", "", "/src/five.frm", "", ""}));
}

TEST_F(RecentList, MenuShowsEveryCaptionAndOnlyFilledItems) {
    SetMRU({"new", "", "/src/two.bas", "", "", "/src/five.frm", ""});
    sbShowMRUMenu(menu);
    EXPECT_EQ(menu.Captions[1], "&1 new");
    EXPECT_EQ(menu.Captions[2], "&2 ");
    EXPECT_EQ(menu.Captions[3], "&3 /src/two.bas");
    EXPECT_EQ(menu.Captions[6], "&6 /src/five.frm");
    EXPECT_EQ(menu.Captions[7], "&7 ");
    std::array<bool, 9> visible{false, true, false, true, false, false, true, false, false};
    EXPECT_EQ(menu.Visible, visible);
}

TEST_F(RecentList, SaveWritesAllSevenKeysAndLoadReadsThemBack) {
    SetMRU({"/a.bas", "", "/c.frm", "", "", "", "/g.cls"});
    SaveMRU();
    std::string ini = testsupport::ReadFile(paths::Join(testsupport::ConfigDir(), "VEZUZ.INI"));
    EXPECT_NE(ini.find("[MRU]\r\nMRU1=/a.bas\r\nMRU2=\r\nMRU3=/c.frm\r\nMRU4=\r\nMRU5=\r\nMRU6=\r\nMRU7=/g.cls\r\n"),
              std::string::npos)
        << ini;
    SetMRU({});
    GetMRU();
    EXPECT_EQ(MRU(), (List{"/a.bas", "", "/c.frm", "", "", "", "/g.cls"}));
}

}  // namespace
