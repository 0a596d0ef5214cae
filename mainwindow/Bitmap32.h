#pragma once
// A small picture held as pixels (0x00BBGGRR each), for the images the
// hand-drawn controls compose before they put them on a picture box.
#include <cstddef>
#include <cstdint>
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
};
