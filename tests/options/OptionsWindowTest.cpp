// The options dialog on screen (headless): its pages and tab strip, the
// binding of its controls to the model, keys, the spin box, and the fields
// whose check must not hold up Cancel or the tab strip.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "platform/KeyCodes.h"
#include "OptionsFixture.h"
#include "platform_ui/QtPictureBox.h"
#include "QtTestApp.h"
#include "options/SpinPicture.h"
#include "platform/SysColor.h"
#include "TestSupport.h"
#include "options_ui/fcSpinControl.h"
#include "options_ui/frmZelOptions.h"

namespace {

class OptionsWindow : public OptionsFixture {
protected:
    void SetUp() override {
        testsupport::EnsureQApplication();
        OptionsFixture::SetUp();
        dlg = std::make_unique<frmZelOptions>(options);
        dlg->Form_Load();
    }
    void TearDown() override { dlg.reset(); }

    template <class W>
    W* Find(const char* name) {
        auto* w = dlg->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The page on top of the strip: the only one enabled.
    int PageOnTop() {
        for (int k = 0; k < 12; ++k)
            if (dlg->Tabs.TabPage[k]->isEnabled()) return k + 1;
        return 0;
    }
    void ShowModeless() {
        dlg->show();
        QApplication::processEvents();
    }
    // Shows the dialog on one of its pages.
    void ShowPage(int tab) {
        ShowModeless();
        fiTabClick(dlg->Tabs, 12, tab, dlg->Logic.msTabCaptions, 0, 0);
    }

    std::unique_ptr<frmZelOptions> dlg;
};

TEST_F(OptionsWindow, EveryPageHasItsControlsAndItsPicture) {
    EXPECT_EQ(dlg->windowTitle(), "Zelker Options");
    EXPECT_EQ(PageOnTop(), 1);
    EXPECT_EQ(dlg->Logic.miCurTab, 0);
    EXPECT_EQ(dlg->Tabs.TabHolder->y(), -8);
    ShowModeless();
    for (int tab = 1; tab <= 12; ++tab) {
        EXPECT_EQ(dlg->Logic.Controls.Names().empty(), false);
        int t = tab;
        fiTabClick(dlg->Tabs, 12, t, dlg->Logic.msTabCaptions, 0, 0);
        EXPECT_EQ(PageOnTop(), tab);
        const QImage shot = dlg->grab().toImage();
        EXPECT_TRUE(shot.save(QString::fromStdString(
            testsupport::PicturePath("options-page-" + std::to_string(tab) + ".png"))));
    }
    // Every control of the model has its widget, named after it.
    for (const std::string& name : dlg->Logic.Controls.Names())
        EXPECT_EQ(dlg->findChild<QWidget*>(QString::fromStdString(name)), dlg->Widget(name)) << name;
}

TEST_F(OptionsWindow, ClicksReachTheModelAndItsRulesReachTheWidgets) {
    ShowModeless();
    int t = 11;
    fiTabClick(dlg->Tabs, 12, t, dlg->Logic.msTabCaptions, 0, 0);
    auto* lineNumbers = Find<QCheckBox>("chkLineNumbers");
    auto* start = Find<QLineEdit>("txtLineNumberStart");
    EXPECT_FALSE(start->isEnabled());
    gblnOptionsChanged = false;
    QTest::mouseClick(lineNumbers, Qt::LeftButton);
    EXPECT_EQ(dlg->Logic.Controls["chkLineNumbers"].Value, 1);
    EXPECT_TRUE(start->isEnabled());
    EXPECT_TRUE(gblnOptionsChanged);
    // Digits only; the field selects its text when it gets the focus.
    start->setFocus();
    start->selectAll();
    QTest::keyClicks(start, "12a-3");
    EXPECT_EQ(start->text(), "123");
    EXPECT_EQ(dlg->Logic.Controls["txtLineNumberStart"].Text, "123");
    // An option button the model already selected runs nothing.
    fiTabClick(dlg->Tabs, 12, t = 3, dlg->Logic.msTabCaptions, 0, 0);
    auto* replace = Find<QRadioButton>("optWhereToSave_2");
    QTest::mouseClick(replace, Qt::LeftButton);
    EXPECT_FALSE(Find<QWidget>("fraBackupFiles")->isEnabled());
    EXPECT_FALSE(Find<QRadioButton>("optWhereToSave_0")->isChecked());
}

TEST_F(OptionsWindow, KeysSwitchPagesWhereverTheFocusIs) {
    ShowModeless();
    QWidget* focus = Find<QWidget>("chkOptionExplicit");
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(dlg->Logic.miCurTab, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(dlg->Logic.miCurTab, 2);
    EXPECT_EQ(PageOnTop(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dlg->Logic.miCurTab, 12);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(PageOnTop(), 9);
}

TEST_F(OptionsWindow, MouseOnTheStripPicksTheTabUnderIt) {
    ShowModeless();
    const TabGeometry& g = CurrentTabGeometry();
    // Tab 4, in the middle of its band; positions are twips of the strip.
    const QPoint at(static_cast<int>(g.O / 15) + 5, static_cast<int>((g.TabTop(4) + g.H / 2) / 15));
    gblnOptionsChanged = false;
    QTest::mouseClick(dlg->Tabs.TabHolder, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(dlg->Logic.miCurTab, 4);
    EXPECT_EQ(PageOnTop(), 4);
    EXPECT_EQ(dlg->HelpContextID, 2215);
    EXPECT_TRUE(gblnOptionsChanged);
    // Below the last tab: no tab, the page stays.
    QTest::mouseClick(dlg->Tabs.TabHolder, Qt::LeftButton, Qt::NoModifier,
                      QPoint(at.x(), dlg->Tabs.TabHolder->height() - 10));
    EXPECT_EQ(dlg->Logic.miCurTab, 0);
    EXPECT_EQ(PageOnTop(), 4);
}

TEST_F(OptionsWindow, AFailingFieldShowsItsMessageButDoesNotHoldUpCancel) {
    auto& ui = testsupport::Ui();
    ShowModeless();
    int t = 3;
    fiTabClick(dlg->Tabs, 12, t, dlg->Logic.msTabCaptions, 0, 0);
    QTest::mouseClick(Find<QRadioButton>("optBackupDir_1"), Qt::LeftButton);
    auto* dir = Find<QLineEdit>("txtBackupDir");
    dir->setFocus();
    dir->clear();
    QTest::keyClicks(dir, "/no/such/folder");
    // Moving on to another field: the message, and the focus stays.
    Find<QWidget>("chkSignificant")->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(ui.LastPrompt(), "Backup directory does not exist!");
    EXPECT_TRUE(dir->hasFocus());
    // Cancel: the message again, and the dialog closes all the same.
    QTest::keyClicks(dir, "/still/none");
    ui.Messages.clear();
    QTest::mouseClick(dlg->cmdCancel, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(ui.LastPrompt(), "Backup directory does not exist!");
    EXPECT_FALSE(dlg->isVisible());
}

// The texts a list widget shows, top to bottom.
QStringList Texts(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

TEST_F(OptionsWindow, OrderListsMoveByArrowsAndCtrlKeysAndRefusedMovesBeep) {
    auto& ui = testsupport::Ui();
    ShowPage(9);
    auto* types = Find<QListWidget>("lstOrderDeclarations_1");
    auto* down = Find<QLabel>("imgMove_3");
    // Disabled with its group: the arrow does nothing.
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(types->item(0)->text(), "Enumerations");
    auto* group = Find<QCheckBox>("chkArrangeModule");
    QTest::mouseClick(group, Qt::LeftButton, Qt::NoModifier, QPoint(8, group->height() / 2));
    ASSERT_TRUE(types->isEnabled());

    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(Texts(types).mid(0, 2), (QStringList{"Const", "Enumerations"}));
    EXPECT_EQ(types->currentRow(), 1);
    // Ctrl+Up moves the entry back and the list does not move its selection too.
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(types->item(0)->text(), "Enumerations");
    EXPECT_EQ(types->currentRow(), 0);
    QTest::keyClick(types, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(ui.Beeps, 1);
    // Up and Down alone move the selection only.
    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(types->currentRow(), 1);
    EXPECT_EQ(dlg->Logic.Controls["lstOrderDeclarations_1"].ListIndex, 1);
    QTest::keyClick(types, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Texts(types).mid(0, 3), (QStringList{"Enumerations", "Type Structure", "Const"}));
    EXPECT_TRUE(dlg->grab().save(QString::fromStdString(testsupport::PicturePath("options-arrange-moved.png"))));

    QTest::mouseClick(dlg->cmdOk, Qt::LeftButton);
    EXPECT_EQ(options.gsModuleHow, "113427213456");
}

TEST_F(OptionsWindow, ExtensionListsTakeTypedEntriesAndShowRefusals) {
    auto& ui = testsupport::Ui();
    ShowPage(8);
    QWidget* project = Find<QWidget>("cboExtension_0");
    auto* line = project->findChild<QLineEdit*>();
    auto* entries = project->findChild<QListWidget*>();
    auto* message = Find<QLabel>("lblMessage");

    // Enter adds the entry and keeps the dialog open with the focus in the line.
    line->setFocus();
    QTest::keyClicks(line, "vbx");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(entries->item(entries->count() - 1)->text(), "VBX");
    EXPECT_EQ(line->text(), "");
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(line->hasFocus());

    // Leaving the list with a bad entry: the message, and the focus comes back.
    QTest::keyClicks(line, "a|b");
    Find<QWidget>("optDialect_4")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(message->text(), "Invalid File-extension.");
    EXPECT_EQ(line->text(), "a|b");
    EXPECT_TRUE(line->hasFocus());
    EXPECT_TRUE(dlg->grab().save(QString::fromStdString(testsupport::PicturePath("options-extension-refused.png"))));
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    EXPECT_EQ(message->text(), "");

    // Leaving from the entries counts as leaving the list; moving from the
    // line into its own entries does not.
    QWidget* code = Find<QWidget>("cboExtension_2");
    auto* codeLine = code->findChild<QLineEdit*>();
    codeLine->setFocus();
    QTest::keyClicks(codeLine, "b:s");
    code->findChild<QListWidget*>()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(message->text(), "");
    Find<QWidget>("optDialect_4")->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(message->text(), "Invalid File-extension.");
    EXPECT_TRUE(codeLine->hasFocus());
    codeLine->selectAll();
    QTest::keyClick(codeLine, Qt::Key_Backspace);

    // Delete on a selected entry removes it; the last entry stays.
    QWidget* resources = Find<QWidget>("cboExtension_3");
    auto* rc = resources->findChild<QListWidget*>();
    ASSERT_EQ(rc->count(), 1);
    rc->setFocus();
    rc->setCurrentRow(0);
    QTest::keyClick(rc, Qt::Key_Delete);
    EXPECT_EQ(rc->count(), 1);
    EXPECT_EQ(message->text(), "You may not remove all File-extensions from the list.");
    const int before = entries->count();
    const QPoint first = entries->visualItemRect(entries->item(0)).center();
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, Qt::NoModifier, first);
    QTest::mouseDClick(entries->viewport(), Qt::LeftButton, Qt::NoModifier, first);
    EXPECT_EQ(entries->count(), before - 1);
    EXPECT_EQ(ui.Beeps, 3);
}

TEST_F(OptionsWindow, PickerButtonsFillTheirFieldsFromTheFileDialog) {
    auto& ui = testsupport::Ui();
    ShowPage(12);
    FileDialogResult chosen;
    chosen.Accepted = true;
    chosen.Files = {"/work/Projects/App.vbp"};
    ui.FileDialogAnswers.push_back(chosen);
    QTest::mouseClick(Find<QPushButton>("cmdDefaultFileLoc"), Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>("txtDefaultFileLoc")->text(), "/work/Projects");
    EXPECT_EQ(ui.FileDialogRequests.back().Title, "Default File Location");
}

TEST(SpinControl, StepsBoundsKeysAndTheEmptiedBox) {
    testsupport::EnsureQApplication();
    fcSpinControl spin;
    spin.MinVal = 0;
    spin.MaxVal = 100;
    int changes = 0, ticks = 0;
    spin.Change = [&] { ++changes; };
    spin.Timer = [&] { ++ticks; };
    spin.SetValue("150");
    EXPECT_EQ(spin.Text(), "100");
    spin.SetValue("abc");
    EXPECT_EQ(spin.Text(), "100");
    spin.SetText("150");
    EXPECT_EQ(spin.Text(), "150");
    // Holding the upper half: a step at once, the next after 800 ms, then every 50.
    spin.SetText("98");
    spin.show();
    QTest::mousePress(spin.fcSpinPic, Qt::LeftButton, Qt::NoModifier, QPoint(5, 3));
    EXPECT_EQ(spin.fcSpinTimer->interval(), 1);
    spin.fcSpinTimer_Timer();
    EXPECT_EQ(spin.Text(), "99");
    EXPECT_EQ(spin.fcSpinTimer->interval(), 800);
    spin.fcSpinTimer_Timer();
    spin.fcSpinTimer_Timer();
    EXPECT_EQ(spin.Text(), "100");
    EXPECT_EQ(spin.fcSpinTimer->interval(), 50);
    EXPECT_EQ(ticks, 3);
    QTest::mouseRelease(spin.fcSpinPic, Qt::LeftButton, Qt::NoModifier, QPoint(5, 3));
    EXPECT_FALSE(spin.fcSpinTimer->isActive());
    EXPECT_TRUE(spin.HitSpin());
    // Keys: Down steps, letters and Backspace are dropped, emptying refills.
    spin.fcSpinText->setFocus();
    QTest::keyClick(spin.fcSpinText, Qt::Key_Down);
    EXPECT_EQ(spin.Text(), "99");
    QTest::keyClick(spin.fcSpinText, Qt::Key_A);
    QTest::keyClick(spin.fcSpinText, Qt::Key_Minus);
    QTest::keyClick(spin.fcSpinText, Qt::Key_Backspace);
    EXPECT_EQ(spin.Text(), "99");
    changes = 0;
    spin.fcSpinText->clear();
    EXPECT_EQ(spin.Text(), "0");
    EXPECT_EQ(changes, 2);
}

TEST(SpinControl, PicturesAreRaisedOrSunkenAndGreyWhenDisabled) {
    testsupport::EnsureQApplication();
    const uint32_t dark = GetSysColor(syscolor::COLOR_3DDKSHADOW), grey = GetSysColor(syscolor::COLOR_GRAYTEXT);
    const Bitmap32 up = DrawSpinPicture(false, true), down = DrawSpinPicture(true, true);
    EXPECT_EQ(up.At(9, 2), dark);    // the tip of the up arrow
    EXPECT_EQ(down.At(10, 3), dark);  // one pixel further right and down when pressed
    EXPECT_EQ(up.At(19, 0), dark);    // the raised half's dark right edge
    EXPECT_EQ(down.At(0, 5), dark);   // the sunken half's dark left edge
    EXPECT_EQ(DrawSpinPicture(false, false).At(9, 2), grey);
    fcSpinControl spin;
    spin.SetSpinEnabled(false);
    EXPECT_FALSE(spin.fcSpinText->isEnabled());
    EXPECT_EQ(spin.fcSpinUp.At(9, 14), grey);
    spin.show();
    spin.resize(49, 20);
    QApplication::processEvents();
    spin.SetSpinEnabled(true);
    EXPECT_EQ(spin.fcSpinText->width(), 24);
    EXPECT_EQ(spin.fcSpinPic->x(), 24);
    EXPECT_EQ(spin.fcSpinPic->y(), 1);
    EXPECT_TRUE(spin.grab().save(QString::fromStdString(testsupport::PicturePath("spin-box.png"))));
}

}  // namespace
