#pragma once
// The system colours of the classic desktop look that the hand-drawn controls
// (toolbar, gauge, spin box, tab strip) paint with, fixed so that drawings
// are the same on every machine. Colours are 0x00BBGGRR values; a system
// colour reference has the high bit set and the colour index in its low byte
// (0x8000000F is the button face).
#include <cstdint>

namespace syscolor {
constexpr int COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6, COLOR_BTNFACE = 15, COLOR_BTNSHADOW = 16,
              COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18, COLOR_BTNHIGHLIGHT = 20, COLOR_3DDKSHADOW = 21,
              COLOR_3DLIGHT = 22;
constexpr uint32_t kSystemBit = 0x80000000u;
constexpr uint32_t kButtonFace = kSystemBit | COLOR_BTNFACE;      // &H8000000F
constexpr uint32_t kButtonShadow = kSystemBit | COLOR_BTNSHADOW;  // &H80000010
constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0, kMagenta = 0xFF00FF;
}  // namespace syscolor

// The colour of a system colour index (0 for an unknown index).
uint32_t GetSysColor(int index);

// A plain colour as it stands; a system colour reference as its colour.
uint32_t ResolveColor(uint32_t color);

// RGB(r, g, b) as a 0x00BBGGRR value.
constexpr uint32_t RGB(int r, int g, int b) {
    return static_cast<uint32_t>(r & 255) | (static_cast<uint32_t>(g & 255) << 8) |
           (static_cast<uint32_t>(b & 255) << 16);
}
