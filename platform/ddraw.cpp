// The device: makes surfaces and clippers and keeps the format new surfaces take.
#include "platform/ddraw.h"

#include "platform/ddraw_internal.h"
#include "platform/display.h"
#include "platform/window.h"

#include <algorithm>
#include <new>

namespace plat {

namespace {

int creation_limit = -1;
int live_objects = 0;

} // namespace

bool creation_allowed() {
    if (creation_limit == 0) {
        return false;
    }
    if (creation_limit > 0) {
        --creation_limit;
    }
    return true;
}

void count_dd_object(int change) {
    live_objects += change;
}

void set_creation_limit_for_test(int count) {
    creation_limit = count < 0 ? -1 : count;
}

int live_dd_objects_for_test() {
    return live_objects;
}

ddraw_t::ddraw_t() : display_format_(pixel_format_of_depth(desktop_bits_per_pixel())) {
    count_dd_object(1);
}

ddraw_t::~ddraw_t() {
    // Surfaces the game still holds outlive the device here; they just stop reporting to it.
    for (dd_surface_t* s : surfaces_) {
        s->detach_owner();
    }
    leave_display_mode();
    count_dd_object(-1);
}

uint32_t ddraw_t::release() {
    delete this;
    return 0;
}

void ddraw_t::forget_surface(dd_surface_t* surface) {
    surfaces_.erase(std::remove(surfaces_.begin(), surfaces_.end(), surface), surfaces_.end());
}

hresult_t ddraw_t::create_surface(const surface_desc_t* desc, dd_surface_t** out, void*) {
    if (desc == nullptr || out == nullptr) {
        return dderr_invalidparams;
    }
    *out = nullptr;
    const uint32_t caps = (desc->flags & ddsd_caps) ? desc->caps : 0;
    uint32_t width = desc->width;
    uint32_t height = desc->height;
    if (caps & ddscaps_primarysurface) {
        if (desc->flags & (ddsd_width | ddsd_height)) {
            return dderr_invalidparams;
        }
        if (std::any_of(surfaces_.begin(), surfaces_.end(),
                        [](dd_surface_t* s) { return s->is_primary(); })) {
            return dderr_primarysurfacealreadyexists;
        }
        // The primary surface is the whole (virtual) screen: the desktop, or the display mode taken.
        width = mode_width_ != 0 ? mode_width_ : uint32_t(std::max(screen_width(), 1));
        height = mode_width_ != 0 ? mode_height_ : uint32_t(std::max(screen_height(), 1));
    } else if (!(desc->flags & ddsd_width) || !(desc->flags & ddsd_height) || width == 0 || height == 0) {
        return dderr_invalidparams;
    }
    constexpr uint32_t max_side = 16384;
    if (width > max_side || height > max_side || !creation_allowed()) {
        return dderr_outofmemory;
    }
    const pixel_format_t format = (desc->flags & ddsd_pixelformat) ? desc->pixel_format : display_format_;
    const uint32_t bpp = format.rgb_bit_count;
    if (bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        return dderr_invalidpixelformat;
    }
    try {
        auto* s = new dd_surface_t(this, width, height, format, caps);
        surfaces_.push_back(s);
        *out = s;
        return dd_ok;
    } catch (const std::bad_alloc&) {
        return dderr_outofmemory;
    }
}

hresult_t ddraw_t::create_clipper(uint32_t, dd_clipper_t** out, void*) {
    if (out == nullptr) {
        return dderr_invalidparams;
    }
    *out = nullptr;
    if (!creation_allowed()) {
        return dderr_outofmemory;
    }
    *out = new dd_clipper_t();
    return dd_ok;
}

hresult_t direct_draw_create_ex(ddraw_t** out) {
    if (out == nullptr) {
        return dderr_invalidparams;
    }
    *out = nullptr;
    if (!creation_allowed()) {
        return dderr_outofmemory;
    }
    *out = new ddraw_t();
    return dd_ok;
}

} // namespace plat
