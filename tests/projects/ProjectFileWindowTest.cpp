// The Project File Processing window over real project files: OK, Cancel,
// the close box, "No files have been selected", clicks on the outline and
// the splitter bar dragged with the mouse. Pictures of the window go to the
// build's pictures folder.
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "analysis/KeywordTable.h"
#include "common/cLog.h"
#include "ModalRobot.h"
#include "projects/PFParseFile.h"
#include "projects_ui/ProjectFileDialogUi.h"
#include "ProjectFixtures.h"
#include "ProjectsFixture.h"
#include "platform_ui/QtPictureBox.h"
#include "QtTestApp.h"
#include "projects_ui/frmProjectFile.h"
#include "common/AppIdentity.h"
#include "platform/Paths.h"
#include "settings/cINIHandler.h"

namespace {

class ProjectWindow : public ProjectsFixture {
protected:
    ProjectFileDialogUi dialog{[] { return std::string(); }};
    std::string reports;

    void SetUp() override {
        ProjectsFixture::SetUp();
        testsupport::EnsureQApplication();
        BabReset();
        BabInit();
        oDebug->ClearStatus();
        reports = projectfixtures::Copy("books") + "/Reports/Reports.vbp";
    }

    void Open(const std::string& path) {
        cFileCollection names;
        cFileDesc entry;
        entry.FileName = path;
        entry.FileType = filekind::kProject;
        names.Add(entry);
        PFParseFile(names, options);
    }

    static frmProjectFile& Form(QWidget* w) { return *qobject_cast<frmProjectFile*>(w); }

    static void Picture(QWidget* w, const std::string& name) {
        QApplication::processEvents();
        EXPECT_TRUE(w->grab().save(QString::fromStdString(testsupport::PicturePath(name))));
    }

    // A click on display line `line` of the outline, `zone` columns right of
    // the node's own column.
    static void ClickOutline(frmProjectFile& f, int line, int zone) {
        cotlControl& otl = f.Outline();
        const int level = otl.Node(otl.LineMap(line)).Level;
        const QPoint at((level + zone) * 17 + 6, line * otl.LineHeight() / 15 + 3);
        QTest::mouseClick(f.picOTL, Qt::LeftButton, {}, at);
    }
};

std::vector<std::string> Names(const cFileCollection& files) {
    std::vector<std::string> out;
    for (long i = 1; i <= files.Count(); ++i)
        out.push_back(std::filesystem::path(files.Item(i).FileName).filename().string() + " " +
                      std::to_string(files.Item(i).FileType));
    return out;
}

}  // namespace

TEST_F(ProjectWindow, OkWithNothingTickedThenSelectAll) {
    ModalRobot robot;
    robot.Then([&](QWidget* w) {
        frmProjectFile& f = Form(w);
        EXPECT_EQ(f.windowTitle().toStdString(), "Project File - " + reports);
        EXPECT_FALSE(f.cmdHelp->isEnabled());  // no help file
        // Opened on the first project, its other lines in the list.
        EXPECT_TRUE(f.Outline().Node(1).Expanded);
        EXPECT_GT(f.lstMiscOther->count(), 0);
        EXPECT_EQ(f.lstMiscOther->item(0)->text().toStdString(), "Type=Exe");
        f.cmdOK->click();
        EXPECT_EQ(ui.LastPrompt(), "No files have been selected\r\nCannot proceed");
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(oFile->Count(), 0);
        f.cmdExpand->click();
        Picture(w, "project-file-expanded.png");
        f.cmdSelectAll->click();
        Picture(w, "project-file-ticked.png");
        f.cmdOK->click();
    });
    Open(reports);
    EXPECT_EQ(robot.Pending(), 0u);
    EXPECT_EQ(oDebug->StatusCode, 0);
    EXPECT_EQ(Names(*oFile), (std::vector<std::string>{"Reports.vbp 1", "frmReport.frm 2", "modPrint.bas 2"}));
    // The window stays loaded, hidden, until the project session ends.
    ASSERT_NE(dialog.Form(), nullptr);
    EXPECT_FALSE(dialog.Form()->isVisible());
}

