// The windowed presenter: a primary surface clipped to the window, the picture placed in its client area.
#include "platform/window.h"
#include "umlib/draw.h"
#include "umlib/draw_messages.h"

namespace umlib {

draw_normal_t::draw_normal_t(plat::hwnd_t window, int back_width, int back_height) {
    mode = 0;
    hwnd = window;
    if (window == nullptr) {
        fail(text_invalid_window, 0);
    }
    plat::hresult_t hr = ddraw->set_cooperative_level(nullptr, plat::ddscl_normal);
    if (plat::failed(hr)) {
        fail(text_cooperative_level, hr);
    }
    create_buffers(back_width, back_height, hr);
    clipper_t* clipper = create_clipper();
    if (clipper == nullptr) {
        fail(text_clipper, hr);
    }
    hr = clipper->clipper->set_hwnd(0, window);
    if (plat::failed(hr)) {
        fail(text_clipper_window, hr, clipper);
    }
    hr = primary->surface->set_clipper(clipper->clipper);
    if (plat::failed(hr)) {
        fail(text_apply_clipper, hr, clipper);
    }
    destroy_object(clipper); // the primary surface keeps its own reference
    set_view(nullptr, 1, true);
    read_pixel_format(primary);
}

draw_normal_t::~draw_normal_t() {
    release_surfaces();
}

surface_t* draw_normal_t::create_primary() {
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps;
    desc.caps = plat::ddscaps_primarysurface;
    return create_surface(&desc);
}

void draw_normal_t::set_view(const plat::rect_t* area, int scale, bool centre) {
    plat::rect_t client;
    plat::get_client_rect(hwnd, &client);
    if (scale <= 0) {
        src = area_or_back(area);
        plat::point_t origin;
        plat::client_to_screen(hwnd, &origin);
        dst = {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
        clip_if_overlapping(dst, primary->rect);
        return;
    }
    const plat::point_t size = scaled_size(area, scale);
    plat::point_t origin;
    if (centre) {
        origin = {client.right / 2 - size.x / 2, client.bottom / 2 - size.y / 2};
    }
    plat::client_to_screen(hwnd, &origin);
    set_scaled_view(area, scale, origin);
}

} // namespace umlib
