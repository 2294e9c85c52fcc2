#include "screen/vscreen.h"

#include "base/failure.h"
#include "umlib/draw.h"
#include "umlib/surface.h"

namespace {

struct layer_size_t {
    int32_t width;
    int32_t height;
};

constexpr layer_size_t layer_sizes[] = {{512, 512}, {512, 256}, {256, 256}};

} // namespace

vscreen_t::vscreen_t(umlib::draw_t* device, int size_code) {
    if (size_code < 0 || size_code > 2 || device == nullptr) {
        throw construction_error_t("layer size code or device");
    }
    width = layer_sizes[size_code].width;
    height = layer_sizes[size_code].height;
    owner = device;
    umlib::surface_t* made = owner->create_offscreen(width, height);
    if (made == nullptr) {
        throw construction_error_t("layer surface");
    }
    prepare(made);
}

vscreen_t::vscreen_t(umlib::surface_t* wrapped) {
    prepare(wrapped);
}

// Black is every layer's transparent colour and its starting picture.
void vscreen_t::prepare(umlib::surface_t* made) {
    surface = made;
    surface->set_color_key(0);
    plat::blt_fx_t fx;
    fx.fill_color = 0;
    surface->surface->blt(nullptr, nullptr, nullptr, plat::ddblt_colorfill | plat::ddblt_wait, &fx);
    full_rect = clip = surface->rect;
}

vscreen_t::~vscreen_t() {
    if (owner != nullptr) {
        owner->destroy_object(surface);
        surface = nullptr;
    }
}

plat::hresult_t vscreen_t::clear(uint32_t colour) {
    plat::blt_fx_t fx;
    fx.fill_color = colour;
    const plat::hresult_t hr =
        surface->surface->blt(&clip, nullptr, nullptr, plat::ddblt_colorfill | plat::ddblt_wait, &fx);
    dirty = 0;
    return hr;
}

bool vscreen_t::is_dirty() {
    return dirty != 0;
}

void vscreen_t::lock() {
    if (!locked) {
        lock_desc = plat::surface_desc_t{};
        locked = surface->surface->lock(nullptr, &lock_desc, plat::ddlock_wait, nullptr) == plat::dd_ok;
    }
}

void vscreen_t::unlock() {
    if (locked) {
        locked = surface->surface->unlock(nullptr) != plat::dd_ok;
    }
}

namespace {

template <class Pixel>
bool any_set(const plat::surface_desc_t& d, uint32_t x, uint32_t y, int32_t w, int32_t h, uint32_t wmask,
             uint32_t hmask) {
    const auto* base = static_cast<const uint8_t*>(d.surface);
    for (int32_t i = 0; i < h; ++i) {
        const uint32_t row = (y + uint32_t(i)) & hmask;
        // A layer around a surface has no size to wrap by: what lies outside its surface is empty.
        if (row >= d.height) {
            continue;
        }
        const auto* line = reinterpret_cast<const Pixel*>(base + size_t(row) * uint32_t(d.pitch));
        for (int32_t j = 0; j < w; ++j) {
            const uint32_t col = (x + uint32_t(j)) & wmask;
            if (col < d.width && line[col] != 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool vscreen_t::hit_test(int32_t x, int32_t y, int32_t w, int32_t h) const {
    if (!locked || w <= 0 || h <= 0) {
        return false;
    }
    const uint32_t wmask = uint32_t(width) - 1;
    const uint32_t hmask = uint32_t(height) - 1;
    switch (lock_desc.pixel_format.rgb_bit_count) {
    case 16:
        return any_set<uint16_t>(lock_desc, uint32_t(x), uint32_t(y), w, h, wmask, hmask);
    case 32:
        return any_set<uint32_t>(lock_desc, uint32_t(x), uint32_t(y), w, h, wmask, hmask);
    default:
        return false;
    }
}
