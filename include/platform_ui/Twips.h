#pragma once
// Window geometry is designed in twips; the screen shows 15 twips a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int Px(long twips) { return static_cast<int>(twips / kTwipsPerPixel); }
constexpr long Tw(int pixels) { return static_cast<long>(pixels) * kTwipsPerPixel; }
