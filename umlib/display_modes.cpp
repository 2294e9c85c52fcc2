#include "umlib/display_modes.h"

#include <vector>

namespace umlib {

namespace {

struct enum_context_t {
    plat::surface_desc_t* out;
    int max;
    int count;
};

plat::hresult_t store_mode(plat::surface_desc_t* desc, void* context) {
    auto* c = static_cast<enum_context_t*>(context);
    if (c->count >= c->max) {
        return plat::ddenumret_cancel;
    }
    c->out[c->count++] = *desc;
    return c->count < c->max ? plat::ddenumret_ok : plat::ddenumret_cancel;
}

} // namespace

int enum_display_modes(plat::surface_desc_t* out, int max) {
    plat::ddraw_t* ddraw = nullptr;
    if (out == nullptr || max <= 0 || plat::failed(plat::direct_draw_create_ex(&ddraw))) {
        return 0;
    }
    enum_context_t context{out, max, 0};
    ddraw->enum_display_modes(plat::ddedm_refreshrates, nullptr, &context, store_mode);
    ddraw->release();
    return context.count;
}

bool mode_exists(int width, int height, int bits_per_pixel) {
    constexpr int max_modes = 32;
    std::vector<plat::surface_desc_t> modes(max_modes);
    const int n = enum_display_modes(modes.data(), max_modes);
    for (int i = 0; i < n; ++i) {
        if (int(modes[size_t(i)].width) == width && int(modes[size_t(i)].height) == height &&
            int(modes[size_t(i)].pixel_format.rgb_bit_count) == bits_per_pixel) {
            return true;
        }
    }
    return false;
}

} // namespace umlib
