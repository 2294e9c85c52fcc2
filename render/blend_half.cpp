// Blend kind B in every drawing format.
#include "render/blend.h"
#include "render/blend_frame.h"

plat::hresult_t blend_blit_half_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                  int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_8>(blend::half_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_half_565(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_565>(blend::half_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_half_a555(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_a555>(blend::half_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_half_555a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_555a>(blend::half_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_half_a444(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_a444>(blend::half_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_half_444a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_444a>(blend::half_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_half_a888(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_a888>(blend::half_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_half_888a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_888a>(blend::half_rule{}, destination, clip, x, y, source, source_rect);
}
