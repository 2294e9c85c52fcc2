// Picks the routine of a blend kind for the primary surface's pixel format.
#include "render/blend.h"
#include "render/blend_frame.h"

plat::hresult_t blend_blit_quarter(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                   int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit_primary_format(blend::quarter_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_half(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                                umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit_primary_format(blend::half_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_alpha(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                 int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                 int32_t weight) {
    return blend::blit_primary_format(blend::alpha_rule(weight), destination, clip, x, y, source,
                                      source_rect);
}

plat::hresult_t blend_blit_tint(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                                umlib::surface_t* source, const plat::rect_t* source_rect, uint32_t colour) {
    return blend::blit_primary_format(blend::tint_rule{colour}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_add(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                               umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit_primary_format(blend::add_rule{}, destination, clip, x, y, source, source_rect);
}
