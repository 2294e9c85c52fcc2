// Clippers: a window whose client area bounds what blits draw on the surface holding the clipper.
#include "platform/ddraw.h"
#include "platform/ddraw_internal.h"
#include "platform/window.h"

namespace plat {

dd_clipper_t::dd_clipper_t() {
    count_dd_object(1);
}

dd_clipper_t::~dd_clipper_t() {
    count_dd_object(-1);
}

uint32_t dd_clipper_t::add_ref() {
    return ++refs_;
}

uint32_t dd_clipper_t::release() {
    const uint32_t left = --refs_;
    if (left == 0) {
        delete this;
    }
    return left;
}

hresult_t dd_clipper_t::set_hwnd(uint32_t, hwnd_t window) {
    if (window != nullptr && !is_window(window)) {
        return dderr_invalidparams;
    }
    window_ = window;
    return dd_ok;
}

hresult_t dd_surface_t::set_clipper(dd_clipper_t* clipper) {
    if (clipper != nullptr) {
        clipper->add_ref();
    }
    if (clipper_ != nullptr) {
        clipper_->release();
    }
    clipper_ = clipper;
    return dd_ok;
}

} // namespace plat
