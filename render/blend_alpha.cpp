// Blend kind C in every drawing format.
#include "render/blend.h"
#include "render/blend_frame.h"

plat::hresult_t blend_blit_alpha_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                   int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                   int32_t weight) {
    return blend::blit<blend::format_8>(blend::alpha_rule(weight), destination, clip, x, y, source,
                                        source_rect);
}

plat::hresult_t blend_blit_alpha_565(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     int32_t weight) {
    return blend::blit<blend::format_565>(blend::alpha_rule(weight), destination, clip, x, y, source,
                                          source_rect);
}

plat::hresult_t blend_blit_alpha_a555(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight) {
    return blend::blit<blend::format_a555>(blend::alpha_rule(weight), destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_alpha_555a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight) {
    return blend::blit<blend::format_555a>(blend::alpha_rule(weight), destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_alpha_a444(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight) {
    return blend::blit<blend::format_a444>(blend::alpha_rule(weight), destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_alpha_444a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight) {
    return blend::blit<blend::format_444a>(blend::alpha_rule(weight), destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_alpha_a888(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight) {
    return blend::blit<blend::format_a888>(blend::alpha_rule(weight), destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_alpha_888a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight) {
    return blend::blit<blend::format_888a>(blend::alpha_rule(weight), destination, clip, x, y, source,
                                           source_rect);
}
