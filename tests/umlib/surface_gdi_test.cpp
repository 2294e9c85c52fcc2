#include "platform/gdi.h"
#include "umlib/surface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

struct format_case_t {
    const char* name;
    uint32_t bits, r, g, b;
};

// Every drawing format, the palettised one and a packed 24-bit one.
const format_case_t formats[] = {
    {"8", 8, 0, 0, 0},
    {"565", 16, 0xF800, 0x07E0, 0x001F},
    {"A555", 16, 0x7C00, 0x03E0, 0x001F},
    {"555A", 16, 0xF800, 0x07C0, 0x003E},
    {"A444", 16, 0x0F00, 0x00F0, 0x000F},
    {"444A", 16, 0xF000, 0x0F00, 0x00F0},
    {"888 packed", 24, 0xFF0000, 0x00FF00, 0x0000FF},
    {"A888", 32, 0xFF0000, 0x00FF00, 0x0000FF},
    {"888A", 32, 0xFF000000, 0x00FF0000, 0x0000FF00},
};

std::unique_ptr<umlib::surface_t> make_surface(plat::ddraw_t& device, const format_case_t& f, uint32_t w,
                                               uint32_t h) {
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height | plat::ddsd_pixelformat;
    desc.width = w;
    desc.height = h;
    desc.pixel_format.rgb_bit_count = f.bits;
    desc.pixel_format.r_bit_mask = f.r;
    desc.pixel_format.g_bit_mask = f.g;
    desc.pixel_format.b_bit_mask = f.b;
    return std::make_unique<umlib::surface_t>(&device, &desc);
}

uint32_t raw_pixel(umlib::surface_t& s, int x, int y) {
    plat::surface_desc_t desc;
    umlib::surface_locker_t lock(&s, &desc);
    EXPECT_EQ(lock.result, plat::dd_ok);
    uint32_t v = 0;
    const uint32_t bytes = desc.pixel_format.rgb_bit_count / 8;
    std::memcpy(&v, static_cast<uint8_t*>(desc.surface) + y * desc.pitch + x * int(bytes), bytes);
    return v;
}

// A 24-bit bitmap, each pixel (x, y) given by a function, as the bitmap loader makes them.
template <typename F> plat::hbitmap_t make_bitmap(int32_t w, int32_t h, F colour_of) {
    plat::bitmap_info_t info;
    info.header.width = w;
    info.header.height = -h;
    info.header.bit_count = 24;
    void* bits = nullptr;
    plat::hbitmap_t bitmap = plat::create_dib_section(nullptr, info, plat::dib_rgb_colors, &bits);
    plat::bitmap_record_t record;
    plat::get_object(bitmap, &record);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const plat::colorref_t c = colour_of(x, y);
            uint8_t* p = static_cast<uint8_t*>(bits) + y * record.bm_width_bytes + x * 3;
            p[0] = plat::get_b(c);
            p[1] = plat::get_g(c);
            p[2] = plat::get_r(c);
        }
    }
    return bitmap;
}

} // namespace

TEST(surface_gdi, a_colour_key_equals_the_converted_pixel_in_every_format) {
    const plat::colorref_t key_colour = plat::rgb(201, 99, 45); // matches no format exactly
    plat::hbitmap_t bitmap = make_bitmap(
        4, 2, [&](int x, int y) { return x == 2 && y == 1 ? key_colour : plat::rgb(10 * x, 90, 250); });
    plat::ddraw_t device;
    for (const format_case_t& f : formats) {
        auto s = make_surface(device, f, 4, 2);
        ASSERT_TRUE(s->copy_bitmap(0, 0, bitmap)) << f.name;
        const uint32_t corner = raw_pixel(*s, 0, 0);
        ASSERT_TRUE(s->set_color_key(key_colour)) << f.name;
        plat::color_key_t key;
        ASSERT_EQ(s->surface->get_color_key(plat::ddckey_srcblt, &key), plat::dd_ok);
        EXPECT_EQ(key.color_space_low_value, raw_pixel(*s, 2, 1)) << f.name;
        EXPECT_EQ(key.color_space_high_value, key.color_space_low_value) << f.name;
        EXPECT_NE(key.color_space_low_value, raw_pixel(*s, 1, 1)) << f.name;
        EXPECT_EQ(raw_pixel(*s, 0, 0), corner) << f.name << ": the probed pixel is put back";
    }
    plat::delete_object(bitmap);
}

TEST(surface_gdi, black_keys_to_zero_and_failures_set_no_key) {
    plat::ddraw_t device;
    for (const format_case_t& f : formats) {
        auto s = make_surface(device, f, 2, 2);
        ASSERT_TRUE(s->set_color_key(plat::rgb(0, 0, 0)));
        plat::color_key_t key{1, 1};
        s->surface->get_color_key(plat::ddckey_srcblt, &key);
        EXPECT_EQ(key.color_space_low_value, 0u) << f.name;
    }
    auto lost = make_surface(device, formats[1], 2, 2);
    lost->surface->set_lost(true);
    EXPECT_FALSE(lost->set_color_key(plat::rgb(255, 0, 255)));
    lost->surface->set_lost(false);
    plat::color_key_t key;
    EXPECT_EQ(lost->surface->get_color_key(plat::ddckey_srcblt, &key), plat::dderr_nocolorkey);
}

TEST(surface_gdi, copy_bitmap_copies_only_what_fits_right_of_and_below_the_corner) {
    plat::ddraw_t device;
    auto s = make_surface(device, formats[7], 6, 5);
    plat::blt_fx_t fx;
    fx.fill_color = 0x123456;
    s->surface->blt(nullptr, nullptr, nullptr, plat::ddblt_colorfill, &fx);
    plat::hbitmap_t bitmap = make_bitmap(8, 8, [](int x, int y) { return plat::rgb(x, y, 200); });
    ASSERT_TRUE(s->copy_bitmap(2, 3, bitmap));
    EXPECT_EQ(raw_pixel(*s, 1, 3), 0x123456u);
    EXPECT_EQ(raw_pixel(*s, 2, 2), 0x123456u);
    EXPECT_EQ(raw_pixel(*s, 2, 3), 0x0000C8u); // the bitmap's (0, 0)
    EXPECT_EQ(raw_pixel(*s, 5, 4), 0x0301C8u); // its (3, 1), the last that fits
    EXPECT_FALSE(s->copy_bitmap(0, 0, nullptr));
    s->surface->set_lost(true);
    EXPECT_FALSE(s->copy_bitmap(0, 0, bitmap));
    plat::delete_object(bitmap);
}
