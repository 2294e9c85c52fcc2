// Writes the game's image files: a 32-byte prefix and a BMP of 1, 4, 8, 16, 24 or 32 bits per pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture as the sample builder draws it: one 0x00RRGGBB value a pixel, rows top to bottom.
struct sample_picture_t {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    sample_picture_t() = default;
    sample_picture_t(int32_t w, int32_t h, uint32_t fill = 0)
        : width(w), height(h), pixels(size_t(w) * h, fill) {}
    uint32_t& at(int32_t x, int32_t y) { return pixels[size_t(y) * width + x]; }
};

struct bmp_layout_t {
    int32_t width = 0;
    int32_t height = 0; // negative: rows stored top-down
    uint16_t bit_count = 24;
    std::vector<uint32_t> palette; // the colour table written, 0x00RRGGBB
    uint32_t clr_used = 0;         // as written in the header
};

// Packs one value a pixel (a palette index below 16 bits, the raw pixel at 16, 0x00RRGGBB above),
// rows top to bottom, into the rows of a bitmap: padded to 32 bits, bottom-up unless height < 0.
std::vector<uint8_t> pack_bmp_rows(const bmp_layout_t& layout, const std::vector<uint32_t>& values);
// The whole file: prefix, file header, info header, colour table, then the pixel bits.
std::vector<uint8_t> encode_bmp(const bmp_layout_t& layout, const std::vector<uint8_t>& pixel_bits);

// 24 bits, bottom-up.
std::vector<uint8_t> encode_bmp24(const sample_picture_t& picture);
// 8 bits with the picture's own colours as the palette (at most 256), bottom-up.
std::vector<uint8_t> encode_bmp8(const sample_picture_t& picture);
