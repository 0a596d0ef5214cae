#include "platform_ui/ProgramIcon.h"

#include <QPixmap>

#include "platform_ui/QtPictureBox.h"
#include "platform/ToolbarImages.h"

QImage StripImage(int k) {
    static const Bitmap32 strip = fnToolbarStrip();
    QImage image = ToQImage(strip.Block(24 * (k - 1) + 5, 5, 16, 17)).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 255)) image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

QIcon ProgramIcon() {
    // The page with sparkles of the toolbar's Zelk button.
    return QIcon(QPixmap::fromImage(StripImage(3).scaled(32, 34, Qt::KeepAspectRatio, Qt::FastTransformation)));
}
