#include "options_ui/TabControl.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform_ui/AnsiText.h"
#include "platform_ui/QtPictureBox.h"
#include "platform/SysColor.h"

namespace {

constexpr double kTwips = 15;  // twips per pixel
const uint32_t kWhite = syscolor::kWhite, kBlack = syscolor::kBlack, kShadow = syscolor::kButtonShadow,
               kFace = syscolor::kButtonFace;

TabGeometry gTab;

int Px(double twips) { return static_cast<int>(std::floor(twips / kTwips + 1e-6)); }

void PaintPage(QWidget* page) {
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, QColor(QtColor(kFace)));
    page->setPalette(pal);
}

void DrawFrame(TabStripBox& s) {
    const TabGeometry& g = gTab;
    const double SW = s.width() * kTwips, SH = s.height() * kTwips, p = g.Px, H = g.H;
    if (g.Style == 3) {
        const double L = std::round(g.FrameLeft());
        s.Line(L, H, SW, H, kWhite);
        s.Line(L, H, L, SH, kWhite);
        s.Line(SW - p, H, SW - p, SH - p, kBlack);
        s.Line(SW - 2 * p, H + p, SW - 2 * p, SH - 2 * p, kShadow);
        s.Line(L + p, SH - 2 * p, SW - p, SH - 2 * p, kShadow);
        s.Line(L, SH - p, SW, SH - p, kBlack);
    } else {
        s.Line(p, H, SW, H, kWhite);
        s.Line(0, H, 0, SH, kWhite);
        s.Line(0, SH - p, SW, SH - p, kBlack);
        s.Line(SW - p, H, SW - p, SH - p, kBlack);
        s.Line(p, SH - 2 * p, SW - p, SH - 2 * p, kShadow);
        s.Line(SW - 2 * p, H + p, SW - 2 * p, SH - 2 * p, kShadow);
    }
}

void DrawTabs(TabStripBox& s, int n, int c, const std::vector<std::string>& captions) {
    const TabGeometry& g = gTab;
    const double p = g.Px, py = g.Py, O = g.O;
    for (int k = n; k >= 1; --k) {
        if (k == c) continue;
        if (g.Style == 3) {
            const double Y = g.TabTop(k), B = g.TabBottom(k), L = g.FrameLeft();
            const double x7 = 2 * O + p, x8 = 2 * O + 2 * p, x9 = 2 * O + 3 * p;
            s.Line(x7, B - py, x7, Y + py, kWhite);
            s.Line(x8, Y + py, x9, Y + py, kWhite);
            s.Line(x9, Y, L - p, Y, kWhite);
            s.Line(L, Y, L, B + p, kWhite);
            s.Line(x8, B, L - p, B, kShadow);
            s.Line(x8, B, x9, B, kBlack);
            s.Line(x9, B + p, L - p, B + p, kBlack);
            s.Print(2 * O + (g.WD + g.P - g.TW[k - 1]) / 2, Y + 0.25 * g.H, captions[k]);
        } else {
            const double X = g.TabLeft(k), R = g.TabRight(k);
            s.Line(X + p, g.H, X + p, O, kWhite);
            s.Line(X + 2 * p, O, R - p, O, kWhite);
            s.Line(R - p, g.H, R - p, O, kShadow);
            s.Line(R, g.H, R, O + p, kBlack);
            s.Print(X + g.P / 2, (O - p) + (g.H - g.TH[k - 1]) / 2, captions[k]);
        }
    }
}

// A dotted focus rectangle: loops over whole twips, their end included.
void Dots(TabStripBox& s, double x1, double y1, double x2, double y2) {
    const long step = std::lround(2 * gTab.Px), stepY = std::lround(2 * gTab.Py);
    for (long x = std::lround(x1); x <= std::lround(x2); x += step) {
        s.Dot(x, y1, kBlack);
        s.Dot(x, y2, kBlack);
    }
    for (long y = std::lround(y1); y <= std::lround(y2); y += stepY) {
        s.Dot(x1, y, kBlack);
        s.Dot(x2, y, kBlack);
    }
}

void DrawSelectedTab(TabStripBox& s, int c, const std::vector<std::string>& captions) {
    const TabGeometry& g = gTab;
    const double p = g.Px, py = g.Py, O = g.O, H = g.H;
    if (g.Style == 3) {
        const double Y = g.TabTop(c), B = g.TabBottom(c), L = g.FrameLeft();
        s.Line(p, B - py, p, Y + py, kWhite);
        s.Line(2 * p, Y + py, 3 * p, Y + py, kWhite);
        s.Line(3 * p, Y, L, Y, kWhite);
        s.Line(L, Y + py, L, B, kFace);
        s.Line(2 * p, B, L, B, kShadow);
        s.Line(2 * p, B, 3 * p, B, kBlack);
        s.Line(3 * p, B + p, L, B + p, kBlack);
        Dots(s, 4 * p, Y + 2 * p, L - 4 * p, B - 2 * p);
        s.Print((L - g.TW[c - 1]) / 2, Y + 0.25 * H, captions[c]);
    } else {
        const double XL = g.TabLeft(c) - O, XR = g.TabRight(c) + O;
        s.FilledBox(XL + p, O, XR - p, H + p, kFace);
        s.Line(XL, H, XL, p, kWhite);
        s.Line(XL + p, p, XR - p, p, kWhite);
        s.Line(XR, H - p, XR, 2 * p, kBlack);
        s.Line(XR - p, H, XR - p, p, kShadow);
        Dots(s, XL + 4 * p, O + p, XR - 4 * p, H - 2 * p);
        s.Print(XL + (2 * O + g.TW[c - 1] + g.P - g.TW[c - 1]) / 2, (H - g.TH[c - 1]) / 2, captions[c]);
    }
}

}  // namespace

