// The "Word Not Found" dialog, headless: its buttons, Escape, the close box,
// Suggest and the list, alone and as the checker's question; and a comment
// block corrected through it keeps its line breaks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "platform/Paths.h"
#include "engine/SpellingHooks.h"
#include "settings/mINIHandler.h"
#include "QtTestApp.h"
#include "spelling_ui/QtWordNotFound.h"
#include "spelling/SpellingInstaller.h"
#include "../SpellingTestSupport.h"
#include "TestSupport.h"
#include "spelling_ui/frmSpellCheck.h"
#include "spelling/modSpell.h"

namespace {

using Lines = std::vector<std::string>;

Lines ListOf(const QListWidget* list) {
    Lines items;
    for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
    return items;
}

// A person at the dialog: each time it is on the screen waiting, the next
// action runs (an action that leaves it open gets the next one too).
class DialogRobot {
public:
    using Action = std::function<void(frmSpellCheck&)>;
    DialogRobot() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }
    void Then(Action action) { actions_.push_back(std::move(action)); }
    size_t Pending() const { return actions_.size(); }

private:
    void Poll() {
        auto* dialog = qobject_cast<frmSpellCheck*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || actions_.empty()) return;
        Action action = std::move(actions_.front());
        actions_.pop_front();
        action(*dialog);
    }
    QTimer timer_;
    std::deque<Action> actions_;
};

struct QtApplicationFirst {
    QtApplicationFirst() { testsupport::EnsureQApplication(); }
};

class SpellCheckDialog : public ::testing::Test {
protected:
    // The dialog on the screen for a word, as the question shows it.
    void Show(bool canAdd = true) {
        form.Prepare("recieve", {"receive", "relieve"}, canAdd);
        form.show();
        QApplication::processEvents();
    }
    QtApplicationFirst app;
    frmSpellCheck form;
};

}  // namespace

TEST_F(SpellCheckDialog, OpensWithTheWordAndItsSuggestions) {
    Show(true);
    EXPECT_EQ(form.windowTitle().toStdString(), "Word Not Found");
    EXPECT_EQ(form.txtWord->text().toStdString(), "recieve");
    EXPECT_TRUE(form.txtReplacement->text().isEmpty());
    EXPECT_EQ(ListOf(form.lstReplacements), (Lines{"receive", "relieve"}));
    EXPECT_TRUE(form.cmdAdd->isEnabled());
    for (auto [label, caption] : {std::pair{form.zzLab[0], "Not Found:"}, {form.zzLab[1], "Replace With:"}})
        EXPECT_EQ(label->text().toStdString(), caption);
    form.grab().save(QString::fromStdString(testsupport::PicturePath("frmSpellCheck.png")));

    // Without a custom dictionary there is nothing to add to; a word
    // without suggestions gets an empty list; the last answer is forgotten.
    form.Tag = "5";
    form.Prepare("zzxq", {}, false);
    EXPECT_FALSE(form.cmdAdd->isEnabled());
    EXPECT_EQ(form.lstReplacements->count(), 0);
    EXPECT_TRUE(form.Tag.empty());
}

TEST_F(SpellCheckDialog, EachButtonAnswersAndHides) {
    const std::pair<QPushButton* frmSpellCheck::*, std::string> buttons[] = {
        {&frmSpellCheck::cmdAdd, "1"},        {&frmSpellCheck::cmdReplace, "4"},
        {&frmSpellCheck::cmdIgnore, "5"},     {&frmSpellCheck::cmdIgnoreAll, "6"},
        {&frmSpellCheck::cmdReplaceAll, "7"}, {&frmSpellCheck::cmdDelete, "8"},
        {&frmSpellCheck::cmdCancel, "88"},
    };
    for (const auto& [button, tag] : buttons) {
        Show();
        form.txtReplacement->setText("receive");
        QTest::mouseClick(form.*button, Qt::LeftButton);
        EXPECT_EQ(form.Tag, tag) << (form.*button)->text().toStdString();
        EXPECT_FALSE(form.isVisible()) << tag;
        EXPECT_FALSE(form.Unloaded);
    }
}

TEST_F(SpellCheckDialog, ReplaceWithoutAReplacementStaysOpenAtTheBox) {
    for (QPushButton* button : {form.cmdReplace, form.cmdReplaceAll}) {
        Show();
        form.activateWindow();
        button->setFocus();
        button->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.Tag.empty());
        EXPECT_EQ(form.focusWidget(), form.txtReplacement);
        form.hide();
    }
}

TEST_F(SpellCheckDialog, EscapeAndTheCloseBoxCancelTheCheck) {
    Show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(form.Tag, "88");
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Unloaded);

    Show();
    form.close();
    EXPECT_EQ(form.Tag, "88");
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Unloaded);
}

