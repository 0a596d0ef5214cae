#pragma once
// A small picture held as pixels (0x00BBGGRR each), for the images the
// hand-drawn controls compose before they put them on a picture box.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

struct Bitmap32 {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;  // row by row

    Bitmap32() = default;
    Bitmap32(int width, int height, uint32_t fill = 0)
        : Width(width), Height(height), Pixels(static_cast<size_t>(width) * height, fill) {}

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    void Set(int x, int y, uint32_t color) {
        if (Contains(x, y)) Pixels[static_cast<size_t>(y) * Width + x] = color;
    }
    // The block at (x, y) of the given size; pixels outside the picture are 0.
    Bitmap32 Block(int x, int y, int width, int height) const;
    // A picture drawn as rows of palette letters (see PaletteColor), all
    // rows as long as the first.
    static Bitmap32 FromRows(std::initializer_list<std::string_view> rows);
};

// The sixteen colours of the program's small pictures, one letter each:
// k black, r maroon, g green, y olive, b navy, p purple, t teal, s silver,
// d grey, R red, G lime, Y yellow, B blue, C aqua, W white; any other
// letter ("." by custom) is magenta, the clear ground.
uint32_t PaletteColor(char c);
