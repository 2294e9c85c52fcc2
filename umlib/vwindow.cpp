#include "umlib/vwindow.h"

#include "platform/dialogs.h"

namespace umlib {

vwindow_t::vwindow_t(vwindow_t* parent) : parent_(parent) {}

vwindow_t::~vwindow_t() = default;

void vwindow_t::attach(plat::hwnd_t handle) {
    handle_ = handle;
}

plat::hwnd_t vwindow_t::handle() const {
    return handle_;
}

plat::hwnd_t vwindow_t::set_parent(vwindow_t* parent) {
    plat::hwnd_t result = plat::set_parent(handle_, parent != nullptr ? parent->handle() : nullptr);
    if (result != nullptr) {
        parent_ = parent;
    }
    return result;
}

vwindow_t* vwindow_t::parent() const {
    return parent_;
}

bool vwindow_t::set_text(const char* text) {
    return plat::set_window_text(handle_, text != nullptr ? text : "");
}

std::string vwindow_t::text() const {
    return plat::get_window_text(handle_);
}

int vwindow_t::text_length() const {
    return int(plat::get_window_text(handle_).size());
}

bool vwindow_t::is_enabled() const {
    return plat::is_window_enabled(handle_);
}

bool vwindow_t::enable(bool enable) {
    return plat::enable_window(handle_, enable);
}

bool vwindow_t::show(bool show) {
    return plat::show_window(handle_, show);
}

bool vwindow_t::move(int32_t x, int32_t y, int32_t width, int32_t height) {
    return plat::move_window(handle_, x, y, width, height, true);
}

plat::lresult_t vwindow_t::send(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam) {
    return plat::send_message(handle_, message, wparam, lparam);
}

bool vwindow_t::post(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam) {
    return plat::post_message(handle_, message, wparam, lparam);
}

void vwindow_t::show_system_error(const char* caption, uint32_t error_code) {
    message_box(plat::system_error_text(error_code).c_str(), caption, plat::mb_iconerror);
}

int vwindow_t::message_box(const char* text, const char* caption, uint32_t type) {
    const std::string title = caption != nullptr ? std::string(caption) : this->text();
    return plat::message_box(handle_, text != nullptr ? text : "", title, type);
}

bool vwindow_t::is_valid() const {
    return true;
}

} // namespace umlib
