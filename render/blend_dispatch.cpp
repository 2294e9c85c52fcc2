// Picks the routine of a blend kind for the primary surface's pixel format.
#include "render/blend.h"

#include <iterator>

namespace {

// The formats with routines, in the order every caller tries them.
constexpr int32_t drawing_formats[] = {8, 0x565, 0xA555, 0x555A, 0xA444, 0x444A, 0xA888, 0x888A};

// The index of the primary surface's format in drawing_formats, or -1.
int variant() {
    for (int i = 0; i < int(std::size(drawing_formats)); ++i) {
        if (pixel_format_code == drawing_formats[i]) {
            return i;
        }
    }
    return -1;
}

template <class Routine, class... Args>
plat::hresult_t call_variant(const Routine (&routines)[8], Args... args) {
    const int i = variant();
    return i < 0 ? plat::dd_ok : routines[i](args...);
}

} // namespace

plat::hresult_t blend_blit_quarter(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                   int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect) {
    static constexpr decltype(&blend_blit_quarter_8) routines[] = {
        blend_blit_quarter_8,    blend_blit_quarter_565,  blend_blit_quarter_a555, blend_blit_quarter_555a,
        blend_blit_quarter_a444, blend_blit_quarter_444a, blend_blit_quarter_a888, blend_blit_quarter_888a};
    return call_variant(routines, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_half(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                                umlib::surface_t* source, const plat::rect_t* source_rect) {
    static constexpr decltype(&blend_blit_half_8) routines[] = {
        blend_blit_half_8,    blend_blit_half_565,  blend_blit_half_a555, blend_blit_half_555a,
        blend_blit_half_a444, blend_blit_half_444a, blend_blit_half_a888, blend_blit_half_888a};
    return call_variant(routines, destination, clip, x, y, source, source_rect);
}

plat::hresult_t blend_blit_alpha(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                 int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                 int32_t weight) {
    static constexpr decltype(&blend_blit_alpha_8) routines[] = {
        blend_blit_alpha_8,    blend_blit_alpha_565,  blend_blit_alpha_a555, blend_blit_alpha_555a,
        blend_blit_alpha_a444, blend_blit_alpha_444a, blend_blit_alpha_a888, blend_blit_alpha_888a};
    return call_variant(routines, destination, clip, x, y, source, source_rect, weight);
}

plat::hresult_t blend_blit_tint(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                                umlib::surface_t* source, const plat::rect_t* source_rect, uint32_t colour) {
    static constexpr decltype(&blend_blit_tint_8) routines[] = {
        blend_blit_tint_8,    blend_blit_tint_565,  blend_blit_tint_a555, blend_blit_tint_555a,
        blend_blit_tint_a444, blend_blit_tint_444a, blend_blit_tint_a888, blend_blit_tint_888a};
    return call_variant(routines, destination, clip, x, y, source, source_rect, colour);
}

plat::hresult_t blend_blit_add(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                               umlib::surface_t* source, const plat::rect_t* source_rect) {
    static constexpr decltype(&blend_blit_add_8) routines[] = {
        blend_blit_add_8,    blend_blit_add_565,  blend_blit_add_a555, blend_blit_add_555a,
        blend_blit_add_a444, blend_blit_add_444a, blend_blit_add_a888, blend_blit_add_888a};
    return call_variant(routines, destination, clip, x, y, source, source_rect);
}
