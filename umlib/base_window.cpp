#include "umlib/base_window.h"

namespace umlib {

namespace {

// Window extra word 0 holds the object that owns the window.
constexpr int object_slot = 0;

} // namespace

base_window_t::base_window_t() : vwindow_t(nullptr) {}

base_window_t::~base_window_t() {
    // The window may outlive its object; later messages must not reach the deleted object.
    if (plat::is_window(handle())) {
        plat::set_window_long(handle(), object_slot, 0);
    }
}

bool base_window_t::create(const char* title) {
    const std::string class_name = register_class();
    plat::create_struct_t cs;
    create_params(cs);
    cs.class_name = class_name;
    cs.name = title != nullptr ? title : "";
    return create_window(cs);
}

bool base_window_t::destroy() {
    return plat::destroy_window(handle());
}

void base_window_t::window_class(plat::window_class_t& wc) {
    wc.style = plat::cs_hredraw | plat::cs_vredraw;
    wc.window_proc = static_window_proc;
    wc.window_extra = int32_t(sizeof(base_window_t*));
    wc.background = plat::system_window_color;
    wc.class_name = "umlib::base_window_t";
}

void base_window_t::create_params(plat::create_struct_t& cs) {
    cs.create_params = this;
    cs.parent = parent() != nullptr ? parent()->handle() : nullptr;
    cs.x = cs.y = cs.cx = cs.cy = plat::cw_usedefault;
    cs.style = plat::ws_overlappedwindow;
    cs.name.clear();
    cs.class_name.clear();
    cs.ex_style = 0;
}

std::string base_window_t::register_class() {
    plat::window_class_t wc;
    window_class(wc);
    plat::register_class(wc); // a class registered earlier under this name stays in force
    return wc.class_name;
}

bool base_window_t::create_window(const plat::create_struct_t& cs) {
    attach(plat::create_window(cs));
    return handle() != nullptr;
}

plat::lresult_t base_window_t::dispatch(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam) {
    return window_proc(message, wparam, lparam);
}

plat::lresult_t base_window_t::window_proc(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam) {
    return plat::def_window_proc(handle(), message, wparam, lparam);
}

plat::lresult_t base_window_t::static_window_proc(plat::hwnd_t window, uint32_t message,
                                                  plat::wparam_t wparam, plat::lparam_t lparam) {
    base_window_t* object = nullptr;
    if (message == plat::wm_create) {
        const auto* cs = reinterpret_cast<const plat::create_struct_t*>(lparam);
        object = static_cast<base_window_t*>(cs->create_params);
        if (object != nullptr) {
            object->attach(window);
            plat::set_window_long(window, object_slot, reinterpret_cast<intptr_t>(object));
        }
    } else {
        object = reinterpret_cast<base_window_t*>(plat::get_window_long(window, object_slot));
    }
    if (object != nullptr) {
        return object->dispatch(message, wparam, lparam);
    }
    return plat::def_window_proc(window, message, wparam, lparam);
}

} // namespace umlib
