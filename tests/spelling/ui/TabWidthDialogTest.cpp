// The tab-width question, headless: its state when loaded, the answers OK
// takes and those it refuses, that it cannot be closed without an answer,
// and the engine asking it once while zelking a file with tabs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "engine/EngineState.h"
#include "ModalRobot.h"
#include "EngineTestSupport.h"
#include "analysis/KeywordTable.h"
#include "engine/ProcessFile.h"
#include "QtTestApp.h"
#include "engine/SpellingHooks.h"
#include "spelling_ui/TemplateWindows.h"
#include "Lend.h"
#include "TestSupport.h"
#include "spelling_ui/frmTabWidth.h"

namespace {

std::string SettingsPath() { return paths::Join(testsupport::ConfigDir(), kSettingsFileName); }

struct TabWidthDialog : ::testing::Test {
    TabWidthDialog() {
        testsupport::EnsureQApplication();
        testsupport::WriteFile(SettingsPath(), "[Program]\r\nTabWidth=99\r\n");
        sbGetINIInfo(settings);
    }
    ScriptedUiServices& ui() { return testsupport::Ui(); }
    // The program's settings as the question keeps its answer there.
    ZelkOptions settings;
    // The question installed over them goes with them.
    testsupport::Lend<decltype(gfnAskTabWidth)> asking{gfnAskTabWidth};
};

}  // namespace

TEST_F(TabWidthDialog, LoadsReadyForFourBlanks) {
    ui().Pointer = pointer::vbHourglass;
    frmTabWidth form(settings);
    EXPECT_EQ(form.windowTitle().toStdString(), "Set Tab Width");
    EXPECT_EQ(form.fraTabWidth->title().toStdString(), "Set Tab Width");
    EXPECT_TRUE(form.optSetTo->isChecked());
    EXPECT_FALSE(form.optDoNot->isChecked());
    EXPECT_EQ(form.txtSetTo->text().toStdString(), "4");
    EXPECT_EQ(ui().Pointer, pointer::vbDefault);
    EXPECT_TRUE(form.cmdOK->isDefault());
    const auto lines = frmTabWidth::Explanation();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_STREQ(lines[6].Text, "TabWidth=x");
    EXPECT_EQ(lines[6].Column, 15);
    form.show();
    QApplication::processEvents();
    QApplication::processEvents();
    // The whole number is selected, so that typing replaces it.
    EXPECT_EQ(form.txtSetTo->selectedText().toStdString(), "4");
    form.grab().save(QString::fromStdString(testsupport::PicturePath("frmTabWidth.png")));
}

TEST_F(TabWidthDialog, OkTakesAnAnswerAndRefusesAnythingElse) {
    frmTabWidth form(settings);
    form.show();
    for (const char* bad : {"", "abc", "21", "-5"}) {
        form.txtSetTo->setText(bad);
        form.cmdOK->click();
        EXPECT_TRUE(form.isVisible()) << bad;
        EXPECT_FALSE(form.Unloaded) << bad;
        EXPECT_EQ(settings.giTabWidth, TabWidth::NotChosen) << bad;
    }
    EXPECT_EQ(ui().Messages.size(), 4u);
    EXPECT_EQ(testsupport::ReadFile(SettingsPath()), "[Program]\r\nTabWidth=99\r\n");

    form.txtSetTo->setText("0");
    form.cmdOK->click();
    EXPECT_TRUE(form.Unloaded);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(settings.giTabWidth, TabWidth{0});
    EXPECT_EQ(testsupport::ReadFile(SettingsPath()), "[Program]\r\nTabWidth=0\r\n");
    EXPECT_EQ(ui().Pointer, pointer::vbHourglass);

    frmTabWidth doNot(settings);
    doNot.show();
    doNot.optDoNot->click();
    doNot.cmdOK->click();
    EXPECT_EQ(settings.giTabWidth, TabWidth::LeaveTabs);
    EXPECT_EQ(testsupport::ReadFile(SettingsPath()), "[Program]\r\nTabWidth=-1\r\n");
}

TEST_F(TabWidthDialog, CannotBeClosedWithoutAnAnswer) {
    frmTabWidth form(settings);
    form.show();
    form.close();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.Unloaded);
    EXPECT_EQ(settings.giTabWidth, TabWidth::NotChosen);
}

// Enter at once answers four; the question comes once for the file, and
// once more only after an answer of 99.
TEST_F(TabWidthDialog, ZelkingAFileWithTabsAsksOnce) {
    InstallTemplateWindows();
    testsupport::Lend noCommentEditor{goCommentEditor, nullptr};
    BabReset();
    BabInit();
    const std::string source = paths::Join(testsupport::MakeDir("src"), "Tabs.bas");
    testsupport::WriteFile(source, "Public Sub Go()\r\nx =\t1\r\ny =\t2\r\nEnd Sub\r\n");
    auto zelk = [&] {
        enginetest::OpenSession(source);
        // As the session does: the run's answer is kept once it is over.
        long next = 0;
        bool spell = settings.gblnSpellEnabled;
        RunFindings found;
        sbProcessFile(1, settings, next, spell, found);
        found.ApplyTo(settings);
        EXPECT_EQ(oDebug->StatusCode, 0);
        return testsupport::ReadFile(gsTempOutFile[1]);
    };

    ModalRobot robot;
    robot.Then([](QWidget* w) {
        // Settled on the screen, still waiting, the number ready to be typed over.
        QTest::qWait(100);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
        w->grab().save(QString::fromStdString(testsupport::PicturePath("frmTabWidth-zelk.png")));
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
    });
    std::string out = zelk();
    EXPECT_EQ(robot.Seen, std::vector<std::string>{"Set Tab Width"});
    EXPECT_EQ(settings.giTabWidth, TabWidth{4});
    EXPECT_NE(testsupport::ReadFile(SettingsPath()).find("TabWidth=4\r\n"), std::string::npos);
    EXPECT_EQ(out.find('\t'), std::string::npos) << out;
    EXPECT_NE(out.find("x =    1\r\n"), std::string::npos) << out;

    // Answered: not asked again, in this run or from the settings file.
    zelk();
    sbGetINIInfo(settings);
    zelk();
    EXPECT_EQ(robot.Seen.size(), 1u);

    // 99 is "ask me later": the next tab asks again.
    settings.giTabWidth = TabWidth::NotChosen;
    auto answer = [](const char* width) {
        return [width](QWidget* w) {
            auto* form = static_cast<frmTabWidth*>(w);
            form->txtSetTo->setText(width);
            form->cmdOK->click();
        };
    };
    robot.Then(answer("99"));
    robot.Then(answer("2"));
    out = zelk();
    EXPECT_EQ(robot.Seen.size(), 3u);
    EXPECT_EQ(settings.giTabWidth, TabWidth{2});
    // The first tab stayed while no width was chosen.
    EXPECT_NE(out.find("x =\t1\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("y =  2\r\n"), std::string::npos) << out;
    EXPECT_EQ(robot.Pending(), 0u);
}
