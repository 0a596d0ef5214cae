#include "ToolbarImages.h"

#include <array>
#include <string_view>

namespace {

// The sixteen colours of the strip, one letter each ("." is the transparent
// magenta background).
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

using Image = std::array<std::string_view, 17>;

// Fourteen images of 16 x 17 pixels, in strip order.
constexpr std::array<Image, 14> kImages = {{
    // 1: an opening yellow folder with a green inside and a curved arrow
    {{
        "..........kkk...",
        ".........k...k.k",
        "..............kk",
        ".............kkk",
        ".kkkk...........",
        "kYYYYk..........",
        "kYYYYYkkkkkkk...",
        "kYggggggggggk...",
        "kYgkkkkkkkkkkkkk",
        "kYgkYYYYYYYYYYYk",
        "kYkYYYYYYYYYYYk.",
        "kYkYYYYYYYYYYYk.",
        "kkYYYYYYYYYYYk..",
        "kkYYYYYYYYYYYk..",
        "kYYYYYYYYYYYk...",
        "kkkkkkkkkkkkk...",
        "................",
    }},
    // 2: a red floppy disk
    {{
        "................",
        ".kkkkkkkkkkkkk..",
        ".kRkWWWWWWWkRk..",
        ".kRkWWWWWWWkRk..",
        ".kRkWWWWWWWkRk..",
        ".kRkWWWWWWWkRk..",
        ".kRRkkkkkkkRRk..",
        ".kRRRRRRRRRRRk..",
        ".kRRkkkkkkkkRk..",
        ".kRRksssskkskk..",
        ".kRRksssskkskk..",
        ".kRRksssskkskk..",
        ".kRRksssskkskk..",
        "..kkkkkkkkkkkk..",
        "................",
        "................",
        "................",
    }},
    // 3: a page with yellow sparkles
    {{
        "...........Y....",
        ".......Y...Y...Y",
        "........Y..Y..Y.",
        ".........Y.Y.Y..",
        ".kkkkkk...YYY...",
        ".kWWWWkkYYYWYYY.",
        ".kWWWWWWk.YYY...",
        ".kWkkkWWWkY.Y.Y.",
        ".kWWWWWWWk.Y..Y.",
        ".kWkkkkkWk.Y....",
        ".kWWWWWWWk......",
        ".kWkkkkkWk......",
        ".kWWWWWWWk......",
        ".kWkkkkkWk......",
        ".kWWWWWWWk......",
        ".kkkkkkkkk......",
        "................",
    }},
    // 4: a yellow waste bin
    {{
        "................",
        "......kkkk......",
        ".kkkkkkkkkkkkkk.",
        ".kYYYYYYYYYYYYk.",
        ".kkkkkkkkkkkkkk.",
        "..kYyYyYyYyYyk..",
        "..kYyYyYyYyYyk..",
        "..kYyYyYyYyYyk..",
        "..kYyYyYyYyYyk..",
        "..kYyYyYyYyYyk..",
        "..kYyYyYyYyYyk..",
        "..kYyYyYyYyYyk..",
        "..kYyYyYyYyYyk..",
        "..kYyYyYyYyYyk..",
        "..kYyYyYyYyYyk..",
        "...kkkkkkkkkk...",
        "................",
    }},
    // 5: an opening folder with a brown chequered sheet
    {{
        "....kkkkkkkk....",
        "....kyWyWyWk....",
        "....kWyWyWyk....",
        ".kkkkyWyWyWk....",
        "kYYYkWyWyWyk....",
        "kYYYkyWyWyWkkk..",
        "kYYYkkkkkkkkYk..",
        "kYYkkkkkkkkkkkkk",
        "kYYkYYYYYYYYYYYk",
        "kYkYYYYYYYYYYYk.",
        "kYkYYYYYYYYYYYk.",
        "kkYYYYYYYYYYYk..",
        "kkYYYYYYYYYYYk..",
        "kYYYYYYYYYYYk...",
        "kkkkkkkkkkkkk...",
        "................",
        "................",
    }},
    // 6: an opening folder with sparkles and a red sheet
    {{
        ".....kkkkk...Y..",
        ".....kRRRk.Y.Y.Y",
        ".....kRRRk..YYY.",
        ".kkkkkRRRkYYYWYY",
        "kYYYYkRRRk..YYY.",
        "kYYYYkRRRkkY.Y.Y",
        "kYYYYkkkkkkk.Y..",
        "kYYkkkkkkkkkkkkk",
        "kYYkYYYYYYYYYYYk",
        "kYkYYYYYYYYYYYk.",
        "kYkYYYYYYYYYYYk.",
        "kkYYYYYYYYYYYk..",
        "kkYYYYYYYYYYYk..",
        "kYYYYYYYYYYYk...",
        "kkkkkkkkkkkkk...",
        "................",
        "................",
    }},
    // 7: a framed grey page with red lines
    {{
        ".kkkkkkkkkkkkk..",
        ".kdddddddddddk..",
        ".kdkkkkkkkkkdk..",
        ".kdksssssssskdk.",
        ".kdkRRRRRRRskdk.",
        ".kdksssssssskdk.",
        ".kdkRRRRRRRskdk.",
        ".kdksssssssskdk.",
        ".kdkRRRRRRRskdk.",
        ".kdksssssssskdk.",
        ".kdkRRRRRRRskdk.",
        ".kdksssssssskdk.",
        ".kdkkkkkkkkkkdk.",
        ".kddddddddddddk.",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
    }},
    // 8: a purple arrow to the left
    {{
        "................",
        "................",
        "......k.........",
        ".....kk.........",
        "....kpk.........",
        "...kppkkkkkkkk..",
        "..kppppppppppk..",
        ".kppppppppppppk.",
        "..kppppppppppk..",
        "...kppkkkkkkkk..",
        "....kpk.........",
        ".....kk.........",
        "......k.........",
        "................",
        "................",
        "................",
        "................",
    }},
    // 9: a purple arrow to the right
    {{
        "................",
        "................",
        ".........k......",
        ".........kk.....",
        ".........kpk....",
        "..kkkkkkkkppk...",
        "..kppppppppppk..",
        ".kppppppppppppk.",
        "..kppppppppppk..",
        "..kkkkkkkkppk...",
        ".........kpk....",
        ".........kk.....",
        ".........k......",
        "................",
        "................",
        "................",
        "................",
    }},
    // 10: a printer with green paper
    {{
        "....kkkkkkkk....",
        "....kGGGGGGk....",
        "....kGgggGGk....",
        "....kGGGGGGk....",
        "....kGgggggk....",
        ".kkkkkkkkkkkkkk.",
        "kssssssssssssssk",
        "kWWWWWWWWWWWWWWk",
        "kssssssssssGGssk",
        "kssssssssssssssk",
        "kddddddddddddddk",
        "kdkkkkkkkkkkkkdk",
        "kddkGGGGGGGGkddk",
        ".kkkGggggggGkkk.",
        "...kGGGGGGGGk...",
        "...kkkkkkkkkk...",
        "................",
    }},
    // 11: stacked folders
    {{
        "......kkkk......",
        ".....kYYYYkkkkk.",
        ".....kYYYYYYYYk.",
        "...kkkkkkkYYYYk.",
        "..kYYYYkYYkkkkk.",
        "..kYYYYYYYYYYYk.",
        ".kkkkkkkkYYYYYk.",
        "kYYYYkYYkkkkkYk.",
        "kYYYYYYYYYYYkkk.",
        "kYYYYYYYYYYYk...",
        "kYYYYYYYYYYYk...",
        "kYYYYYYYYYYYk...",
        "kYYYYYYYYYYYk...",
        "kkkkkkkkkkkkk...",
        "................",
        "................",
        "................",
    }},
    // 12: a yellow question mark
    {{
        ".....kkkkkk.....",
        "....kYYYYYYk....",
        "...kYYkkkkYYk...",
        "...kYYk..kYYk...",
        "....kk...kYYk...",
        "........kYYk....",
        ".......kYYk.....",
        "......kYYk......",
        "......kYYk......",
        "......kYYk......",
        ".......kk.......",
        "................",
        "......kkkk......",
        "......kYYk......",
        "......kYYk......",
        ".......kk.......",
        "................",
    }},
    // 13: a stack of pages with sparkles
    {{
        ".............Y..",
        ".kkkkkk...Y..Y.Y",
        ".kWWWWWk...Y.YY.",
        ".kWkkkWWk.YYYWYY",
        ".kWWWWWWWkkkYYY.",
        ".kWkkkkkWWWWkYY.",
        ".kWWWWWWWkkkk.Y.",
        ".kWkkkkkkWWWWkk.",
        ".kWWWWWWWWWWWkk.",
        ".kWkkkkkkkkWWkk.",
        ".kWWWWWWWWWWWkk.",
        ".kWkkkkkkkkWWkk.",
        ".kWWWWWWWWWWWkk.",
        ".kkkkkkkkkkkkkk.",
        "..kkkkkkkkkkkkk.",
        "................",
        "................",
    }},
    // 14: a cluster of blue, green and red drops
    {{
        ".......k........",
        "......kBk.......",
        ".....kBBBk......",
        "....kBBWBBk.....",
        "....kBBBBBk.....",
        "..k..kBBBk..k...",
        ".kGk..kkk..kRk..",
        "kGGGk.....kRRRk.",
        "kGWGGk...kRWRRk.",
        "kGGGGk...kRRRRk.",
        ".kGGk.....kRRk..",
        "..kk.......kk...",
        "................",
        "................",
        "................",
        "................",
        "................",
    }},
}};

}  // namespace

Bitmap32 fnToolbarStrip() {
    Bitmap32 strip(kStripWidth, kStripHeight, 0xFF00FF);
    for (size_t k = 0; k < kImages.size(); ++k) {
        const int left = 24 * static_cast<int>(k) + 5;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 16; ++x) strip.Set(left + x, 5 + y, PaletteColor(kImages[k][y][x]));
    }
    return strip;
}
