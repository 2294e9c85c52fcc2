#include "umlib/surface.h"

#include <gtest/gtest.h>

namespace {

int32_t code_of(uint32_t bits, uint32_t r, uint32_t g, uint32_t b) {
    plat::ddraw_t device;
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height | plat::ddsd_pixelformat;
    desc.width = desc.height = 4;
    desc.pixel_format.rgb_bit_count = bits;
    desc.pixel_format.r_bit_mask = r;
    desc.pixel_format.g_bit_mask = g;
    desc.pixel_format.b_bit_mask = b;
    umlib::surface_t surface(&device, &desc);
    umlib::read_pixel_format(&surface);
    return pixel_format_code;
}

} // namespace

TEST(pixel_format, channel_masks_name_the_drawing_format) {
    EXPECT_EQ(code_of(16, 0xF800, 0x07E0, 0x001F), 0x565);
    EXPECT_EQ(umlib::pixel_format.red_shift, 11u);
    EXPECT_EQ(umlib::pixel_format.green_width, 6u);
    EXPECT_EQ(umlib::pixel_format.blue_max, 31u);
    EXPECT_EQ(umlib::pixel_format.green_max, 63u);

    EXPECT_EQ(code_of(16, 0xF800, 0x07C0, 0x003E), 0x555A);
    EXPECT_EQ(umlib::pixel_format.green_shift, 6u);
    EXPECT_EQ(umlib::pixel_format.blue_shift, 1u);

    struct case_t {
        uint32_t bits, r, g, b;
        int32_t code;
    };
    for (const case_t& c : {
             case_t{16, 0x7C00, 0x03E0, 0x001F, 0xA555}, case_t{16, 0x0F00, 0x00F0, 0x000F, 0xA444},
             case_t{16, 0xF000, 0x0F00, 0x00F0, 0x444A},
             case_t{32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xA888},
             case_t{24, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xA888}, // whatever the bit count
             case_t{32, 0xFF000000, 0x00FF0000, 0x0000FF00, 0x888A},
             case_t{16, 0x001F, 0x07E0, 0x0000, 16}, // outside the table: the bit count, no drawing variant
         }) {
        EXPECT_EQ(code_of(c.bits, c.r, c.g, c.b), c.code) << std::hex << c.r << " " << c.g << " " << c.b;
    }
}

TEST(pixel_format, palettised_surface_has_no_channels) {
    EXPECT_EQ(code_of(8, 0, 0, 0), 8);
    EXPECT_EQ(umlib::pixel_format.red_shift, 0u);
    EXPECT_EQ(umlib::pixel_format.red_width, 0u);
    umlib::reset_pixel_format();
    EXPECT_EQ(umlib::pixel_format.bit_count, 0u);
    EXPECT_EQ(pixel_format_code, 8); // the code keeps its last value
}
