#include "mainwindow_ui/frmFileList.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

#include "platform_ui/AnsiText.h"
#include "platform_ui/DesignFont.h"
#include "platform_ui/ProgramIcon.h"
#include "common/Trace.h"
#include "platform_ui/Twips.h"
#include "common/mKEMCommon.h"

frmFileList::frmFileList(QWidget* parent) : QDialog(parent) {
    setObjectName("frmFileList");
    setWindowTitle("Files");
    setWindowIcon(ProgramIcon());
    setFont(DesignFont());
    setModal(true);
    setFixedSize(Px(6000), Px(3675));

    lstFiles = new QListWidget(this);
    lstFiles->setObjectName("lstFiles");
    lstFiles->setGeometry(Px(120), Px(120), Px(5655), Px(2610));
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(Px(1560), Px(2880), Px(1215), Px(375));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(Px(3120), Px(2880), Px(1215), Px(375));

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(lstFiles, &QListWidget::itemDoubleClicked, this, [this] { cmdOK_Click(); });
    // OK chooses a file: until one is chosen there is nothing to choose.
    connect(lstFiles, &QListWidget::currentRowChanged, this, [this](int row) { cmdOK->setEnabled(row >= 0); });
}

void frmFileList::Form_Load() {
    TraceGuard trace(TraceKind::Events, "Form_Load(frmFileList)");
    lstFiles->clear();
    for (long i = 1; i <= oFile->Count(); ++i) lstFiles->addItem(FromAnsi(oFile->Item(i).FileName));
    cmdOK->setEnabled(lstFiles->currentRow() >= 0);
}

void frmFileList::Form_Activate() {
    TraceGuard trace(TraceKind::Events, "Form_Activate(frmFileList)");
    WasSelected = false;
}

void frmFileList::cmdOK_Click() {
    TraceGuard trace(TraceKind::Events, "cmdOK_Click(frmFileList)");
    if (lstFiles->currentRow() < 0) return;
    WasSelected = true;
    hide();
    done(QDialog::Accepted);
}

void frmFileList::cmdCancel_Click() {
    TraceGuard trace(TraceKind::Events, "cmdCancel_Click(frmFileList)");
    WasSelected = false;
    hide();
    done(QDialog::Rejected);
}

void frmFileList::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void frmFileList::closeEvent(QCloseEvent* event) {
    WasSelected = false;
    Unloaded = true;
    QDialog::closeEvent(event);
}

// Escape answers as Cancel does.
void frmFileList::reject() { cmdCancel_Click(); }