TEST_F(ProjectWindow, ClicksOnTheOutlineTickSingleFiles) {
    ModalRobot robot;
    robot.Then([&](QWidget* w) {
        frmProjectFile& f = Form(w);
        cotlControl& otl = f.Outline();
        // Reports, Forms, Modules shown; open Forms by its box.
        ASSERT_EQ(otl.Node(otl.LineMap(1)).Text, "Forms");
        ClickOutline(f, 1, 0);
        ASSERT_EQ(otl.Node(otl.LineMap(2)).Text, "frmReport(frmReport.frm)");
        ClickOutline(f, 2, 1);  // the file's picture: ticked
        EXPECT_EQ(otl.Node(otl.LineMap(2)).Selected, 1);
        EXPECT_EQ(otl.Node(otl.LineMap(1)).Selected, 1);
        EXPECT_EQ(otl.Node(1).Selected, 2);
        // The information panel shows the file, found at its full path.
        EXPECT_TRUE(f.picFileInfo->isVisible());
        EXPECT_FALSE(f.lstMiscOther->isVisible());
        Picture(w, "project-file-information.png");
        // Keys reach the outline: Down to the Modules heading.
        f.picOTL->setFocus();
        QTest::keyClick(f.picOTL, Qt::Key_Down);
        EXPECT_EQ(otl.Node(otl.CurrentNode()).Text, "Modules");
        oDebug->LogApp = true;
        f.cmdOK->click();
    });
    const std::string log = testsupport::ProgramDir() + "/choice.log";
    oLog->LogOpen(log, 1);
    Open(reports);
    oLog->LogClose();
    oDebug->LogApp = false;
    EXPECT_EQ(Names(*oFile), (std::vector<std::string>{"Reports.vbp 1", "frmReport.frm 2"}));
    // Under the App switch, one line per chosen entry.
    const std::string text = testsupport::ReadFile(log);
    EXPECT_NE(text.find("Selected file:" + reports + " type 1 0 1\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("frmReport.frm type 2 2 1\r\n"), std::string::npos) << text;
}

TEST_F(ProjectWindow, CancelEscAndTheCloseBoxCancel) {
    for (int way = 0; way < 3; ++way) {
        oDebug->ClearStatus();
        ModalRobot robot;
        robot.Then([&](QWidget* w) {
            frmProjectFile& f = Form(w);
            f.cmdSelectAll->click();
            if (way == 0) f.cmdCancel->click();
            else if (way == 1) QTest::keyClick(w, Qt::Key_Escape);
            else w->close();
        });
        Open(reports);
        EXPECT_EQ(robot.Pending(), 0u) << way;
        EXPECT_EQ(oDebug->StatusCode, 8) << way;
        EXPECT_EQ(oFile->Count(), 0) << way;
    }
}

TEST_F(ProjectWindow, TheSplitterBarIsDraggedWithinLimits) {
    ModalRobot robot;
    robot.Then([&](QWidget* w) {
        frmProjectFile& f = Form(w);
        const int outline = f.picOTL->width(), info = f.picFileInfo->x(), bar = f.butSplit->x();
        QTest::mousePress(f.butSplit, Qt::LeftButton, {}, QPoint(9, 100));
        QMouseEvent move(QEvent::MouseMove, QPointF(50, 100), f.butSplit->mapToGlobal(QPointF(50, 100)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(f.butSplit, &move);
        QTest::mouseRelease(f.butSplit, Qt::LeftButton, {}, QPoint(9, 100));
        EXPECT_EQ(f.butSplit->x(), bar + 40);
        EXPECT_EQ(f.picOTL->width(), outline + 40);
        EXPECT_EQ(f.picFileInfo->x(), info + 40);
        // Far to the left: the bar's left edge stays above 50 twips (a
        // centre 142 twips right of it follows the pointer).
        QTest::mousePress(f.butSplit, Qt::LeftButton, {}, QPoint(9, 100));
        QMouseEvent away(QEvent::MouseMove, QPointF(12 - f.butSplit->x(), 100), QPointF(0, 0), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(f.butSplit, &away);
        EXPECT_EQ(f.butSplit->x(), bar + 40);
        QMouseEvent near(QEvent::MouseMove, QPointF(13 - f.butSplit->x(), 100), QPointF(0, 0), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(f.butSplit, &near);
        EXPECT_EQ(f.butSplit->x(), 3);
        QTest::mouseRelease(f.butSplit, Qt::LeftButton, {}, QPoint(9, 100));
        EXPECT_EQ(f.picOTL->width(), 0);  // narrowed to nothing, not below
        f.cmdCancel->click();
    });
    Open(reports);
    EXPECT_EQ(robot.Pending(), 0u);
}

// The outline dates the files from the zelking history the settings handed
// to the opening name.
TEST_F(ProjectWindow, TheOutlineReadsTheHistoryTheSettingsName) {
    const std::string form = (std::filesystem::path(reports).parent_path() / "frmReport.frm").string();
    options.gsSaveZelFile = paths::Join(testsupport::MakeDir("history"), "KEMHIST.KEM");
    cINIHandler history;
    history.INIFileName(options.gsSaveZelFile);
    history.Section(app::kFileDescription);
    history.WriteString(form, "1/01/2026 1:00:00 PM|1/02/2026 3:04:05 AM");

    ModalRobot robot;
    std::vector<std::string> zelked;
    robot.Then([&](QWidget* w) {
        frmProjectFile& f = Form(w);
        const cProjectFile& project = oProjectFiles->Item(1);
        for (long r = 1; r <= project.ProjectRecords.Count(); ++r)
            if (!f.Outline().Info(1, r).LastZelk.empty())
                zelked.push_back(project.ProjectRecords.Item(r).FileName + " " + f.Outline().Info(1, r).LastZelk);
        f.cmdCancel->click();
    });
    Open(reports);
    EXPECT_EQ(robot.Pending(), 0u);
    EXPECT_EQ(zelked, std::vector<std::string>{"frmReport.frm 1/02/2026 3:04:05 AM"});
}
