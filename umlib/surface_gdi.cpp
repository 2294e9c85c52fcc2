// A surface's GDI side: bitmaps copied in with GDI, and colour keys found by letting GDI write the colour.
#include "platform/gdi.h"
#include "umlib/surface.h"

#include <algorithm>
#include <cstring>

namespace umlib {

bool surface_t::copy_bitmap(int32_t x, int32_t y, plat::hbitmap_t bitmap) {
    if (bitmap == nullptr) {
        return false;
    }
    plat::bitmap_record_t record;
    plat::get_object(bitmap, &record);
    const int32_t width = std::min(record.bm_width, rect.right - x);
    const int32_t height = std::min(record.bm_height, rect.bottom - y);
    plat::hdc_t memory = plat::create_compatible_dc(nullptr);
    if (memory == nullptr) {
        return false;
    }
    plat::hdc_t dc = nullptr;
    if (plat::failed(surface->get_dc(&dc))) {
        plat::delete_dc(memory);
        return false;
    }
    plat::select_object(memory, bitmap);
    plat::bit_blt(dc, x, y, width, height, memory, 0, 0, plat::srccopy);
    surface->release_dc(dc);
    plat::delete_dc(memory);
    return true;
}

bool surface_t::set_color_key(plat::colorref_t colour) {
    plat::hdc_t dc = nullptr;
    if (plat::failed(surface->get_dc(&dc))) {
        return false;
    }
    const plat::colorref_t saved = plat::get_pixel(dc, 0, 0);
    plat::set_pixel(dc, 0, 0, colour);
    surface->release_dc(dc);

    uint32_t raw = 0;
    {
        plat::surface_desc_t desc;
        surface_locker_t lock(this, &desc);
        if (lock.result != plat::dd_ok) {
            return false;
        }
        const uint32_t bits = desc.pixel_format.rgb_bit_count;
        if (bits == 8 || bits == 16 || bits == 24 || bits == 32) {
            std::memcpy(&raw, desc.surface, bits / 8); // little-endian, so the low bytes are the pixel
        }
    }

    if (plat::failed(surface->get_dc(&dc))) {
        return false;
    }
    plat::set_pixel(dc, 0, 0, saved);
    surface->release_dc(dc);

    const plat::color_key_t key{raw, raw};
    return plat::succeeded(surface->set_color_key(plat::ddckey_srcblt, &key));
}

} // namespace umlib
