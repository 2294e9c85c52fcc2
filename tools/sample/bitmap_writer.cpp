#include "tools/sample/bitmap_writer.h"

#include "base/binio.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr size_t prefix_bytes = 32;
constexpr size_t headers_bytes = 14 + 40;

size_t row_bytes(const bmp_layout_t& layout) {
    return (size_t(layout.width) * layout.bit_count + 31) / 32 * 4;
}

void put_pixel(uint8_t* row, int32_t x, uint16_t bits, uint32_t value) {
    switch (bits) {
    case 1:
    case 4:
    case 8: {
        const int32_t bit = x * bits;
        const int shift = 8 - bits - bit % 8;
        row[bit / 8] |= uint8_t((value & ((1u << bits) - 1)) << shift);
        break;
    }
    default:
        for (int i = 0; i < bits / 8; ++i) {
            row[x * (bits / 8) + i] = uint8_t(value >> (8 * i));
        }
        break;
    }
}

} // namespace

std::vector<uint8_t> pack_bmp_rows(const bmp_layout_t& layout, const std::vector<uint32_t>& values) {
    const int32_t rows = layout.height < 0 ? -layout.height : layout.height;
    const size_t stride = row_bytes(layout);
    std::vector<uint8_t> bits(stride * rows, 0);
    for (int32_t y = 0; y < rows; ++y) {
        const int32_t stored = layout.height < 0 ? y : rows - 1 - y;
        for (int32_t x = 0; x < layout.width; ++x) {
            put_pixel(&bits[stored * stride], x, layout.bit_count, values[size_t(y) * layout.width + x]);
        }
    }
    return bits;
}

std::vector<uint8_t> encode_bmp(const bmp_layout_t& layout, const std::vector<uint8_t>& pixel_bits) {
    const uint32_t off_bits = uint32_t(headers_bytes + 4 * layout.palette.size());
    byte_writer_t w;
    w.zeros(prefix_bytes);
    w.u16(0x4D42); // "BM"
    w.u32(off_bits + uint32_t(pixel_bits.size()));
    w.u16(0);
    w.u16(0);
    w.u32(off_bits);
    w.u32(40);
    w.i32(layout.width);
    w.i32(layout.height);
    w.u16(1);
    w.u16(layout.bit_count);
    w.u32(0); // uncompressed
    w.u32(uint32_t(pixel_bits.size()));
    w.i32(2835); // 72 dots per inch
    w.i32(2835);
    w.u32(layout.clr_used);
    w.u32(0);
    for (uint32_t c : layout.palette) {
        w.u32(c & 0xFFFFFF);
    }
    w.bytes(pixel_bits.data(), pixel_bits.size());
    return w.data();
}

std::vector<uint8_t> encode_bmp24(const sample_picture_t& picture) {
    const bmp_layout_t layout{picture.width, picture.height, 24, {}, 0};
    return encode_bmp(layout, pack_bmp_rows(layout, picture.pixels));
}

std::vector<uint8_t> encode_bmp8(const sample_picture_t& picture) {
    bmp_layout_t layout{picture.width, picture.height, 8, {}, 0};
    std::vector<uint32_t> indices;
    indices.reserve(picture.pixels.size());
    for (uint32_t c : picture.pixels) {
        auto found = std::find(layout.palette.begin(), layout.palette.end(), c);
        if (found == layout.palette.end()) {
            if (layout.palette.size() == 256) {
                throw std::invalid_argument("more than 256 colours for an 8-bit picture");
            }
            found = layout.palette.insert(layout.palette.end(), c);
        }
        indices.push_back(uint32_t(found - layout.palette.begin()));
    }
    layout.clr_used = uint32_t(layout.palette.size());
    return encode_bmp(layout, pack_bmp_rows(layout, indices));
}
