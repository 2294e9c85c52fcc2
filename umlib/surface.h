// The platform library's DirectDraw wrappers that everything draws through: surfaces, clippers, the
// scoped lock, and the pixel format of the primary surface that picks every software drawing variant.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

namespace umlib {

class draw_object_t {
  public:
    virtual ~draw_object_t() = default;
};

class surface_t : public draw_object_t {
  public:
    // Throws the integer 1 when the surface cannot be made.
    surface_t(plat::ddraw_t* device, const plat::surface_desc_t* description);
    ~surface_t() override;

    void release();
    bool copy_bitmap(int32_t x, int32_t y, plat::hbitmap_t bitmap);
    bool set_color_key(plat::colorref_t colour);

    plat::dd_surface_t* surface = nullptr;
    plat::rect_t rect;
    uint8_t owned = 1;
};

class clipper_t : public draw_object_t {
  public:
    // Throws the integer 1 when the clipper cannot be made.
    explicit clipper_t(plat::ddraw_t* device);
    ~clipper_t() override;

    void release();

    plat::dd_clipper_t* clipper = nullptr;
};

class surface_locker_t {
  public:
    surface_locker_t(surface_t* surface, plat::surface_desc_t* description);
    ~surface_locker_t();
    surface_locker_t(const surface_locker_t&) = delete;
    surface_locker_t& operator=(const surface_locker_t&) = delete;

    surface_t* surface;
    plat::hresult_t result;
};

struct pixel_format_record_t {
    uint32_t bit_count;
    uint32_t rgb_mask;
    uint32_t red_mask, green_mask, blue_mask, alpha_mask;
    uint32_t red_width, green_width, blue_width, alpha_width;
    uint32_t red_shift, green_shift, blue_shift, alpha_shift;
    uint32_t red_max, green_max, blue_max, alpha_max;
};

extern pixel_format_record_t pixel_format;

void read_pixel_format(surface_t* surface);
void reset_pixel_format();

} // namespace umlib

// Which software drawing variant applies: the code of a drawing format (umlib/pixel_formats.h), 0xA332,
// 0x332A, or the bit count.
extern int32_t pixel_format_code;
