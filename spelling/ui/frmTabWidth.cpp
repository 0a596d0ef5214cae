#include "spelling_ui/frmTabWidth.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "platform_ui/AnsiText.h"
#include "platform_ui/DesignFont.h"
#include "spelling/TabWidth.h"
#include "platform_ui/Twips.h"
#include "platform/UiServices.h"
#include "common/mKEMCommon.h"

namespace {

// The form's font: the design's 9.75-point sans-serif face.
QFont FormFont() {
    QFont font = DesignFont();
    font.setPointSizeF(9.75);
    return font;
}
}  // namespace

std::vector<frmTabWidth::PrintedLine> frmTabWidth::Explanation() {
    return {
        {"There are tab stops found in your file.", 5},
        {"How do you want to translate these tab stops?", 5},
        {"", 5},
        {"This is the only time you will see this dialog", 5},
        {"To change the value in the future, you will need", 5},
        {"to edit VEZUZ.INI and change the value stored in", 5},
        {"TabWidth=x", 15},
        {"and change x to be the value wanted.", 5},
        {"If you change x to -1, tab stops will not be converted", 5},
    };
}

frmTabWidth::frmTabWidth(ZelkOptions& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setObjectName("frmTabWidth");
    setWindowTitle("Set Tab Width");
    setFont(FormFont());
    setModal(true);

    const QFontMetrics metrics(font());
    const int textBottom = (static_cast<int>(Explanation().size()) + 1) * metrics.lineSpacing();
    const int width = 8 * metrics.averageCharWidth() + metrics.horizontalAdvance(
                                                           "If you change x to -1, tab stops will not be converted");

    fraTabWidth = new QGroupBox("Set Tab Width", this);
    fraTabWidth->setObjectName("fraTabWidth");
    fraTabWidth->setGeometry(Px(240), textBottom, width - Px(480), Px(1200));
    optSetTo = new QRadioButton("Set to this many spaces -->", fraTabWidth);
    optSetTo->setObjectName("optSetTo");
    optSetTo->setGeometry(Px(240), Px(300), Px(3300), Px(315));
    txtSetTo = new QLineEdit(fraTabWidth);
    txtSetTo->setObjectName("txtSetTo");
    txtSetTo->setGeometry(Px(3660), Px(270), Px(735), Px(375));
    txtSetTo->installEventFilter(this);
    optDoNot = new QRadioButton("Do not convert tabs", fraTabWidth);
    optDoNot->setObjectName("optDoNot");
    optDoNot->setGeometry(Px(240), Px(720), Px(3300), Px(315));

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setGeometry((width - Px(1215)) / 2, fraTabWidth->geometry().bottom() + Px(180), Px(1215), Px(375));
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    setFixedSize(width, cmdOK->geometry().bottom() + Px(240));
    Form_Load();
}

void frmTabWidth::Form_Load() {
    oWindow->Center(this);
    optSetTo->setChecked(true);
    txtSetTo->setText("4");
    Ui().SetMousePointer(pointer::vbDefault);
    // The program's icon, which the start-up gives the application.
    setWindowIcon(QApplication::windowIcon());
    // Topmost from the start: changing a shown window's flags hides it for
    // a moment, and a hidden dialog stops waiting for its answer.
    oWindow->OnTop(this, true);
}

void frmTabWidth::Form_Activate() {
    update();
    txtSetTo->setFocus();
    txtSetTo_GotFocus();
}

void frmTabWidth::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the window is on the screen, so that the focus can go to the box.
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmTabWidth::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    int row = 0;
    for (const PrintedLine& line : Explanation()) {
        const int x = (line.Column - 1) * metrics.averageCharWidth();
        painter.drawText(x, row * metrics.lineSpacing() + metrics.ascent() + metrics.lineSpacing() / 2,
                         FromAnsi(line.Text));
        ++row;
    }
}

void frmTabWidth::txtSetTo_GotFocus() { txtSetTo->selectAll(); }

bool frmTabWidth::eventFilter(QObject* watched, QEvent* event) {
    // Typing replaces the whole number, also after a click into the box.
    if (watched == txtSetTo && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtSetTo, [this] { txtSetTo_GotFocus(); });
    return QDialog::eventFilter(watched, event);
}

void frmTabWidth::cmdOK_Click() {
    if (!fbTakeTabWidth(optSetTo->isChecked(), ToAnsi(txtSetTo->text()), settings_)) {
        txtSetTo->setFocus();
        return;
    }
    Unloaded = true;
    done(QDialog::Accepted);
    Ui().SetMousePointer(pointer::vbHourglass);
}

// The engine waits for an answer: neither the close box nor Escape gives one.
void frmTabWidth::closeEvent(QCloseEvent* event) { event->ignore(); }
void frmTabWidth::reject() {}

TabWidth sbAskTabWidth() {
    ZelkOptions answer;
    frmTabWidth form(answer, QApplication::activeWindow());
    form.exec();
    return answer.giTabWidth;
}
