// The game's image files: a 32-byte prefix before an ordinary BMP. Parsed from memory into what a
// device-independent bitmap needs, with every size checked before anything is allocated or copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t bmp_prefix_size = 32;
constexpr size_t bmp_file_header_size = 14;
constexpr size_t bmp_info_header_size = 40;
constexpr size_t bmp_headers_end = bmp_prefix_size + bmp_file_header_size + bmp_info_header_size;

struct bmp_file_header_t {
    uint16_t type = 0;
    uint32_t size = 0;
    uint16_t reserved1 = 0;
    uint16_t reserved2 = 0;
    uint32_t off_bits = 0;
};

struct bmp_info_header_t {
    uint32_t size = 0;
    int32_t width = 0;
    int32_t height = 0; // negative: rows stored top-down
    uint16_t planes = 0;
    uint16_t bit_count = 0;
    uint32_t compression = 0;
    uint32_t size_image = 0;
    int32_t x_pels_per_meter = 0;
    int32_t y_pels_per_meter = 0;
    uint32_t clr_used = 0;
    uint32_t clr_important = 0;
};

struct bmp_image_t {
    bmp_file_header_t file;
    bmp_info_header_t info;
    std::vector<uint32_t> colors; // RGBQUAD entries, 0x00RRGGBB as stored
    const uint8_t* pixels = nullptr;
    // The pixel bytes to copy: the file's count, cut to what the rows hold.
    size_t pixel_bytes = 0;
    // Bytes of the bitmap's rows: stride x |height|.
    size_t image_bytes = 0;
};

// Bytes of one row of a device-independent bitmap: padded to 32 bits.
size_t dib_stride(int32_t width, uint16_t bit_count);

// Reads the headers, the colour table and the place of the pixel bits; false, with the reason in error,
// for a file that cannot describe a picture safely or that ends before its pixel bits do. The image
// points into data.
bool parse_bmp(const uint8_t* data, size_t size, bmp_image_t& out, std::string& error);
