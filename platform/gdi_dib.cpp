// DIB sections: bitmaps of 1, 4, 8, 16, 24 or 32 bits whose rows the caller fills through the bits pointer.
#include "platform/gdi_internal.h"

#include <cstdlib>

namespace plat {

namespace {

constexpr int32_t max_side = 16384;
constexpr uint64_t max_bytes = uint64_t(1) << 28;

uint32_t mask_of(const rgb_quad_t& q) {
    return uint32_t(q.blue) | uint32_t(q.green) << 8 | uint32_t(q.red) << 16 | uint32_t(q.reserved) << 24;
}

bool fill_layout(gdi_bitmap& b, const bitmap_info_t& info) {
    const bitmap_info_header_t& h = info.header;
    b.layout.bits = h.bit_count;
    if (h.bit_count <= 8) {
        if (h.compression != bi_rgb) {
            return false;
        }
        b.palette.resize(size_t(1) << h.bit_count);
        for (size_t i = 0; i < b.palette.size() && i < info.colors.size(); ++i) {
            b.palette[i] = info.colors[i];
        }
        b.layout.palette = b.palette.data();
        b.layout.palette_size = uint32_t(b.palette.size());
        return true;
    }
    if (h.compression == bi_bitfields) {
        if ((h.bit_count != 16 && h.bit_count != 32) || info.colors.size() < 3) {
            return false;
        }
        b.layout.red_mask = mask_of(info.colors[0]);
        b.layout.green_mask = mask_of(info.colors[1]);
        b.layout.blue_mask = mask_of(info.colors[2]);
        return true;
    }
    if (h.compression != bi_rgb) {
        return false;
    }
    const bool five_bits = h.bit_count == 16;
    b.layout.red_mask = five_bits ? 0x7C00 : 0xFF0000;
    b.layout.green_mask = five_bits ? 0x03E0 : 0x00FF00;
    b.layout.blue_mask = five_bits ? 0x001F : 0x0000FF;
    return true;
}

} // namespace

pixel_view_t gdi_bitmap::view() {
    pixel_view_t v;
    const int32_t rows = header.height < 0 ? -header.height : header.height;
    v.width = header.width;
    v.height = rows;
    v.layout = layout;
    v.pitch = header.height < 0 ? stride : -stride;
    v.first = bits.data() + (header.height < 0 ? 0 : ptrdiff_t(stride) * (rows - 1));
    return v;
}

std::unique_ptr<gdi_bitmap> make_dib(const bitmap_info_t& info) {
    const bitmap_info_header_t& h = info.header;
    const uint16_t bits = h.bit_count;
    const bool known_depth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (!known_depth || h.planes != 1 || h.width <= 0 || h.width > max_side || h.height == 0 ||
        h.height < -max_side || h.height > max_side) {
        return nullptr;
    }
    auto b = std::make_unique<gdi_bitmap>();
    b->header = h;
    if (!fill_layout(*b, info)) {
        return nullptr;
    }
    const uint64_t stride = (uint64_t(h.width) * bits + 31) / 32 * 4;
    const uint64_t bytes = stride * uint64_t(std::abs(h.height));
    if (bytes > max_bytes) {
        return nullptr;
    }
    b->stride = int32_t(stride);
    b->bits.assign(size_t(bytes), 0);
    return b;
}

hbitmap_t create_dib_section(hdc_t dc, const bitmap_info_t& info, uint32_t usage, void** bits) {
    if (bits != nullptr) {
        *bits = nullptr;
    }
    if ((dc != nullptr && !is_dc(dc)) || usage != dib_rgb_colors) {
        return nullptr;
    }
    std::unique_ptr<gdi_bitmap> b = make_dib(info);
    if (b == nullptr) {
        return nullptr;
    }
    if (bits != nullptr) {
        *bits = b->bits.data();
    }
    return keep(std::move(b));
}

gdi_bitmap* default_bitmap() {
    static gdi_bitmap* made = [] {
        bitmap_info_t info;
        info.header.width = 1;
        info.header.height = 1;
        info.header.bit_count = 1;
        info.colors = {rgb_quad_t{}, rgb_quad_t{0xFF, 0xFF, 0xFF, 0}};
        std::unique_ptr<gdi_bitmap> b = make_dib(info);
        b->stock = true;
        return static_cast<gdi_bitmap*>(keep(std::move(b)));
    }();
    return made;
}

} // namespace plat
