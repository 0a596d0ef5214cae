#include "spelling_ui/frmEditDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform_ui/AnsiText.h"
#include "spelling/CodeTemplates.h"
#include "platform_ui/DesignFont.h"
#include "platform_ui/TextBoxText.h"
#include "platform_ui/Twips.h"

frmEditDialog::frmEditDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmEditDialog");
    setWindowTitle("Editing ...");
    setFont(DesignFont());
    setModal(true);
    setFixedSize(Px(8400), Px(5040));

    txtInfo = new QPlainTextEdit(this);
    txtInfo->setObjectName("txtInfo");
    txtInfo->setFont(FixedPitchFont(9));
    txtInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtInfo->setGeometry(Px(120), Px(120), Px(8160), Px(3480));

    lblInfo = new QLabel(this);
    lblInfo->setObjectName("lblInfo");
    lblInfo->setGeometry(Px(120), Px(3720), Px(6480), Px(1200));
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(Px(6840), Px(3720), Px(1440), Px(375));
    // Enter in the template starts a new line.
    cmdOK->setAutoDefault(false);
    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(Px(6840), Px(4200), Px(1440), Px(375));
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    Form_Load();
}

void frmEditDialog::Form_Load() {
    lblInfo->setText(FromAnsi(CodeTemplateHelp()).replace("\r\n", "\n"));
    // The program's icon, which the start-up gives the application.
    setWindowIcon(QApplication::windowIcon());
}

std::string frmEditDialog::InfoText() const { return BoxText(txtInfo); }
void frmEditDialog::SetInfoText(const std::string& text) { SetBoxText(txtInfo, text); }

void frmEditDialog::Form_Activate() {
    if (DefKind != 0 && txtInfo->document()->isEmpty()) SetInfoText(sbDefaultDefinition(DefKind));
}

void frmEditDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void frmEditDialog::cmdOK_Click() {
    bCanceled = false;
    const std::string name = GetFileName(DefFileName, bCanceled);
    if (!name.empty()) DefFileName = name;
    hide();
    done(bCanceled ? QDialog::Rejected : QDialog::Accepted);
}

void frmEditDialog::cmdCancel_Click() {
    bCanceled = true;
    hide();
    done(QDialog::Rejected);
}

// The close box and Escape cancel: the caller then writes nothing, rather
// than a template the user did not confirm.
void frmEditDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdCancel_Click();
}

void frmEditDialog::reject() { cmdCancel_Click(); }
