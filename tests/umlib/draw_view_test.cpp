#include "platform/display.h"
#include "tests/support/test_window.h"
#include "umlib/draw.h"

#include <gtest/gtest.h>

namespace {

const plat::rect_t visible{0, 8, 256, 248};

void expect_rect(const plat::rect_t& r, int32_t l, int32_t t, int32_t right, int32_t b) {
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, b);
}

} // namespace

TEST(draw_view, full_screen_centres_the_scaled_area) {
    test_window_t window(0, 0, 64, 64);
    umlib::draw_fullscreen_t draw(window.hwnd(), 640, 480, 16, 256, 256);
    draw.set_view(&visible, 2, true);
    expect_rect(draw.dst, 64, 0, 576, 480);
    expect_rect(draw.src, 0, 8, 256, 248);

    draw.set_view(&visible, 2, false);
    expect_rect(draw.dst, 0, 0, 512, 480);
    expect_rect(draw.src, 0, 8, 256, 248);

    // Scale 0, or below, stretches the area over the whole screen.
    draw.set_view(&visible, 0, true);
    expect_rect(draw.dst, 0, 0, 640, 480);
    expect_rect(draw.src, 0, 8, 256, 248);
    draw.set_view(nullptr, -3, true);
    expect_rect(draw.dst, 0, 0, 640, 480);
    expect_rect(draw.src, 0, 0, 256, 256);

    // Too large for the screen: the origin (-64, -120) is clipped away, and the source loses 64 / 3 = 21
    // columns and 120 / 3 = 40 rows; 640 / 3 = 213 columns and 160 rows remain.
    draw.set_view(&visible, 3, true);
    expect_rect(draw.dst, 0, 0, 640, 480);
    expect_rect(draw.src, 21, 48, 234, 208);
}

TEST(draw_view, windowed_places_the_area_in_the_client_area_on_the_screen) {
    test_window_t window(0, 0, 512, 512);
    umlib::draw_normal_t draw(window.hwnd(), 256, 256);
    draw.set_view(&visible, 2, true);
    expect_rect(draw.dst, 0, 16, 512, 496);
    expect_rect(draw.src, 0, 8, 256, 248);

    plat::move_window(window.hwnd(), 100, 50, 512, 512, false);
    draw.set_view(&visible, 1, true);
    expect_rect(draw.dst, 100 + 128, 50 + 136, 100 + 384, 50 + 376);
    expect_rect(draw.src, 0, 8, 256, 248);

    draw.set_view(&visible, 0, true);
    expect_rect(draw.dst, 100, 50, 612, 562);
    expect_rect(draw.src, 0, 8, 256, 248);
}

TEST(draw_view, a_window_off_the_left_edge_cuts_the_source_by_whole_source_pixels) {
    test_window_t window(-100, 0, 512, 512);
    umlib::draw_normal_t draw(window.hwnd(), 256, 256);
    draw.set_view(&visible, 2, true);
    expect_rect(draw.dst, 0, 16, 412, 496);
    expect_rect(draw.src, 50, 8, 256, 248);

    // An odd overhang: -101 / 2 truncates toward zero to -50.
    plat::move_window(window.hwnd(), -101, 0, 512, 512, false);
    draw.set_view(&visible, 2, true);
    expect_rect(draw.dst, 0, 16, 411, 496);
    expect_rect(draw.src, 50, 8, 255, 248);

    // Entirely off the screen: no overlap, so nothing is clipped.
    plat::move_window(window.hwnd(), -2000, 0, 512, 512, false);
    draw.set_view(&visible, 2, true);
    expect_rect(draw.dst, -2000, 16, -1488, 496);
    expect_rect(draw.src, 0, 8, 256, 248);
}
