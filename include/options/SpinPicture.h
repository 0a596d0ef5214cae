#pragma once
// The spin box's two pictures of both arrow halves, 20 x 18 pixels: the
// normal one (both halves raised) and the pressed one (both sunken), in the
// enabled arrow colour or the grey of a disabled control.
#include "platform/Bitmap32.h"

constexpr int kSpinPicWidth = 20, kSpinPicHeight = 18, kSpinHalfHeight = 9;

Bitmap32 DrawSpinPicture(bool pressed, bool enabled);
