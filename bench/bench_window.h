// The hidden window that the benchmarks' screens are made on, created once per program.
#pragma once

#include "platform/window.h"

inline plat::hwnd_t bench_window(const char* class_name) {
    static plat::hwnd_t window = [class_name] {
        plat::window_class_t wc;
        wc.class_name = class_name;
        wc.window_proc = plat::def_window_proc;
        plat::register_class(wc);
        plat::create_struct_t cs;
        cs.class_name = wc.class_name;
        cs.style = plat::ws_popup;
        cs.cx = cs.cy = 512;
        return plat::create_window(cs);
    }();
    return window;
}