TabStripBox::TabStripBox(QWidget* parent) : QWidget(parent) {
    QFont f = font();
    f.setBold(false);
    setFont(f);
}

void TabStripBox::Cls() {
    Image = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    Image.fill(QColor(QtColor(syscolor::kButtonFace)));
    update();
}

void TabStripBox::Line(double x1, double y1, double x2, double y2, uint32_t color) {
    QPainter p(&Image);
    p.setPen(QColor(QtColor(color)));
    const int a = Px(x1), b = Px(y1), c = Px(x2), d = Px(y2);
    // Step along the longer axis and leave out the end point.
    const int steps = std::max(std::abs(c - a), std::abs(d - b));
    for (int i = 0; i < steps; ++i)
        p.drawPoint(a + (c - a) * i / steps, b + (d - b) * i / steps);
    update();
}

void TabStripBox::FilledBox(double x1, double y1, double x2, double y2, uint32_t color) {
    QPainter p(&Image);
    p.fillRect(QRect(QPoint(Px(x1), Px(y1)), QPoint(Px(x2), Px(y2))), QColor(QtColor(color)));
    update();
}

void TabStripBox::Dot(double x, double y, uint32_t color) {
    Image.setPixel(Px(x), Px(y), QtColor(color) | 0xFF000000u);
    update();
}

void TabStripBox::Print(double x, double y, const std::string& text) {
    QPainter p(&Image);
    p.setFont(font());
    p.setPen(QColor(QtColor(ForeColor)));
    const QFontMetrics m(font());
    p.drawText(Px(x), Px(y) + m.ascent(), FromAnsi(text));
    update();
}

double TabStripBox::TextWidth(const std::string& text) const {
    return QFontMetrics(font()).horizontalAdvance(FromAnsi(text)) * kTwips;
}

double TabStripBox::TextHeight(const std::string&) const { return QFontMetrics(font()).height() * kTwips; }

void TabStripBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Image);
}

void TabStripBox::resizeEvent(QResizeEvent*) {
    if (Image.size() == size()) return;
    QImage bigger(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    bigger.fill(QColor(QtColor(syscolor::kButtonFace)));
    QPainter(&bigger).drawImage(0, 0, Image);
    Image = bigger;
}

void TabStripBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (MouseUp) MouseUp(at.x() * kTwips, at.y() * kTwips);
    if (Click && rect().contains(at.toPoint())) Click();
}

const TabGeometry& CurrentTabGeometry() { return gTab; }

void sbSetupTabs(TabHost& host, int n, int& c, const std::vector<std::string>& captions, uint32_t captionColor) {
    TabStripBox& s = *host.TabHolder;
    std::vector<double> widths, heights;
    for (int k = 1; k <= n; ++k) {
        widths.push_back(s.TextWidth(captions[k]));
        heights.push_back(s.TextHeight(captions[k]));
    }
    gTab = SetupTabGeometry(giTabStyle, kTwips, kTwips, widths, heights, s.width() * kTwips, s.height() * kTwips);
    s.ForeColor = captionColor;
    const TabRect& r = gTab.Page;
    for (int k = 0; k < n; ++k) {
        QWidget* page = host.TabPage[k];
        page->setGeometry(Px(r.Left), Px(r.Top), Px(r.Width), Px(r.Height));
        PaintPage(page);
        page->setEnabled(false);
    }
    if (c == 0) c = 1;
    int tab = c;
    fiTabClick(host, n, tab, captions, 0, 0);
}

int fiTabClick(TabHost& host, int n, int& c, const std::vector<std::string>& captions, double x, double y) {
    if (c == 0 || c > n) {
        bool inBand = false;
        const int hit = TabHitTest(gTab, x, y, inBand);
        if (!inBand) return 0;
        c = hit;
    }
    if (c == 0) return 0;
    TabStripBox& s = *host.TabHolder;
    s.Cls();
    DrawFrame(s);
    DrawTabs(s, n, c, captions);
    DrawSelectedTab(s, c, captions);
    for (int k = 0; k < n; ++k) host.TabPage[k]->setEnabled(false);
    // No page is hidden: the current one lies on top and alone takes keys.
    host.TabPage[c - 1]->raise();
    host.TabPage[c - 1]->setEnabled(true);
    return c;
}
