#include "platform/gdi.h"
#include "platform/present.h"
#include "tests/support/test_window.h"
#include "umlib/text_out.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

umlib::text_record_t record_of(const char* text, int32_t bk_mode) {
    umlib::text_record_t r;
    r.text = text;
    r.length = text != nullptr ? int32_t(std::strlen(text)) : 0;
    r.bk_mode = bk_mode;
    r.bk_color = plat::rgb(0, 0, 128);
    r.text_color = plat::rgb(255, 255, 255);
    return r;
}

} // namespace

TEST(text_out, a_null_font_becomes_the_default_gui_font_and_stays) {
    plat::ddraw_t device;
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height;
    desc.width = 32;
    desc.height = 8;
    umlib::surface_t surface(&device, &desc);
    umlib::text_record_t r = record_of("A", plat::transparent);
    ASSERT_TRUE(umlib::surface_text_out(r, &surface, 0, 0));
    EXPECT_EQ(r.font, plat::get_stock_object(plat::default_gui_font));

    // The context gets its own font back afterwards.
    plat::hdc_t dc = nullptr;
    surface.surface->get_dc(&dc);
    ASSERT_TRUE(umlib::text_out(r, dc, 6, 0));
    EXPECT_EQ(plat::select_object(dc, r.font), plat::get_stock_object(plat::system_font));
    surface.surface->release_dc(dc);

    umlib::text_record_t none = record_of(nullptr, plat::opaque);
    EXPECT_FALSE(umlib::surface_text_out(none, &surface, 0, 0));
    EXPECT_EQ(none.font, nullptr);
    surface.surface->set_lost(true);
    EXPECT_FALSE(umlib::surface_text_out(r, &surface, 0, 0));
}

TEST(text_out, surface_text_uses_the_record_colours_and_background_mode) {
    plat::ddraw_t device;
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height | plat::ddsd_pixelformat;
    desc.width = 24;
    desc.height = 8;
    desc.pixel_format = plat::pixel_format_565();
    umlib::surface_t surface(&device, &desc);
    umlib::text_record_t opaque = record_of("T", plat::opaque);
    umlib::text_record_t clear = record_of("TT", plat::transparent);
    ASSERT_TRUE(umlib::surface_text_out(opaque, &surface, 0, 0));
    ASSERT_TRUE(umlib::surface_text_out(clear, &surface, 6, 0));
    plat::hdc_t dc = nullptr;
    surface.surface->get_dc(&dc);
    EXPECT_EQ(plat::get_pixel(dc, 0, 0), plat::rgb(255, 255, 255));  // the bar of the T
    EXPECT_EQ(plat::get_pixel(dc, 0, 1), plat::rgb(0, 0, 132));      // background, as 5-6-5 holds it
    EXPECT_EQ(plat::get_pixel(dc, 12, 0), plat::rgb(255, 255, 255)); // the second T, one cell on
    EXPECT_EQ(plat::get_pixel(dc, 6, 1), 0u);
    surface.surface->release_dc(dc);
}

TEST(text_out, window_text_appears_on_the_window) {
    test_window_t window(0, 0, 64, 32);
    umlib::text_record_t r = record_of("now", plat::transparent);
    ASSERT_TRUE(umlib::window_text_out(r, window.hwnd(), 8, 16));
    int32_t width = 0, height = 0;
    const std::vector<uint32_t> shown = plat::read_window_pixels_for_test(window.hwnd(), &width, &height);
    ASSERT_EQ(width, 64);
    int lit = 0;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const bool in_text = x >= 8 && x < 8 + 3 * 6 && y >= 16 && y < 24;
            if (shown[size_t(y) * size_t(width) + size_t(x)] == 0xFFFFFF) {
                EXPECT_TRUE(in_text) << x << ", " << y;
                ++lit;
            }
        }
    }
    EXPECT_GT(lit, 20);
    plat::hwnd_t gone = window.hwnd();
    plat::destroy_window(gone);
    EXPECT_FALSE(umlib::window_text_out(r, gone, 8, 16));
}
