// Device contexts: the window, screen, surface and memory contexts and their drawing state.
#include "platform/display.h"
#include "platform/gdi_internal.h"
#include "platform/present.h"
#include "platform/window.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace plat {

namespace {

std::vector<std::unique_ptr<device_context>>& contexts() {
    static std::vector<std::unique_ptr<device_context>> list;
    return list;
}

} // namespace

bool is_dc(hdc_t dc) {
    return dc != nullptr &&
           std::any_of(contexts().begin(), contexts().end(), [dc](const auto& p) { return p.get() == dc; });
}

hdc_t new_dc(device_context::kind_t kind) {
    auto dc = std::make_unique<device_context>();
    dc->kind = kind;
    dc->font = get_stock_object(system_font);
    if (kind == device_context::kind_t::memory) {
        dc->bitmap = default_bitmap();
    }
    contexts().push_back(std::move(dc));
    return contexts().back().get();
}

void free_dc(hdc_t dc) {
    if (dc->bitmap != nullptr && !dc->bitmap->stock) {
        dc->bitmap->selected_into = nullptr;
    }
    auto& list = contexts();
    list.erase(std::remove_if(list.begin(), list.end(), [dc](const auto& p) { return p.get() == dc; }),
               list.end());
}

pixel_view_t view_of(hdc_t dc) {
    switch (dc->kind) {
    case device_context::kind_t::window:
        return window_canvas(dc->window);
    case device_context::kind_t::surface:
        return view_of(dc->surface);
    case device_context::kind_t::memory:
        return dc->bitmap->view();
    default:
        return {};
    }
}

hdc_t create_surface_dc(dd_surface_t* surface) {
    hdc_t dc = new_dc(device_context::kind_t::surface);
    dc->surface = surface;
    return dc;
}

hdc_t get_dc(hwnd_t window) {
    if (window == nullptr) {
        return new_dc(device_context::kind_t::screen);
    }
    if (!is_window(window)) {
        return nullptr;
    }
    hdc_t dc = new_dc(device_context::kind_t::window);
    dc->window = window;
    return dc;
}

int release_dc(hwnd_t window, hdc_t dc) {
    if (!is_dc(dc) || dc->window != window ||
        (dc->kind != device_context::kind_t::window && dc->kind != device_context::kind_t::screen)) {
        return 0;
    }
    if (dc->kind == device_context::kind_t::window && is_window(window)) {
        present_window(window);
    }
    free_dc(dc);
    return 1;
}

hdc_t create_compatible_dc(hdc_t dc) {
    if (dc != nullptr && !is_dc(dc)) {
        return nullptr;
    }
    return new_dc(device_context::kind_t::memory);
}

bool delete_dc(hdc_t dc) {
    if (!is_dc(dc) || dc->kind != device_context::kind_t::memory) {
        return false;
    }
    free_dc(dc);
    return true;
}

int get_device_caps(hdc_t dc, int index) {
    if (!is_dc(dc)) {
        return 0;
    }
    constexpr int pixels_per_inch = 96;
    switch (index) {
    case bitspixel:
        return desktop_bits_per_pixel();
    case planes:
        return 1;
    case logpixelsy:
        return pixels_per_inch;
    default:
        return 0;
    }
}

int set_bk_mode(hdc_t dc, int mode) {
    if (!is_dc(dc) || (mode != transparent && mode != opaque)) {
        return 0;
    }
    return std::exchange(dc->bk_mode, mode);
}

colorref_t set_bk_color(hdc_t dc, colorref_t colour) {
    return is_dc(dc) ? std::exchange(dc->bk_color, colour & 0xFFFFFF) : clr_invalid;
}

colorref_t set_text_color(hdc_t dc, colorref_t colour) {
    return is_dc(dc) ? std::exchange(dc->text_color, colour & 0xFFFFFF) : clr_invalid;
}

} // namespace plat
