// The full-screen presenter: exclusive mode at a chosen display mode, the picture placed on the screen.
#include "umlib/draw.h"
#include "umlib/draw_messages.h"

namespace umlib {

draw_fullscreen_t::draw_fullscreen_t(plat::hwnd_t window, int width, int height, int bits_per_pixel,
                                     int back_width, int back_height) {
    mode = 1;
    hwnd = window;
    if (window == nullptr) {
        fail(text_invalid_window, 0);
    }
    plat::hresult_t hr = ddraw->set_cooperative_level(
        window, plat::ddscl_fullscreen | plat::ddscl_allowreboot | plat::ddscl_exclusive);
    if (plat::failed(hr)) {
        fail(text_cooperative_level, hr);
    }
    hr = ddraw->set_display_mode(uint32_t(width), uint32_t(height), uint32_t(bits_per_pixel), 0, 0);
    if (plat::failed(hr)) {
        fail(text_display_mode, hr);
    }
    create_buffers(back_width, back_height, hr); // the primary surface has the mode's size
    set_view(nullptr, 1, true);
    read_pixel_format(primary);
}

draw_fullscreen_t::~draw_fullscreen_t() {
    release_surfaces();
}

surface_t* draw_fullscreen_t::create_primary() {
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps;
    desc.caps = plat::ddscaps_primarysurface | plat::ddscaps_3ddevice;
    return create_surface(&desc);
}

void draw_fullscreen_t::set_view(const plat::rect_t* area, int scale, bool centre) {
    const plat::rect_t& screen = primary->rect;
    if (scale <= 0) {
        src = area_or_back(area);
        dst = screen;
        return;
    }
    const plat::point_t size = scaled_size(area, scale);
    plat::point_t origin;
    if (centre) {
        origin = {screen.right / 2 - size.x / 2, screen.bottom / 2 - size.y / 2};
    }
    set_scaled_view(area, scale, origin);
}

plat::hresult_t draw_fullscreen_t::blt_back_to_primary() {
    return primary->surface->blt_fast(0, 0, back->surface, nullptr, plat::ddbltfast_wait);
}

} // namespace umlib
