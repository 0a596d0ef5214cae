// The About window: its texts, the System Info button found through the
// registry store, and opening it from the Help menu.
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "common/AppIdentity.h"
#include "MainWindowFixture.h"
#include "QtTestApp.h"
#include "ModalRobot.h"
#include "platform/Registry.h"
#include "mainwindow/SysInfo.h"
#include "mainwindow_ui/frmAbout.h"

namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

void Store(const std::string& key, const std::string& name, const std::string& text) {
    reg::CreateKey(reg::HKEY_LOCAL_MACHINE, key);
    reg::SetValue(reg::HKEY_LOCAL_MACHINE, key, name, {reg::REG_SZ, text, 0});
}

std::string Label(frmAbout& about, int index) { return about.lbl.at(index)->text().toStdString(); }

}  // namespace

TEST(AboutWindow, ShowsTheProgramTheUserAndTheMaker) {
    testsupport::EnsureQApplication();
    oAppInfo->User("Ada");
    oAppInfo->Company("");
    testsupport::Ui().Pointer = pointer::vbArrow;
    frmAbout about;
    about.Form_Load();
    EXPECT_EQ(about.windowTitle().toStdString(), "About Zembrock Zelker for Visual Basic");
    EXPECT_EQ(Label(about, 0), "Zembrock Zelker for Visual Basic");
    EXPECT_EQ(Label(about, 1), "Version " + oAppInfo->AppVersion());
    EXPECT_EQ(Label(about, 2), app::kLegalCopyright);
    EXPECT_EQ(Label(about, 14), "This product is being used by");
    EXPECT_EQ(Label(about, 5), "Ada");
    EXPECT_EQ(Label(about, 6), "");  // an empty company leaves its label empty
    EXPECT_EQ(Label(about, 15), "Technical Support:");
    EXPECT_NE(Label(about, 17).find(app::kSupportEmail), std::string::npos);
    for (int i = 9; i <= 13; ++i) EXPECT_EQ(Label(about, i), "");
    EXPECT_EQ(about.size(), QSize(440, 293));
    // The hourglass only while it loads.
    const auto& history = testsupport::Ui().PointerHistory;
    ASSERT_GE(history.size(), 2u);
    EXPECT_EQ(history[history.size() - 2], pointer::vbHourglass);
    EXPECT_EQ(testsupport::Ui().Pointer, pointer::vbArrow);
    EXPECT_FALSE(about.cmdSysInfo->isEnabled());  // no tool in the registry
    about.show();
    EXPECT_TRUE(about.grab().save(QString::fromStdString(testsupport::PicturePath("about.png"))));
}

TEST(AboutWindow, SystemInfoFoundThroughTheRegistry) {
    testsupport::EnsureQApplication();
    const std::string folder = testsupport::MakeDir("msinfo");
    const std::string tool = folder + "/MSINFO32.EXE";
    struct Case {
        const char* what;
        std::string path, location;
        bool toolExists, enabled;
        std::string started;
    };
    const Case cases[] = {
        {"PATH names the tool", tool, "", true, true, tool},
        {"PATH names a missing file", folder + "/gone.exe", "", true, false, ""},
        {"no PATH, the folder holds the tool", "", folder, true, true, tool},
        {"no PATH, the folder lacks the tool", "", folder, false, false, ""},
        {"nothing stored", "", "", true, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reg::DeleteValue(reg::HKEY_LOCAL_MACHINE, kToolKey, "PATH");
        reg::DeleteValue(reg::HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO");
        std::filesystem::remove(tool);
        if (!c.path.empty()) Store(kToolKey, "PATH", c.path);
        if (!c.location.empty()) Store(kLocationKey, "MSINFO", c.location);
        if (c.toolExists) testsupport::WriteFile(tool, "tool");

        frmAbout about;
        about.Form_Load();
        EXPECT_EQ(about.cmdSysInfo->isEnabled(), c.enabled);
        auto& ui = testsupport::Ui();
        ui.StartedPrograms.clear();
        ui.Messages.clear();
        about.cmdSysInfo_Click();  // called anyway when disabled
        if (c.enabled) {
            ASSERT_EQ(ui.StartedPrograms.size(), 1u);
            EXPECT_EQ(ui.StartedPrograms[0], (std::vector<std::string>{c.started}));
            EXPECT_TRUE(ui.Messages.empty());
        } else {
            EXPECT_TRUE(ui.StartedPrograms.empty());
            EXPECT_EQ(ui.LastPrompt(), "System Information Is Unavailable At This Time");
            EXPECT_EQ(ui.Messages.back().Buttons, mb::vbOKOnly);
        }
    }
}

TEST(AboutWindow, RegistryValuesAsText) {
    std::string text = "kept";
    EXPECT_FALSE(GetKeyValue(reg::HKEY_LOCAL_MACHINE, "SOFTWARE\\None", "X", text));
    EXPECT_EQ(text, "");
    Store("SOFTWARE\\Test", "Closed", std::string("abc") + '\0');
    EXPECT_TRUE(GetKeyValue(reg::HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Closed", text));
    EXPECT_EQ(text, "abc");
    Store("SOFTWARE\\Test", "Whole", "abc");
    EXPECT_TRUE(GetKeyValue(reg::HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Whole", text));
    EXPECT_EQ(text, "abc");
    reg::SetValue(reg::HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Number", {reg::REG_DWORD, "", 4000000000u});
    EXPECT_TRUE(GetKeyValue(reg::HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Number", text));
    EXPECT_EQ(text, "4000000000");
}

TEST_F(MainWindowFixture, HelpAboutOpensAFreshWindowEachTime) {
    Load();
    ModalRobot robot;
    std::vector<std::string> titles;
    for (int i = 0; i < 2; ++i)
        robot.Then([&](QWidget* w) {
            titles.push_back(w->objectName().toStdString());
            w->findChild<QPushButton*>("cmdOk")->click();
        });
    form->RunCommand("mnuHelpAbout");
    form->RunCommand("mnuHelpAbout");
    EXPECT_EQ(titles, (std::vector<std::string>{"frmAbout", "frmAbout"}));
    EXPECT_EQ(robot.Pending(), 0u);
    EXPECT_TRUE(form->findChildren<frmAbout*>().isEmpty());
}
