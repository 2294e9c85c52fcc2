// Sprite sheets of the sample pictures: cells of one size, each drawn pixel by pixel from its centre.
#pragma once

#include "tools/sample/bitmap_writer.h"

#include <cstdint>

constexpr uint32_t sheet_key_colour = 0xFF00FF;

// A sheet of columns x rows cells of size, each drawn by shade(x, y, pattern) from the cell's centre.
template <typename Shade> sample_picture_t sheet(int32_t size, int32_t columns, int32_t rows, Shade shade) {
    sample_picture_t picture(size * columns, size * rows, sheet_key_colour);
    const double c = (size - 1) / 2.0;
    for (int32_t p = 0; p < columns * rows; ++p) {
        for (int32_t y = 0; y < size; ++y) {
            for (int32_t x = 0; x < size; ++x) {
                picture.at(p % columns * size + x, p / columns * size + y) = shade(x - c, y - c, p);
            }
        }
    }
    return picture;
}
