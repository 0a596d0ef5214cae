#include "common/ScreenSize.h"

namespace {
ScreenTwips gScreen = kHeadlessScreen;
}

ScreenTwips CurrentScreenSize() { return gScreen; }

void SetScreenSize(ScreenTwips screen) { gScreen = screen; }
