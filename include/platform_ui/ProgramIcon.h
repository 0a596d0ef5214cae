#pragma once
// The program's own pictures: its icon, shown by every window, and the
// toolbar's images on a clear ground for the windows' artwork.
#include <QIcon>
#include <QImage>

QIcon ProgramIcon();
// Image k (from 1) of the toolbar strip, its magenta ground made clear.
QImage StripImage(int k);
