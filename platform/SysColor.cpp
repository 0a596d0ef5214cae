#include "platform/SysColor.h"

uint32_t GetSysColor(int index) {
    using namespace syscolor;
    switch (index) {
        case COLOR_WINDOW: return RGB(255, 255, 255);
        case COLOR_WINDOWFRAME: return RGB(0, 0, 0);
        case COLOR_BTNFACE: return RGB(192, 192, 192);
        case COLOR_BTNSHADOW: return RGB(128, 128, 128);
        case COLOR_GRAYTEXT: return RGB(128, 128, 128);
        case COLOR_BTNTEXT: return RGB(0, 0, 0);
        case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
        case COLOR_3DDKSHADOW: return RGB(0, 0, 0);
        case COLOR_3DLIGHT: return RGB(223, 223, 223);
        default: return 0;
    }
}

uint32_t ResolveColor(uint32_t color) {
    if (color & syscolor::kSystemBit) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}
