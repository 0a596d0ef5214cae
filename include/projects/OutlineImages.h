#pragma once
// The nine small pictures of the project outline, 13 x 13 pixels each, in
// the order of the dialog's image array: the closed folder plain, checked
// (red mark) and partly checked (grey mark), the open folder the same, the
// file triangle, the ticked (red) file triangle, and the red triangle again
// for a file's own picture.
#include <array>

#include "platform/Bitmap32.h"

constexpr int kOutlineImages = 9, kOutlineImageSize = 13;

std::array<Bitmap32, kOutlineImages> fnOutlineImages();
