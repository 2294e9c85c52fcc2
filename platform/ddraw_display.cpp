// The device and the display: cooperative level, virtual display modes, focus loss in full screen,
// restoring lost surfaces.
#include "platform/ddraw.h"

#include "platform/display.h"
#include "platform/window.h"

#include <algorithm>

namespace plat {

hresult_t ddraw_t::set_cooperative_level(hwnd_t window, uint32_t flags) {
    if (flags & ddscl_exclusive) {
        if (!(flags & ddscl_fullscreen) || !is_window(window)) {
            return dderr_invalidparams;
        }
        if (window != exclusive_window_) {
            leave_display_mode();
        }
        exclusive_window_ = window;
        was_active_ = window_is_active(window);
        focus_lost_ = false;
        return dd_ok;
    }
    if (!(flags & ddscl_normal)) {
        return dderr_invalidparams;
    }
    leave_display_mode();
    exclusive_window_ = nullptr;
    return dd_ok;
}

hresult_t ddraw_t::set_display_mode(uint32_t width, uint32_t height, uint32_t bpp, uint32_t, uint32_t) {
    if (exclusive_window_ == nullptr) {
        return dderr_noexclusivemode;
    }
    const std::vector<display_mode_t> modes = display_modes();
    const bool offered = std::any_of(modes.begin(), modes.end(), [&](const display_mode_t& m) {
        return m.width == width && m.height == height && m.bits_per_pixel == bpp;
    });
    if (!offered) {
        return dderr_invalidmode;
    }
    if (!set_window_display_mode(exclusive_window_, int32_t(width), int32_t(height))) {
        set_window_display_mode(exclusive_window_, 0, 0);
        return dderr_generic;
    }
    mode_width_ = width;
    mode_height_ = height;
    display_format_ = pixel_format_of_depth(int(bpp));
    return dd_ok;
}

void ddraw_t::leave_display_mode() {
    if (mode_width_ == 0) {
        return;
    }
    if (is_window(exclusive_window_)) {
        set_window_display_mode(exclusive_window_, 0, 0);
    }
    mode_width_ = mode_height_ = 0;
    display_format_ = pixel_format_of_depth(desktop_bits_per_pixel());
}

void ddraw_t::watch_focus() {
    if (exclusive_window_ == nullptr) {
        return;
    }
    // Only a loss counts: a window that never had the focus (a headless display) keeps its surfaces.
    const bool active = window_is_active(exclusive_window_);
    if (was_active_ && !active) {
        focus_lost_ = true;
        for (dd_surface_t* s : surfaces_) {
            if (s->is_primary()) {
                s->set_lost(true);
            }
        }
    }
    if (active) {
        focus_lost_ = false;
    }
    was_active_ = active;
}

hresult_t ddraw_t::restore_all_surfaces() {
    watch_focus();
    if (focus_lost_) {
        return dderr_wrongmode;
    }
    for (dd_surface_t* s : surfaces_) {
        s->restore();
    }
    return dd_ok;
}

hresult_t ddraw_t::flip_to_gdi_surface() {
    return dd_ok; // no flip chain: the primary surface is always the one GDI and the screen show
}

} // namespace plat
