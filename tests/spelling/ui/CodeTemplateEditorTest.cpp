// The code-template editor, headless: the default text of each kind, an
// existing template's own text, and OK, Cancel, Escape and the close box
// with the save dialog answered by the scripted services.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "ModalRobot.h"
#include "spelling/CodeTemplates.h"
#include "QtTestApp.h"
#include "spelling_ui/TemplateWindows.h"
#include "TestSupport.h"
#include "spelling_ui/frmEditDialog.h"

namespace {

FileDialogResult Chosen(const std::string& path) { return {true, {path}, 1}; }

struct EditDialog : ::testing::Test {
    EditDialog() { testsupport::EnsureQApplication(); }
    // The editor as its caller opens it.
    void Open(frmEditDialog& form, const std::string& text, long kind, const std::string& file) {
        form.SetInfoText(text);
        form.DefKind = kind;
        form.DefFileName = file;
        form.show();
        QApplication::processEvents();
    }
    ScriptedUiServices& ui() { return testsupport::Ui(); }
};

}  // namespace

TEST_F(EditDialog, ANewTemplateStartsFromItsKindsDefault) {
    for (long kind = 1; kind <= 4; ++kind) {
        frmEditDialog form;
        Open(form, "", kind, "/t/ErrSet.DEF");
        EXPECT_EQ(form.InfoText(), sbDefaultDefinition(kind)) << kind;
        EXPECT_FALSE(form.bCanceled);
        if (kind == 2) form.grab().save(QString::fromStdString(testsupport::PicturePath("frmEditDialog.png")));
    }
    frmEditDialog form;
    EXPECT_EQ(form.windowTitle().toStdString(), "Editing ...");
    EXPECT_EQ(form.lblInfo->text().toStdString(),
              "Enter any information you want.\n"
              "\"@Procedure\" will be replaced with the procedure name.\n"
              "\"@Module\" will be replaced with the file name.\n"
              "\"@Sub\" will be replaced with the procedure type.\n"
              "Define named variables and procedures externally.");
}

TEST_F(EditDialog, AnExistingTemplateKeepsItsOwnTextEvenWhenEmpty) {
    frmEditDialog own;
    Open(own, "On Error Resume Next\r\n", 0, "/t/x.DEF");
    EXPECT_EQ(own.InfoText(), "On Error Resume Next\r\n");
    frmEditDialog empty;
    Open(empty, "", 0, "/t/x.DEF");
    EXPECT_EQ(empty.InfoText(), "");
}

TEST_F(EditDialog, OkAsksForTheFileWithADialogOfItsOwn) {
    // The shared dialog's settings are not used.
    frmEditDialog form;
    Open(form, "", 3, "/t/TraceIn.DEF");
    ui().FileDialogAnswers = {Chosen("/t/Other.DEF")};
    form.cmdOK->click();
    ASSERT_EQ(ui().FileDialogRequests.size(), 1u);
    const FileDialogRequest& request = ui().FileDialogRequests[0];
    EXPECT_TRUE(request.Save);
    EXPECT_EQ(request.Title, "Save Definition File");
    EXPECT_EQ(request.Filter, "Def Files|*.DEF;*.TXT|All Files (*.*)|*.*");
    EXPECT_EQ(request.FileName, "/t/TraceIn.DEF");
    EXPECT_FALSE(request.OverwritePrompt);
    EXPECT_FALSE(form.bCanceled);
    EXPECT_EQ(form.DefFileName, "/t/Other.DEF");
    EXPECT_FALSE(form.isVisible());

    // A cancelled save dialog cancels the edit and keeps the proposed name.
    frmEditDialog again;
    Open(again, "", 3, "/t/TraceIn.DEF");
    again.cmdOK->click();
    EXPECT_TRUE(again.bCanceled);
    EXPECT_EQ(again.DefFileName, "/t/TraceIn.DEF");
    EXPECT_FALSE(again.isVisible());
}

TEST_F(EditDialog, CancelEscapeAndTheCloseBoxCancelWithoutAsking) {
    const std::pair<const char*, std::function<void(frmEditDialog&)>> ways[] = {
        {"Cancel", [](frmEditDialog& f) { f.cmdCancel->click(); }},
        {"Escape", [](frmEditDialog& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
        {"close box", [](frmEditDialog& f) { f.close(); }},
    };
    for (const auto& [what, cancel] : ways) {
        frmEditDialog form;
        Open(form, "", 1, "/t/ErrSet.DEF");
        cancel(form);
        EXPECT_TRUE(form.bCanceled) << what;
        EXPECT_FALSE(form.isVisible()) << what;
    }
    EXPECT_TRUE(ui().FileDialogRequests.empty());
}

// As the options dialog reaches it: the text as edited, the chosen file.
TEST_F(EditDialog, TheOptionsDialogsEntryPoint) {
    QtTemplateEditors editors;
    ui().FileDialogAnswers = {Chosen("/t/Trap.DEF")};
    ModalRobot robot;
    robot.Then([](QWidget* w) {
        auto* form = static_cast<frmEditDialog*>(w);
        form->txtInfo->setFocus();
        QTest::keyClick(form->txtInfo, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(form->txtInfo, Qt::Key_Return);
        QTest::keyClicks(form->txtInfo, "Resume Next");
        form->cmdOK->click();
    });
    const CodeTemplateAnswer answer = editors.EditCodeTemplate("", 2, "/t/ErrTrap.DEF");
    EXPECT_FALSE(answer.bCanceled);
    EXPECT_EQ(answer.DefFileName, "/t/Trap.DEF");
    EXPECT_EQ(answer.Text, sbDefaultDefinition(2) + "\r\nResume Next");

    robot.Then([](QWidget* w) { w->close(); });
    EXPECT_TRUE(editors.EditCodeTemplate("x", 0, "/t/x.DEF").bCanceled);
    EXPECT_EQ(robot.Pending(), 0u);
}
