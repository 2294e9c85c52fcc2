// Blend kind D in every drawing format.
#include "render/blend.h"
#include "render/blend_frame.h"

plat::hresult_t blend_blit_tint_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                  int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                  uint32_t colour) {
    return blend::blit<blend::format_8>(blend::tint_rule{colour}, destination, clip, x, y, source,
                                        source_rect);
}

plat::hresult_t blend_blit_tint_565(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                    uint32_t colour) {
    return blend::blit<blend::format_565>(blend::tint_rule{colour}, destination, clip, x, y, source,
                                          source_rect);
}

plat::hresult_t blend_blit_tint_a555(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour) {
    return blend::blit<blend::format_a555>(blend::tint_rule{colour}, destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_tint_555a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour) {
    return blend::blit<blend::format_555a>(blend::tint_rule{colour}, destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_tint_a444(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour) {
    return blend::blit<blend::format_a444>(blend::tint_rule{colour}, destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_tint_444a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour) {
    return blend::blit<blend::format_444a>(blend::tint_rule{colour}, destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_tint_a888(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour) {
    return blend::blit<blend::format_a888>(blend::tint_rule{colour}, destination, clip, x, y, source,
                                           source_rect);
}

plat::hresult_t blend_blit_tint_888a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour) {
    return blend::blit<blend::format_888a>(blend::tint_rule{colour}, destination, clip, x, y, source,
                                           source_rect);
}
