#include "render/blend_weighted_add.h"

#include "render/blend_frame.h"

namespace {

template <class F>
plat::hresult_t weighted_add(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                             umlib::surface_t* source, const plat::rect_t* source_rect, int32_t weight) {
    return blend::blit<F>(blend::weighted_add_rule(weight), destination, clip, x, y, source, source_rect);
}

} // namespace

plat::hresult_t blend_blit_weighted_add_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                          int32_t y, umlib::surface_t* source,
                                          const plat::rect_t* source_rect, int32_t weight) {
    return weighted_add<blend::format_8>(destination, clip, x, y, source, source_rect, weight);
}

plat::hresult_t blend_blit_weighted_add_565(umlib::surface_t* destination, const plat::rect_t* clip,
                                            int32_t x, int32_t y, umlib::surface_t* source,
                                            const plat::rect_t* source_rect, int32_t weight) {
    return weighted_add<blend::format_565>(destination, clip, x, y, source, source_rect, weight);
}

plat::hresult_t blend_blit_weighted_add_a555(umlib::surface_t* destination, const plat::rect_t* clip,
                                             int32_t x, int32_t y, umlib::surface_t* source,
                                             const plat::rect_t* source_rect, int32_t weight) {
    return weighted_add<blend::format_a555>(destination, clip, x, y, source, source_rect, weight);
}

plat::hresult_t blend_blit_weighted_add_555a(umlib::surface_t* destination, const plat::rect_t* clip,
                                             int32_t x, int32_t y, umlib::surface_t* source,
                                             const plat::rect_t* source_rect, int32_t weight) {
    return weighted_add<blend::format_555a>(destination, clip, x, y, source, source_rect, weight);
}

plat::hresult_t blend_blit_weighted_add_a444(umlib::surface_t* destination, const plat::rect_t* clip,
                                             int32_t x, int32_t y, umlib::surface_t* source,
                                             const plat::rect_t* source_rect, int32_t weight) {
    return weighted_add<blend::format_a444>(destination, clip, x, y, source, source_rect, weight);
}

plat::hresult_t blend_blit_weighted_add_444a(umlib::surface_t* destination, const plat::rect_t* clip,
                                             int32_t x, int32_t y, umlib::surface_t* source,
                                             const plat::rect_t* source_rect, int32_t weight) {
    return weighted_add<blend::format_444a>(destination, clip, x, y, source, source_rect, weight);
}

plat::hresult_t blend_blit_weighted_add_a888(umlib::surface_t* destination, const plat::rect_t* clip,
                                             int32_t x, int32_t y, umlib::surface_t* source,
                                             const plat::rect_t* source_rect, int32_t weight) {
    return weighted_add<blend::format_a888>(destination, clip, x, y, source, source_rect, weight);
}

plat::hresult_t blend_blit_weighted_add_888a(umlib::surface_t* destination, const plat::rect_t* clip,
                                             int32_t x, int32_t y, umlib::surface_t* source,
                                             const plat::rect_t* source_rect, int32_t weight) {
    return weighted_add<blend::format_888a>(destination, clip, x, y, source, source_rect, weight);
}

plat::hresult_t blend_blit_weighted_add(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                        int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                        int32_t weight) {
    using routine_t = decltype(&blend_blit_weighted_add_8);
    struct variant_t {
        int32_t code;
        routine_t routine;
    };
    // In the order every caller tries the formats.
    static constexpr variant_t variants[] = {
        {8, blend_blit_weighted_add_8},         {0x565, blend_blit_weighted_add_565},
        {0xA555, blend_blit_weighted_add_a555}, {0x555A, blend_blit_weighted_add_555a},
        {0xA444, blend_blit_weighted_add_a444}, {0x444A, blend_blit_weighted_add_444a},
        {0xA888, blend_blit_weighted_add_a888}, {0x888A, blend_blit_weighted_add_888a},
    };
    for (const variant_t& v : variants) {
        if (v.code == pixel_format_code) {
            return v.routine(destination, clip, x, y, source, source_rect, weight);
        }
    }
    return plat::dd_ok;
}
