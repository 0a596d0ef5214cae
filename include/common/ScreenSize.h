#pragma once
// The size of the whole screen in twips, which the main window's default
// place and its bounds are computed from. The logic has no display: the
// window code installs the real screen; until then (and in the headless
// tools) it is 1920 x 1080 pixels at 15 twips per pixel.
struct ScreenTwips {
    double Width = 0;
    double Height = 0;
};

// Twips per pixel of every screen the program lays its windows out for.
constexpr double kScreenTwipsPerPixel = 15;

constexpr ScreenTwips kHeadlessScreen{1920 * 15.0, 1080 * 15.0};

ScreenTwips CurrentScreenSize();
void SetScreenSize(ScreenTwips screen);
