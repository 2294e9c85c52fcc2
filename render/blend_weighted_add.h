// The weighted add that repairs background layers: source plus weight/256 of the destination, saturating
// per channel, on the blend blitters' frame in the primary surface's format.
#pragma once

#include "render/blend_kinds.h"
#include "render/blend_vector.h"
#include "umlib/surface.h"

#include <algorithm>
#include <cstdint>

namespace blend {

// The destination's channels are scaled first and then added to the source's with the saturating add of
// kind E; both operands have their spare bits cleared, so the result's are 0. Weights are held to 0..256,
// the range in which a scaled channel stays within its field.
struct weighted_add_rule {
    explicit weighted_add_rule(int32_t w) : weight(std::clamp(w, 0, 256)) {}

    template <class F, class W> W operator()(F, W s, W d) const {
        if constexpr (!F::has_channels) {
            return W(0u);
        } else {
            const int32_t w = weight;
            const W scaled = per_channel<F>(d, d, [w](W, W dc) { return times_weight(dc, w) >> 8; });
            return add_rule{}(F{}, s & W(F::red_mask | F::green_mask | F::blue_mask), scaled);
        }
    }

    int32_t weight;
};

#if defined(__SSE2__)
// The saturating sum needs the carry out of bit 15, so 16-bit pixels are widened to 32-bit lanes.
template <> constexpr bool fits_16_bit_lanes<weighted_add_rule> = false;
#endif

} // namespace blend

// The routine of the primary surface's format; any other format draws nothing and returns dd_ok.
plat::hresult_t blend_blit_weighted_add(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                        int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                        int32_t weight);
