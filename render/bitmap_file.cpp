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

// The colour entries that follow the info header: below 16 bits biClrUsed of them or the full table
// when it is 0; 16 bits are direct 5-5-5 colours with only the optional biClrUsed entries before them;
// none above. A count beyond the full table cannot index anything: refused.
bool color_count(const bmp_info_header_t& h, size_t& n) {
    n = 0;
    if (h.bit_count >= 24) {
        return true;
    }
    const uint32_t full = 1u << h.bit_count;
    if (h.clr_used > full) {
        return false;
    }
    n = h.clr_used != 0 || h.bit_count == 16 ? h.clr_used : full;
    return true;
}

// Why the header cannot describe a picture this loader shows; null when it can.
const char* header_refusal(const bmp_file_header_t& f, const bmp_info_header_t& h) {
    if (h.size < bmp_info_header_size) {
        return "unsupported info header size";
    }
    if (!supported_depth(h.bit_count)) {
        return "unsupported bits per pixel";
    }
    if (h.compression == plat::bi_bitfields) {
        return "bit masks are not supported";
    }
    if (h.compression != plat::bi_rgb) {
        return "compressed pictures are not supported";
    }
    if (h.width <= 0 || h.height == 0 || h.height == INT32_MIN) {
        return "bad width or height";
    }
    if (f.off_bits > f.size) {
        return "pixel offset beyond the file size";
    }
    return nullptr;
}

} // namespace

size_t dib_stride(int32_t width, uint16_t bit_count) {
    return (uint64_t(uint32_t(width)) * bit_count + 31) / 32 * 4;
}

bool parse_bmp(const uint8_t* data, size_t size, bmp_image_t& out, std::string& error) {
    byte_reader_t r(data, size);
    r.skip(bmp_prefix_size);
    read_file_header(r, out.file);
    read_info_header(r, out.info);
    if (!r.ok()) {
        error = "file too short for its headers";
        return false;
    }
    const bmp_info_header_t& h = out.info;
    if (const char* refusal = header_refusal(out.file, h)) {
        error = refusal;
        return false;
    }
    const uint64_t rows = uint64_t(h.height < 0 ? -int64_t(h.height) : h.height);
    const uint64_t image_bytes = uint64_t(dib_stride(h.width, h.bit_count)) * rows;
    if (image_bytes > uint64_t(INT32_MAX)) {
        error = "picture too large";
        return false;
    }
    // Longer headers (108, 124 bytes) carry fields this loader does not use; the table follows them.
    r.skip(h.size - bmp_info_header_size);
    size_t n = 0;
    if (!r.ok() || !color_count(h, n) || n * 4 > r.remaining()) {
        error = "colour table beyond the file or the depth";
        return false;
    }
    out.colors.resize(n);
    for (uint32_t& c : out.colors) {
        c = r.u32();
    }
    // The pixel bits follow the colour table at once; bfOffBits only gives their count.
    const size_t count = out.file.size - out.file.off_bits;
    if (count == 0 || count > r.remaining()) {
        error = count == 0 ? "no pixel bits" : "pixel bits beyond the end of the file";
        return false;
    }
    out.pixels = data + r.position();
    out.image_bytes = size_t(image_bytes);
    out.pixel_bytes = std::min(count, out.image_bytes);
    return true;
}
