// Memory surfaces: pixel storage, locking, description, the source colour key and loss.
#include "platform/ddraw.h"
#include "platform/ddraw_internal.h"
#include "platform/gdi_internal.h"
#include "platform/present.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace plat {

namespace {
// Rows start on cache-line boundaries, so that the blitters' widest registers do not straddle two lines.
constexpr int32_t row_alignment = 64;
} // namespace

void dd_surface_t::free_aligned::operator()(uint8_t* p) const {
    std::free(p);
}

dd_surface_t::dd_surface_t(ddraw_t* owner, uint32_t width, uint32_t height, const pixel_format_t& format,
                           uint32_t caps)
    : owner_(owner), width_(width), height_(height), format_(format), caps_(caps) {
    const int32_t row_bytes = int32_t(width) * int32_t(format.rgb_bit_count / 8);
    pitch_ = (row_bytes + row_alignment - 1) / row_alignment * row_alignment;
    const size_t bytes = size_t(pitch_) * height + row_alignment;
    auto* p = static_cast<uint8_t*>(
        std::aligned_alloc(row_alignment, (bytes + row_alignment - 1) / row_alignment * row_alignment));
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    std::memset(p, 0, bytes);
    pixels_.reset(p);
    count_dd_object(1);
}

dd_surface_t::~dd_surface_t() {
    if (is_primary()) {
        forget_primary(this);
    }
    if (clipper_ != nullptr) {
        clipper_->release();
    }
    if (owner_ != nullptr) {
        owner_->forget_surface(this);
    }
    if (dc_ != nullptr) {
        free_dc(dc_);
    }
    count_dd_object(-1);
}

uint32_t dd_surface_t::add_ref() {
    return ++refs_;
}

uint32_t dd_surface_t::release() {
    const uint32_t left = --refs_;
    if (left == 0) {
        delete this;
    }
    return left;
}

hresult_t dd_surface_t::lock(const rect_t* area, surface_desc_t* desc, uint32_t, void*) {
    if (desc == nullptr) {
        return dderr_invalidparams;
    }
    if (is_lost() != dd_ok) {
        return dderr_surfacelost;
    }
    if (dc_ != nullptr) {
        return dderr_surfacebusy;
    }
    uint8_t* first = pixels();
    if (area != nullptr) {
        if (area->left < 0 || area->top < 0 || area->right > int32_t(width_) ||
            area->bottom > int32_t(height_) || area->left > area->right || area->top > area->bottom) {
            return dderr_invalidrect;
        }
        first += size_t(area->top) * pitch_ + size_t(area->left) * bytes_per_pixel();
    }
    get_surface_desc(desc);
    desc->surface = first;
    ++lock_count_;
    return dd_ok;
}

hresult_t dd_surface_t::unlock(const rect_t*) {
    if (lock_count_ == 0) {
        return dderr_notlocked;
    }
    if (--lock_count_ == 0) {
        shown_if_primary();
    }
    return dd_ok;
}

hresult_t dd_surface_t::get_surface_desc(surface_desc_t* desc) const {
    if (desc == nullptr) {
        return dderr_invalidparams;
    }
    desc->flags = ddsd_caps | ddsd_height | ddsd_width | ddsd_pitch | ddsd_pixelformat |
                  (has_src_key_ ? ddsd_cksrcblt : 0);
    desc->width = width_;
    desc->height = height_;
    desc->pitch = pitch_;
    desc->surface = nullptr; // only a lock hands out the pixels
    desc->ck_src_blt = src_key_;
    desc->pixel_format = format_;
    desc->caps = caps_;
    return dd_ok;
}

hresult_t dd_surface_t::get_pixel_format(pixel_format_t* format) const {
    if (format == nullptr) {
        return dderr_invalidparams;
    }
    *format = format_;
    return dd_ok;
}

hresult_t dd_surface_t::set_color_key(uint32_t flags, const color_key_t* key) {
    if (flags != ddckey_srcblt) {
        return dderr_unsupported;
    }
    if (key == nullptr) {
        has_src_key_ = false;
        src_key_ = {};
        return dd_ok;
    }
    src_key_ = *key;
    has_src_key_ = true;
    return dd_ok;
}

hresult_t dd_surface_t::get_color_key(uint32_t flags, color_key_t* key) const {
    if (flags != ddckey_srcblt || key == nullptr) {
        return dderr_invalidparams;
    }
    if (!has_src_key_) {
        return dderr_nocolorkey;
    }
    *key = src_key_;
    return dd_ok;
}

hresult_t dd_surface_t::is_lost() const {
    if (owner_ != nullptr && is_primary()) {
        owner_->watch_focus();
    }
    return lost_ ? dderr_surfacelost : dd_ok;
}

hresult_t dd_surface_t::restore() {
    lost_ = false;
    return dd_ok;
}

} // namespace plat
