#include "projects/OutlineImages.h"

#include <algorithm>

namespace {

constexpr uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0x0000FF, kGrey = 0x808080;

Bitmap32 ClosedFolder() {
    return Bitmap32::FromRows({
        "WWWWWWWWWWWWW",
        "WWWWWWWWWWWWW",
        "WWkkkkWWWWWWW",
        "WkYYYYkWWWWWW",
        "WkkkkkkkkkkkW",
        "WkYYYYYYYYYkW",
        "WkYYYYYYYYYkW",
        "WkYYYYYYYYYkW",
        "WkYYYYYYYYYkW",
        "WkyyyyyyyyykW",
        "WkkkkkkkkkkkW",
        "WWWWWWWWWWWWW",
        "WWWWWWWWWWWWW",
    });
}

Bitmap32 OpenFolder() {
    return Bitmap32::FromRows({
        "WWWWWWWWWWWWW",
        "WWWWWWWWWWWWW",
        "WWkkkkWWWWWWW",
        "WkYYYYkWWWWWW",
        "WkYkkkkkkkkkk",
        "WkYkYYYYYYYYk",
        "WkkYYYYYYYYkW",
        "WkkYYYYYYYYkW",
        "WkYYYYYYYYkWW",
        "WkYYYYYYYYkWW",
        "WkkkkkkkkkWWW",
        "WWWWWWWWWWWWW",
        "WWWWWWWWWWWWW",
    });
}

// A tick two pixels thick over the picture: down from the left, then up
// to the top right.
Bitmap32 WithCheck(Bitmap32 picture, uint32_t color) {
    auto dot = [&](int x, int y) {
        picture.Set(x, y, color);
        picture.Set(x, y + 1, color);
    };
    for (int x = 3; x <= 5; ++x) dot(x, 5 + x);  // 3,8 .. 5,10
    for (int x = 6; x <= 11; ++x) dot(x, 15 - x);  // 6,9 .. 11,4
    return picture;
}

// A triangle pointing right, outlined in black and filled with `fill`.
Bitmap32 Triangle(uint32_t fill) {
    Bitmap32 picture(kOutlineImageSize, kOutlineImageSize, kWhite);
    for (int y = 0; y < kOutlineImageSize; ++y) {
        const int reach = std::min(y, kOutlineImageSize - 1 - y);
        for (int x = 3; x <= 3 + reach; ++x) picture.Set(x, y, x == 3 || x == 3 + reach ? kBlack : fill);
    }
    return picture;
}

}  // namespace

std::array<Bitmap32, kOutlineImages> fnOutlineImages() {
    const Bitmap32 closed = ClosedFolder(), open = OpenFolder();
    return {closed,
            WithCheck(closed, kRed),
            WithCheck(closed, kGrey),
            open,
            WithCheck(open, kRed),
            WithCheck(open, kGrey),
            Triangle(kWhite),
            Triangle(kRed),
            Triangle(kRed)};
}
