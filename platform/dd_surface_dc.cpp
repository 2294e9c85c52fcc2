// A surface as GDI and the screen see it: its device context, and showing the primary surface.
#include "platform/ddraw.h"
#include "platform/gdi_internal.h"
#include "platform/present.h"

namespace plat {

hwnd_t dd_surface_t::window() const {
    if (clipper_ != nullptr && clipper_->hwnd() != nullptr) {
        return clipper_->hwnd();
    }
    return owner_ != nullptr ? owner_->exclusive_window() : nullptr;
}

void dd_surface_t::shown_if_primary() {
    if (is_primary()) {
        present_primary(this);
    }
}

hresult_t dd_surface_t::busy_or_lost() {
    if (is_lost() != dd_ok) {
        return dderr_surfacelost;
    }
    return locked() || dc_ != nullptr ? dderr_surfacebusy : dd_ok;
}

hresult_t dd_surface_t::get_dc(hdc_t* dc) {
    if (dc == nullptr) {
        return dderr_invalidparams;
    }
    *dc = nullptr;
    if (dc_ != nullptr) {
        return dderr_dcalreadycreated;
    }
    if (const hresult_t hr = busy_or_lost(); hr != dd_ok) {
        return hr;
    }
    dc_ = create_surface_dc(this);
    *dc = dc_;
    return dd_ok;
}

hresult_t dd_surface_t::release_dc(hdc_t dc) {
    if (dc == nullptr || dc != dc_) {
        return dderr_invalidparams;
    }
    free_dc(dc_);
    dc_ = nullptr;
    shown_if_primary();
    return dd_ok;
}

} // namespace plat
