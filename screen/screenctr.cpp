#include "screen/screenctr.h"

#include "base/bootlog.h"
#include "base/failure.h"
#include "base/strformat.h"
#include "platform/gdi.h"
#include "platform/window.h"
#include "screen/bg.h"
#include "screen/fade.h"
#include "screen/vscreen.h"
#include "umlib/dderr.h"
#include "umlib/draw.h"
#include "umlib/pixel_formats.h"
#include "umlib/surface.h"

screenctr_t g_screenctr;

namespace {

constexpr int32_t back_buffer_size = 256;
// Rows 8 to 247 of the back buffer are the picture.
constexpr plat::rect_t visible_area{0, 8, 256, 248};
// The four background layers: two of 512 x 512, one of 512 x 256, one of 256 x 256.
constexpr int layer_size_codes[background_layer_count] = {0, 0, 1, 2};
constexpr int cg_size_code = 2;

struct display_t {
    int32_t width;
    int32_t height;
    int32_t bits;
};

display_t desktop_display() {
    plat::hdc_t screen = plat::get_dc(nullptr);
    const int32_t bits =
        plat::get_device_caps(screen, plat::bitspixel) * plat::get_device_caps(screen, plat::planes);
    plat::release_dc(nullptr, screen);
    return {plat::screen_width(), plat::screen_height(), bits};
}

display_t mode_display(int32_t mode) {
    return {(mode >> 12) & 0xFFF, mode & 0xFFF, (mode >> 24) & 0xFF};
}

void clear_surface(umlib::surface_t* surface) {
    plat::blt_fx_t fx;
    fx.fill_color = 0;
    surface->surface->blt(nullptr, nullptr, nullptr, plat::ddblt_colorfill | plat::ddblt_wait, &fx);
}

void log_display(const display_t& d, const umlib::draw_t& presenter) {
    const umlib::pixel_format_record_t& f = umlib::pixel_format;
    const plat::rect_t& s = presenter.src;
    const plat::rect_t& t = presenter.dst;
    bootlog_progress(strformat(
        "%dx%d %dbpp モードで初期化しました\n\nピクセル情報\n  bit  R:%d G:%d B:%d\n  msk  R:0x%08X G:0x%08X "
        "B:0x%08X\n  shf  R:%d G:%d B:%d\n  max  R:%d G:%d B:%d\n転送領域\n  src: %3d, %3d, %3d, %3d\n  dst: "
        "%3d, %3d, %3d, %3d\n",
        d.width, d.height, d.bits, f.red_width, f.green_width, f.blue_width, f.red_mask, f.green_mask,
        f.blue_mask, f.red_shift, f.green_shift, f.blue_shift, f.red_max, f.green_max, f.blue_max, s.left,
        s.top, s.right, s.bottom, t.left, t.top, t.right, t.bottom));
}

} // namespace

screenctr_t::screenctr_t() {
    reset();
}

screenctr_t::~screenctr_t() {
    destroy();
}

void screenctr_t::reset() {
    presenter = nullptr;
    mg = nullptr;
    cg = nullptr;
    for (int i = 0; i < background_layer_count; ++i) {
        layers[i] = nullptr;
        saved_layers[i] = nullptr;
    }
    scroll_pos_x = scroll_pos_y = 0;
    mode = 0;
    blit_scale = 1;
    progress = nullptr;
}

bool screenctr_t::create(plat::hwnd_t window, int32_t display_mode, int32_t scale) {
    mode = display_mode;
    blit_scale = scale;
    const display_t display = mode == 0 ? desktop_display() : mode_display(mode);
    try {
        if (mode == 0) {
            presenter = new umlib::draw_normal_t(window, back_buffer_size, back_buffer_size);
        } else {
            presenter = new umlib::draw_fullscreen_t(window, display.width, display.height, display.bits,
                                                     back_buffer_size, back_buffer_size);
        }
    } catch (const construction_error_t&) {
        bootlog_error(umlib::g_last_error_message);
        bootlog_error(umlib::dderr_name(umlib::g_last_error_code));
        bootlog_error("DirectDrawオブジェクトの作成に失敗しました");
        destroy();
        return false;
    }
    update_view();
    log_display(display, *presenter);
    clear_surface(presenter->primary);
    clear_surface(presenter->back);
    g_sprite_table = sprites;
    if (!create_layers()) {
        bootlog_error("仮想スクリーンの作成に失敗しました");
        destroy();
        return false;
    }
    mg->clip = visible_area;
    return true;
}

bool screenctr_t::create_layers() {
    try {
        mg = new mg_t(presenter->back);
        cg = new cg_t(presenter, cg_size_code);
        for (int i = 0; i < background_layer_count; ++i) {
            saved_layers[i] = new bg_t(presenter, layer_size_codes[i]);
        }
    } catch (const construction_error_t&) {
        return false;
    }
    restore_layers();
    return true;
}

void screenctr_t::destroy() {
    if (presenter != nullptr) {
        // The layers as created: the slots may not hold them all yet when creation failed half-way.
        for (bg_t* layer : saved_layers) {
            delete layer;
        }
        delete cg;
        delete mg;
        release_sprites();
        delete presenter;
    }
    reset();
}

void screenctr_t::update_view() {
    if (presenter != nullptr) {
        presenter->set_view(&visible_area, blit_scale, true);
    }
}

void screenctr_t::clear_layers() {
    vscreen_t* const order[] = {layers[0], layers[1], layers[2], layers[3], cg, mg};
    for (vscreen_t* layer : order) {
        if (layer != nullptr && layer->is_dirty()) {
            layer->clear(0);
        }
    }
}

void screenctr_t::fade(uint32_t colour, int32_t weight) {
    if (mg == nullptr) {
        return;
    }
    if (pixel_format_code == blend::format_565::code) {
        fade_area_565(mg->surface, mg->clip, colour, weight);
    } else if (weight == 256) {
        plat::blt_fx_t fx;
        fx.fill_color = colour;
        mg->surface->surface->blt(&mg->clip, nullptr, nullptr, plat::ddblt_colorfill | plat::ddblt_wait, &fx);
    } else if (weight != 0) {
        fade_area(pixel_format_code, mg->surface, mg->clip, colour, weight);
    }
}

void screenctr_t::present() {
    if (presenter != nullptr) {
        presenter->umlib::draw_t::blt_back_to_primary();
    }
}
