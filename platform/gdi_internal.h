// What the stand-in keeps behind GDI handles: the objects (bitmaps, fonts, brushes) and the device
// contexts, and how a context reaches its pixels. Shared by the GDI, surface and presentation code.
#pragma once

#include "platform/gdi.h"
#include "platform/gdi_pixels.h"

#include <memory>
#include <vector>

namespace plat {

struct gdi_object {
    virtual ~gdi_object() = default;
    bool stock = false;
};

struct gdi_bitmap : gdi_object {
    bitmap_info_header_t header;
    std::vector<rgb_quad_t> palette;
    pixel_layout_t layout;
    int32_t stride = 0;
    std::vector<uint8_t> bits;
    device_context* selected_into = nullptr;

    pixel_view_t view();
};

struct gdi_font : gdi_object {
    log_font_t description;
};

struct gdi_brush : gdi_object {
    colorref_t colour = 0;
};

struct device_context {
    enum class kind_t { screen, window, surface, memory };
    kind_t kind = kind_t::screen;
    hwnd_t window = nullptr;
    dd_surface_t* surface = nullptr;
    gdi_bitmap* bitmap = nullptr; // memory contexts: the selected bitmap, never null
    hfont_t font = nullptr;
    int bk_mode = opaque;
    colorref_t bk_color = 0xFFFFFF;
    colorref_t text_color = 0;
};

bool is_gdi_object(hgdiobj_t object);
// Registers a new object; its handle lives until delete_object.
hgdiobj_t keep(std::unique_ptr<gdi_object> object);
std::unique_ptr<gdi_bitmap> make_dib(const bitmap_info_t& info);
// The 1x1 bitmap a fresh memory context holds, which selects the game's bitmap out again.
gdi_bitmap* default_bitmap();

bool is_dc(hdc_t dc);
hdc_t new_dc(device_context::kind_t kind);
void free_dc(hdc_t dc);
// The pixels a context draws on; invalid for the screen's context and a memory context without a bitmap.
pixel_view_t view_of(hdc_t dc);

// A surface's context, made and ended by dd_surface_t::get_dc and release_dc.
hdc_t create_surface_dc(dd_surface_t* surface);

} // namespace plat
