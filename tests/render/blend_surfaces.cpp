#include "tests/render/blend_surfaces.h"

#include "render/blend.h"

#include <cstring>
#include <stdexcept>
#include <vector>

namespace blend_test {

const format_t formats[8] = {
    {8, "8", 8, 0, 0, 0},
    {0x565, "565", 16, 0xF800, 0x07E0, 0x001F},
    {0xA555, "a555", 16, 0x7C00, 0x03E0, 0x001F},
    {0x555A, "555a", 16, 0xF800, 0x07C0, 0x003E},
    {0xA444, "a444", 16, 0x0F00, 0x00F0, 0x000F},
    {0x444A, "444a", 16, 0xF000, 0x0F00, 0x00F0},
    {0xA888, "a888", 32, 0x00FF0000, 0x0000FF00, 0x000000FF},
    {0x888A, "888a", 32, 0xFF000000, 0x00FF0000, 0x0000FF00},
};

std::unique_ptr<umlib::surface_t> surfaces_t::make(const format_t& format, int32_t width, int32_t height) {
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height | plat::ddsd_pixelformat;
    desc.caps = plat::ddscaps_offscreenplain | plat::ddscaps_systemmemory;
    desc.width = uint32_t(width);
    desc.height = uint32_t(height);
    desc.pixel_format.flags = format.bits == 8 ? plat::ddpf_paletteindexed8 : plat::ddpf_rgb;
    desc.pixel_format.rgb_bit_count = format.bits;
    desc.pixel_format.r_bit_mask = format.red_mask;
    desc.pixel_format.g_bit_mask = format.green_mask;
    desc.pixel_format.b_bit_mask = format.blue_mask;
    return std::make_unique<umlib::surface_t>(&device_, &desc);
}

namespace {

uint8_t* address(umlib::surface_t& surface, int32_t x, int32_t y) {
    plat::dd_surface_t& s = *surface.surface;
    if (x < 0 || y < 0 || x >= int32_t(s.width()) || y >= int32_t(s.height())) {
        throw std::out_of_range("pixel outside the surface");
    }
    return s.pixels() + size_t(y) * size_t(s.pitch()) + size_t(x) * s.bytes_per_pixel();
}

} // namespace

uint32_t get_pixel(umlib::surface_t& surface, int32_t x, int32_t y) {
    uint32_t value = 0;
    std::memcpy(&value, address(surface, x, y), surface.surface->bytes_per_pixel());
    return value;
}

void put_pixel(umlib::surface_t& surface, int32_t x, int32_t y, uint32_t value) {
    std::memcpy(address(surface, x, y), &value, surface.surface->bytes_per_pixel());
}

void set_key(umlib::surface_t& surface, uint32_t key) {
    const plat::color_key_t ck{key, key};
    surface.surface->set_color_key(plat::ddckey_srcblt, &ck);
}

std::vector<uint32_t> pixels(umlib::surface_t& surface) {
    std::vector<uint32_t> all;
    for (int32_t y = 0; y < int32_t(surface.surface->height()); ++y) {
        for (int32_t x = 0; x < int32_t(surface.surface->width()); ++x) {
            all.push_back(get_pixel(surface, x, y));
        }
    }
    return all;
}

plat::hresult_t draw(int32_t code, kind_t kind, uint32_t parameter, umlib::surface_t& destination,
                     const plat::rect_t& clip, int32_t x, int32_t y, umlib::surface_t& source,
                     const plat::rect_t& source_rect) {
    pixel_format_code = code;
    umlib::surface_t* d = &destination;
    umlib::surface_t* s = &source;
    switch (kind) {
    case kind_t::quarter:
        return blend_blit_quarter(d, &clip, x, y, s, &source_rect);
    case kind_t::half:
        return blend_blit_half(d, &clip, x, y, s, &source_rect);
    case kind_t::alpha:
        return blend_blit_alpha(d, &clip, x, y, s, &source_rect, int32_t(parameter));
    case kind_t::tint:
        return blend_blit_tint(d, &clip, x, y, s, &source_rect, parameter);
    case kind_t::add:
        return blend_blit_add(d, &clip, x, y, s, &source_rect);
    }
    return plat::dderr_invalidparams;
}

} // namespace blend_test
