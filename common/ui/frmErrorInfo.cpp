#include "common_ui/frmErrorInfo.h"

#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform_ui/AnsiText.h"
#include "common/AppIdentity.h"
#include "platform_ui/DesignFont.h"
#include "common/ErrorReport.h"
#include "platform/UiServices.h"
#include "common/mKEMCommon.h"

namespace {
// Twips to pixels.
constexpr int Px(int twips) { return twips / 15; }

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(Px(left), Px(5760), Px(1215), Px(495));
    return b;
}
}  // namespace

frmErrorInfo::frmErrorInfo(QWidget* parent) : QDialog(parent) {
    setObjectName("frmErrorInfo");
    setFont(DesignFont());
    setWindowTitle("Error Information");
    setModal(true);
    setFixedSize(Px(7815), Px(6330));

    txtErrorInfo = new QPlainTextEdit(this);
    txtErrorInfo->setObjectName("txtErrorInfo");
    txtErrorInfo->setGeometry(Px(120), Px(600), Px(7515), Px(4995));

    cmdEMail = MakeButton(this, "cmdEMail", "Send Email", 4140);
    cmdEMail->setToolTip(FromAnsi("Email this info to " + app::kCompanyName));
    cmdAll = MakeButton(this, "cmdAll", "&Copy to Clipboard", 5340);
    cmdOK = MakeButton(this, "cmdOK", "OK", 6540);

    lblInfo = new QLabel(this);
    lblInfo->setObjectName("lblInfo");
    PlaceButtonRow();

    connect(cmdAll, &QPushButton::clicked, this, &frmErrorInfo::cmdAll_Click);
    connect(cmdEMail, &QPushButton::clicked, this, &frmErrorInfo::cmdEMail_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmErrorInfo::cmdOK_Click);

    // Form_Load: stays above every other window until the user copies the report.
    oWindow->OnTop(this, true);
    setCursor(Qt::ArrowCursor);
}

void frmErrorInfo::PlaceButtonRow() {
    // The buttons end under the report's right edge, each at least as wide
    // as its text, with a gap between them; the note fills the room to
    // their left.
    constexpr int kGap = 8;
    int right = txtErrorInfo->geometry().right() + 1;
    for (QPushButton* b : {cmdOK, cmdAll, cmdEMail}) {
        const int w = std::max(b->width(), b->sizeHint().width());
        b->setGeometry(right - w, b->y(), w, b->height());
        right -= w + kGap;
    }
    lblInfo->setGeometry(Px(60), Px(5820), std::max(0, right - Px(60)), Px(375));
}

void frmErrorInfo::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = fontMetrics().height();
    const QString lines[] = {
        FromAnsi("        Please forward this information to " + app::kCompanyName),
        "        The 'Copy to Clipboard' button will copy the text to the ",
        "        clipboard for pasting into an E-Mail Message",
    };
    int y = fontMetrics().ascent();
    for (const QString& line : lines) {
        p.drawText(0, y, line);
        y += lineHeight;
    }
}

void frmErrorInfo::cmdAll_Click() {
    Ui().ClipboardClear();
    txtErrorInfo->selectAll();
    Ui().ClipboardSetText(ToAnsi(txtErrorInfo->textCursor().selectedText().replace(QChar::ParagraphSeparator, "\r\n")));
    lblInfo->setText("Message copied to clipboard");
    oWindow->OnTop(this, false);
}

void frmErrorInfo::cmdEMail_Click() {
    oAppInfo->JumpToURL(fsErrorReportMailLink(), fsErrorReportMailSubject(), ToAnsi(txtErrorInfo->toPlainText().replace("\n", "\r\n")));
    lblInfo->setText(FromAnsi("Email to " + app::kCompanyName));
}

void frmErrorInfo::cmdOK_Click() { accept(); }

void InstallErrorReportWindow() {
    SetErrorReportPresenter([](const std::string& report) {
        frmErrorInfo form(QApplication::activeWindow());
        form.txtErrorInfo->setPlainText(FromAnsi(report).replace("\r\n", "\n"));
        form.exec();
    });
}
