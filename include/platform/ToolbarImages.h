#pragma once
// The strip of the main window's toolbar images: a 16-colour picture of
// 342 x 73 pixels on a magenta (transparent) background, image k (from 1) in
// the 16 x 17 block at (24 * (k - 1) + 5, 5).
#include "platform/Bitmap32.h"

constexpr int kStripWidth = 342, kStripHeight = 73, kStripImages = 14;

Bitmap32 fnToolbarStrip();
