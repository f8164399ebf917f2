// Narrowing an image to the width it is shown at.
#include "resources/image_scale.h"

#include <algorithm>
#include <cmath>
#include <cstring>

int narrowedWidth(int width, int shownWidth) {
    if (shownWidth <= 0) return width;
    while (width % 2 == 0 && width / 2 >= shownWidth)
        width /= 2;
    return width;
}

void keptColumns(int width, double seenFirst, double seenLast, int& first, int& kept) {
    first = 0;
    kept = width;
    if (width <= 0 || !(seenFirst < seenLast)) return;
    // A column more on each side: the filter reaches half a texel past the part.
    int from = std::max(0, (int)std::floor(std::max(0.0, seenFirst) * width) - 1);
    int to = std::min(width, (int)std::ceil(std::min(1.0, seenLast) * width) + 1);
    if (to <= from) return;
    int needed = to - from;
    while (kept % 2 == 0 && kept / 2 >= needed)
        kept /= 2;
    first = std::clamp(from - (kept - needed) / 2, 0, width - kept);
}

int narrowImage(const uint8_t* pixels, int width, int height, int pitch, int bytesPerPixel,
                int shownWidth, std::vector<uint8_t>& out) {
    int narrow = narrowedWidth(width, shownWidth);
    int step = width / narrow; // a power of two: columns averaged into one
    size_t rowBytes = (size_t)narrow * bytesPerPixel;
    out.resize(rowBytes * (size_t)height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels + (size_t)y * pitch;
        uint8_t* to = out.data() + rowBytes * (size_t)y;
        if (step == 1) {
            std::memcpy(to, row, rowBytes);
            continue;
        }
        for (int x = 0; x < narrow; ++x)
            for (int c = 0; c < bytesPerPixel; ++c) {
                unsigned sum = 0;
                for (int k = 0; k < step; ++k)
                    sum += row[((size_t)x * step + k) * bytesPerPixel + c];
                to[(size_t)x * bytesPerPixel + c] = (uint8_t)((sum + step / 2) / step);
            }
    }
    return narrow;
}
