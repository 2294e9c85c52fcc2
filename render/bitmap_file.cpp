#include "render/bitmap_file.h"

#include "base/binio.h"
#include "platform/gdi.h"

#include <algorithm>
#include <climits>

namespace {

bool supported_depth(uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

void read_file_header(byte_reader_t& r, bmp_file_header_t& h) {
    h.type = r.u16();
    h.size = r.u32();
    h.reserved1 = r.u16();
    h.reserved2 = r.u16();
    h.off_bits = r.u32();
}

void read_info_header(byte_reader_t& r, bmp_info_header_t& h) {
    h.size = r.u32();
    h.width = r.i32();
    h.height = r.i32();
    h.planes = r.u16();
    h.bit_count = r.u16();
    h.compression = r.u32();
    h.size_image = r.u32();
    h.x_pels_per_meter = r.i32();
    h.y_pels_per_meter = r.i32();
    h.clr_used = r.u32();
    h.clr_important = r.u32();
}

// The colour entries that follow the info header: only below 24 bits, biClrUsed of them or the
// full table when it is 0. A count beyond the full table cannot index anything: refused.
bool color_count(const bmp_info_header_t& h, size_t& n) {
    n = 0;
    if (h.bit_count >= 24) {
        return true;
    }
    const uint32_t full = 1u << h.bit_count;
    if (h.clr_used > full) {
        return false;
    }
    n = h.clr_used != 0 ? h.clr_used : full;
    return true;
}

} // namespace

size_t dib_stride(int32_t width, uint16_t bit_count) {
    return (uint64_t(uint32_t(width)) * bit_count + 31) / 32 * 4;
}

bool parse_bmp(const uint8_t* data, size_t size, bmp_image_t& out) {
    byte_reader_t r(data, size);
    r.skip(bmp_prefix_size);
    read_file_header(r, out.file);
    read_info_header(r, out.info);
    if (!r.ok()) {
        return false;
    }
    const bmp_info_header_t& h = out.info;
    if (!supported_depth(h.bit_count) || h.compression != plat::bi_rgb || h.width <= 0 || h.height == 0 ||
        h.height == INT32_MIN || out.file.off_bits > out.file.size) {
        return false;
    }
    const uint64_t rows = uint64_t(h.height < 0 ? -int64_t(h.height) : h.height);
    const uint64_t image_bytes = uint64_t(dib_stride(h.width, h.bit_count)) * rows;
    if (image_bytes > uint64_t(INT32_MAX)) {
        return false;
    }
    size_t n = 0;
    if (!color_count(h, n) || n * 4 > r.remaining()) {
        return false;
    }
    out.colors.resize(n);
    for (uint32_t& c : out.colors) {
        c = r.u32();
    }
    // The pixel bits follow the colour table at once; bfOffBits only gives their count.
    const size_t count = out.file.size - out.file.off_bits;
    if (count == 0 || count > r.remaining()) {
        return false;
    }
    out.pixels = data + r.position();
    out.image_bytes = size_t(image_bytes);
    out.pixel_bytes = std::min(count, out.image_bytes);
    return true;
}
