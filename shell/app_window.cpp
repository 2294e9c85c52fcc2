#include "shell/app_window.h"

#include "scenes/display_mode.h"
#include "shell/product.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int32_t back_buffer_size = 256;

} // namespace

app_window_t::app_window_t(int32_t screen_mode, int32_t blit_scale)
    : screen_mode_(screen_mode), blit_scale_(blit_scale) {
    if (!windowed()) {
        plat::show_cursor(false);
    }
}

app_window_t::~app_window_t() {
    if (!windowed()) {
        plat::show_cursor(true);
    }
}

bool app_window_t::set_text(const char* text) {
    std::string title = title_text();
    if (text != nullptr) {
        title += std::string(" - [") + text + "]";
    }
    return umlib::base_window_t::set_text(title.c_str());
}

void app_window_t::set_key_handler(key_handler_t handler) {
    key_handler_ = std::move(handler);
}

void app_window_t::set_view_handler(view_handler_t handler) {
    view_handler_ = std::move(handler);
}

void app_window_t::window_class(plat::window_class_t& wc) {
    umlib::base_window_t::window_class(wc);
    wc.class_name = "app_window_t";
    wc.background = plat::black_brush_color;
}

void app_window_t::create_params(plat::create_struct_t& cs) {
    umlib::base_window_t::create_params(cs);
    cs.x = 0;
    cs.y = 0;
    cs.cx = plat::screen_width();
    cs.cy = plat::screen_height();
    if (windowed()) {
        cs.style &= ~(plat::ws_thickframe | plat::ws_maximizebox);
    } else {
        cs.style = plat::ws_popup;
        cs.ex_style = plat::ws_ex_topmost;
    }
}

// Sizes the window so that its client area is 256*s square and centres it on the screen, even when it is
// larger than the screen. The stored scale comes from the configuration file, so it is bounded first.
void app_window_t::fit_client_area() {
    plat::rect_t outer;
    plat::rect_t client;
    plat::get_window_rect(handle(), &outer);
    plat::get_client_rect(handle(), &client);
    const int32_t frame_width = (outer.right - outer.left) - (client.right - client.left);
    const int32_t frame_height = (outer.bottom - outer.top) - (client.bottom - client.top);
    const int32_t s = std::clamp(blit_scale_, 1, max_blt_scale);
    const int32_t width = back_buffer_size * s + frame_width;
    const int32_t height = back_buffer_size * s + frame_height;
    move((plat::screen_width() - width) / 2, (plat::screen_height() - height) / 2, width, height);
}

plat::lresult_t app_window_t::window_proc(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam) {
    switch (message) {
    case plat::wm_create:
        if (windowed()) {
            fit_client_area();
        }
        return 0;
    case plat::wm_destroy:
        plat::post_quit_message(0);
        return 0;
    case plat::wm_move:
    case plat::wm_size:
        if (windowed() && view_handler_) {
            view_handler_();
        }
        return 0;
    case plat::wm_activateapp:
        active_ = wparam != 0;
        return 0;
    case plat::wm_nchittest: {
        const plat::lresult_t hit = umlib::base_window_t::window_proc(message, wparam, lparam);
        return windowed() && hit == plat::ht_client ? plat::ht_caption : hit;
    }
    case plat::wm_keydown:
        if (key_handler_) {
            key_handler_(int32_t(wparam));
        }
        return 0;
    default:
        return umlib::base_window_t::window_proc(message, wparam, lparam);
    }
}
