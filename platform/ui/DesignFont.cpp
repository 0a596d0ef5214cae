#include "platform_ui/DesignFont.h"

#include <QApplication>
#include <QFontDatabase>

QFont DesignFont() {
    QFont font = QApplication::font();
    // Narrow sans-serif faces first: the forms' captions were measured for one.
    font.setFamilies({"MS Sans Serif", "Arial", "Liberation Sans", "DejaVu Sans Condensed", font.family()});
    font.setPointSizeF(8.0);
    return font;
}

QFont FixedPitchFont(qreal pointSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(pointSize);
    return font;
}
