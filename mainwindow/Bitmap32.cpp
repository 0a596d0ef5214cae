#include "Bitmap32.h"

Bitmap32 Bitmap32::Block(int x, int y, int width, int height) const {
    Bitmap32 out(width, height);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            if (Contains(x + i, y + j)) out.Set(i, j, At(x + i, y + j));
    return out;
}
