#include "platform/Bitmap32.h"

Bitmap32 Bitmap32::Block(int x, int y, int width, int height) const {
    Bitmap32 out(width, height);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            if (Contains(x + i, y + j)) out.Set(i, j, At(x + i, y + j));
    return out;
}

uint32_t PaletteColor(char c) {
    switch (c) {
        case 'k': return 0x000000;  // black
        case 'r': return 0x000080;  // maroon
        case 'g': return 0x008000;  // green
        case 'y': return 0x008080;  // olive (brown)
        case 'b': return 0x800000;  // navy
        case 'p': return 0x800080;  // purple
        case 't': return 0x808000;  // teal
        case 's': return 0xC0C0C0;  // silver
        case 'd': return 0x808080;  // grey
        case 'R': return 0x0000FF;  // red
        case 'G': return 0x00FF00;  // lime
        case 'Y': return 0x00FFFF;  // yellow
        case 'B': return 0xFF0000;  // blue
        case 'C': return 0xFFFF00;  // aqua
        case 'W': return 0xFFFFFF;  // white
        default: return 0xFF00FF;   // magenta: transparent
    }
}

Bitmap32 Bitmap32::FromRows(std::initializer_list<std::string_view> rows) {
    const int width = rows.size() == 0 ? 0 : static_cast<int>(rows.begin()->size());
    Bitmap32 out(width, static_cast<int>(rows.size()));
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < width && x < static_cast<int>(row.size()); ++x) out.Set(x, y, PaletteColor(row[static_cast<size_t>(x)]));
        ++y;
    }
    return out;
}