TEST_F(SpellCheckDialog, SuggestListsForTheTypedTextAndAClickTakesAnEntry) {
    Lines askedFor;
    form.SuggestFor = [&](const std::string& text) {
        askedFor.push_back(text);
        return Lines{"Recede", "Receive"};
    };
    Show();
    form.txtReplacement->setText("R");  // one letter: nothing to suggest
    QTest::mouseClick(form.cmdSuggestions_1, Qt::LeftButton);
    EXPECT_TRUE(askedFor.empty());
    EXPECT_EQ(ListOf(form.lstReplacements), (Lines{"receive", "relieve"}));

    form.txtReplacement->setText("Recieve");
    QTest::mouseClick(form.cmdSuggestions_1, Qt::LeftButton);
    EXPECT_EQ(askedFor, Lines{"Recieve"});
    EXPECT_EQ(ListOf(form.lstReplacements), (Lines{"Recede", "Receive"}));

    QListWidgetItem* entry = form.lstReplacements->item(1);
    QTest::mouseClick(form.lstReplacements->viewport(), Qt::LeftButton, {},
                      form.lstReplacements->visualItemRect(entry).center());
    EXPECT_EQ(form.txtReplacement->text().toStdString(), "Receive");
    EXPECT_TRUE(form.isVisible());
}

// The question asked with the dialog: the answer and the boxes come back;
// the dialog is kept between words, and made again after its close box.
TEST_F(SpellCheckDialog, AsTheCheckersQuestion) {
    spelltest::WriteDictionary({"receive", "recede", "data"});
    QtWordNotFound question;
    cSpellCheck checker(&question);
    checker.MainDictName(paths::Join(testsupport::ProgramDir(), "SPELLDIC.DAT"));
    ASSERT_TRUE(checker.SpellInitialize());

    DialogRobot robot;
    robot.Then([](frmSpellCheck& d) {
        EXPECT_FALSE(d.cmdAdd->isEnabled());  // no custom dictionary named
        d.txtReplacement->setText("RECIEVE");
        d.cmdSuggestions_Click(1);
        EXPECT_EQ(ListOf(d.lstReplacements), Lines{"RECEIVE"});  // in the typed text's case
        d.txtWord->setText("Recieve");
        d.cmdReplaceAll->click();
    });
    WordNotFoundAnswer answer = question.Ask(checker, "recieve", {}, false);
    EXPECT_EQ(answer.Result, sc::kReplaceAll);
    EXPECT_EQ(answer.WordText, "Recieve");
    EXPECT_EQ(answer.Replacement, "RECIEVE");
    frmSpellCheck* first = question.Dialog();
    ASSERT_NE(first, nullptr);

    robot.Then([](frmSpellCheck& d) { d.close(); });
    EXPECT_EQ(question.Ask(checker, "dta", {"data"}, true).Result, sc::kCancelCheck);
    EXPECT_EQ(question.Dialog(), nullptr);  // unloaded by its close box

    robot.Then([](frmSpellCheck& d) {
        EXPECT_EQ(ListOf(d.lstReplacements), Lines{"data"});
        d.cmdIgnore->click();
    });
    EXPECT_EQ(question.Ask(checker, "dta", {"data"}, true).Result, sc::kIgnore);
    EXPECT_NE(question.Dialog(), nullptr);
    question.Unload();
    EXPECT_EQ(question.Dialog(), nullptr);
    EXPECT_EQ(robot.Pending(), 0u);
}

// A comment block with CR LF line ends, corrected through the dialog by
// the spelling pass, keeps every line end.
TEST_F(SpellCheckDialog, ACorrectedCommentBlockKeepsItsLineBreaks) {
    spelltest::WriteDictionary({"receive", "data", "here", "line"});
    QtWordNotFound question;
    SpellingInstalled spelling{&question};
    gfnSpellInitialize(spelltest::SettingsFrom("[Spell]\r\nEnabled=Yes\r\n"));

    DialogRobot robot;
    robot.Then([](frmSpellCheck& d) {
        EXPECT_EQ(d.txtWord->text().toStdString(), "recieve");
        QListWidgetItem* entry = d.lstReplacements->item(0);
        ASSERT_NE(entry, nullptr);
        QTest::mouseClick(d.lstReplacements->viewport(), Qt::LeftButton, {},
                          d.lstReplacements->visualItemRect(entry).center());
        d.cmdReplace->click();
    });
    std::string text = "'recieve the data\r\n'here\r\n\r\n'line";
    sbSpellCheckIt(text, "Comment", SourceModel{}, 0);
    EXPECT_EQ(text, "'receive the data\r\n'here\r\n\r\n'line");
    EXPECT_EQ(robot.Pending(), 0u);
}
