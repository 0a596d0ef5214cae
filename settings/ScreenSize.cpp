#include "ScreenSize.h"

namespace {
ScreenTwips gScreen = kHeadlessScreen;
}

ScreenTwips fScreenSize() { return gScreen; }

void SetScreenSize(ScreenTwips screen) { gScreen = screen; }
