#include "mainwindow_ui/frmSplash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "platform_ui/AnsiText.h"
#include "common/AppIdentity.h"
#include "platform_ui/DesignFont.h"
#include "platform/Drawing.h"
#include "common/ErrorTrap.h"
#include "platform/KeyCodes.h"
#include "platform_ui/ProgramIcon.h"
#include "platform_ui/QtKeys.h"
#include "platform_ui/QtPictureBox.h"
#include "common/Trace.h"
#include "platform_ui/Twips.h"
#include "platform/UiServices.h"
#include "common/mKEMCommon.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, int l, int t, int w, int h) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(Px(l), Px(t), Px(w), Px(h));
    return label;
}

// Toolbar images, enlarged, on the window's grey: the splash's artwork.
QPixmap Artwork(std::initializer_list<int> images, int scale, QSize size) {
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(qRgba(0, 0, 0, 0));
    QPainter p(&canvas);
    const int pitch = 16 * scale + 2;
    int x = (size.width() - pitch * static_cast<int>(images.size()) + 2) / 2;
    for (int k : images) {
        p.drawImage(QRect(x, (size.height() - 17 * scale) / 2, 16 * scale, 17 * scale), StripImage(k));
        x += pitch;
    }
    return QPixmap::fromImage(canvas);
}

}  // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setFont(DesignFont());
    setFixedSize(Px(7140), Px(4065));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    // Back to front.
    Image3 = MakeLabel(this, "Image3", 2940, 3180, 3810, 705);
    Image3->setPixmap(Artwork({1, 3, 13, 6, 7, 10, 14}, 2, Image3->size()));
    Image1 = MakeLabel(this, "Image1", 180, 2400, 2040, 1485);
    Image1->setPixmap(Artwork({3}, 5, Image1->size()));

    QFont title("Times New Roman", 42);
    title.setBold(true);
    lblQP[1] = MakeLabel(this, "lblQP_1", 300, 180, 6795, 1035);
    lblQP[1]->setFont(title);
    lblQP[1]->setStyleSheet("color: #808080");
    lblreg[3] = nullptr;
    lblreg[0] = MakeLabel(this, "lblreg_0", 3270, 2040, 3390, 240);
    lblreg[1] = MakeLabel(this, "lblreg_1", 3270, 2220, 3390, 465);
    lblreg[1]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblreg[2] = MakeLabel(this, "lblreg_2", 3000, 1500, 4035, 285);
    lblreg[4] = MakeLabel(this, "lblreg_4", 3000, 1800, 3450, 240);
    QFont small("Arial");
    small.setPointSizeF(8.25);
    small.setBold(true);
    lblQP[2] = MakeLabel(this, "lblQP_2", 3000, 1080, 2655, 435);
    lblQP[2]->setFont(small);
    lblQP[2]->setText("For Visual Basic");
    lblQP[0] = MakeLabel(this, "lblQP_0", 240, 120, 6795, 1035);
    lblQP[0]->setFont(title);
    lblQP[0]->setStyleSheet("color: #000080");
}

void frmSplash::Form_Load() {
    TraceGuard trace(TraceKind::Events, "Form_Load(frmSplash)");
    setWindowIcon(ProgramIcon());
    const QString product = FromAnsi(app::kProductName);
    lblQP[0]->setText(product);
    lblQP[1]->setText(product);
    lblreg[0]->setText(FromAnsi(oAppInfo->User()));
    lblreg[1]->setText(FromAnsi(oAppInfo->Company()));
    lblreg[4]->setText("User:");
    lblreg[2]->setText(FromAnsi("Version: " + oAppInfo->AppVersion()));
    Ui().DoEvents();
    update();
}

void sbDrawBorder(QWidget* window, QPainter& painter, int width) {
    for (const LineCmd& l : fnRaisedBevel(window->width(), window->height(), width)) {
        // The end point is left out.
        const int dx = (l.X2 > l.X1) - (l.X2 < l.X1), dy = (l.Y2 > l.Y1) - (l.Y2 < l.Y1);
        if (dx == 0 && dy == 0) continue;
        painter.setPen(QColor(QtColor(l.Color)));
        painter.drawLine(l.X1, l.Y1, l.X2 - dx, l.Y2 - dy);
    }
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    sbDrawBorder(this, painter, 9);
}

void frmSplash::Form_KeyDown(int keyCode, int shift) {
    Trapped("Form_KeyDown(frmSplash)", [&] {
        TraceGuard trace(TraceKind::Events, "Form_KeyDown(frmSplash)");
        if (keyCode == vbkey::vbKeyF8 && (shift & vbkey::vbCtrlMask)) close();
    });
}

void frmSplash::keyPressEvent(QKeyEvent* event) { Form_KeyDown(VBKeyCode(event->key(), event->modifiers()), VBShift(event->modifiers())); }
