#pragma once
// The hand-drawn tab strip: a 3-D strip of tabs and the raised frame of the
// page area drawn on the host's strip box, the page boxes laid into the
// frame, the current tab's page in front and the only one enabled, and the
// tab under a mouse position.
#include <QImage>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "options/TabGeometry.h"

// The picture box that carries the strip; it keeps its drawing between
// repaints. Mouse positions reach the host in twips of the strip.
class TabStripBox : public QWidget {
    Q_OBJECT
public:
    explicit TabStripBox(QWidget* parent = nullptr);

    std::function<void(double x, double y)> MouseUp;  // twips
    std::function<void()> Click;

    uint32_t ForeColor = 0;
    QImage Image;  // the persistent drawing

    void Cls();
    // Drawing in twips of the strip; a line leaves out its second point.
    void Line(double x1, double y1, double x2, double y2, uint32_t color);
    void FilledBox(double x1, double y1, double x2, double y2, uint32_t color);
    void Dot(double x, double y, uint32_t color);
    void Print(double x, double y, const std::string& text);
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

struct TabHost {
    TabStripBox* TabHolder = nullptr;
    std::vector<QWidget*> TabPage;  // element k - 1 belongs to tab k
};

// 1: a row of tabs along the top; 3: a column down the left side.
inline int giTabStyle = 3;

// Lays out the strip and the pages and shows tab c (0 becomes 1).
void sbSetupTabs(TabHost& host, int n, int& c, const std::vector<std::string>& captions, uint32_t captionColor);
// Shows tab c (1..n) or, for any other c, the tab at (x, y), twips of the
// strip. Returns the tab shown, 0 when none was hit (nothing redrawn).
int fiTabClick(TabHost& host, int n, int& c, const std::vector<std::string>& captions, double x, double y);

// The geometry of the last set-up.
const TabGeometry& CurrentTabGeometry();
