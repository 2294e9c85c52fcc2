#include "render/blend_weighted_add.h"

#include "render/blend_frame.h"

plat::hresult_t blend_blit_weighted_add(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                        int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                        int32_t weight) {
    return blend::blit_primary_format(blend::weighted_add_rule(weight), destination, clip, x, y, source,
                                      source_rect);
}
