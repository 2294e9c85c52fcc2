// Blend kind E in every drawing format.
#include "render/blend.h"
#include "render/blend_frame.h"

plat::hresult_t blend_blit_add_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                 int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_8>(blend::add_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_add_565(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                   int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_565>(blend::add_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_add_a555(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_a555>(blend::add_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_add_555a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_555a>(blend::add_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_add_a444(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_a444>(blend::add_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_add_444a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_444a>(blend::add_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_add_a888(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_a888>(blend::add_rule{}, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_add_888a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    return blend::blit<blend::format_888a>(blend::add_rule{}, destination, clip, x, y, source, source_rect);
}
