#include "tests/support/test_window.h"

test_window_t::test_window_t(int32_t x, int32_t y, int32_t width, int32_t height) {
    plat::window_class_t wc;
    wc.class_name = "test_plain_window";
    wc.window_proc = plat::def_window_proc;
    plat::register_class(wc);
    plat::create_struct_t cs;
    cs.class_name = wc.class_name;
    cs.style = plat::ws_popup;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    hwnd_ = plat::create_window(cs);
    plat::show_window(hwnd_, true); // as the game's window is before anything draws on it
}

test_window_t::~test_window_t() {
    plat::destroy_window(hwnd_);
}
