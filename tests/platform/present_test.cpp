#include "platform/ddraw.h"
#include "platform/display.h"
#include "platform/gdi.h"
#include "platform/present.h"
#include "platform/widen_row.h"
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct shown_t {
    std::vector<uint32_t> pixels;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t at(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

shown_t shown(plat::hwnd_t window) {
    shown_t s;
    s.pixels = plat::read_window_pixels_for_test(window, &s.width, &s.height);
    return s;
}

plat::dd_surface_t* make_primary(plat::ddraw_t& device) {
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps;
    desc.caps = plat::ddscaps_primarysurface;
    plat::dd_surface_t* s = nullptr;
    device.create_surface(&desc, &s, nullptr);
    return s;
}

void set_pixel(plat::dd_surface_t* s, int32_t x, int32_t y, uint32_t value) {
    plat::surface_desc_t desc;
    ASSERT_EQ(s->lock(nullptr, &desc, plat::ddlock_wait, nullptr), plat::dd_ok);
    auto* row = static_cast<uint8_t*>(desc.surface) + y * desc.pitch;
    if (desc.pixel_format.rgb_bit_count == 16) {
        reinterpret_cast<uint16_t*>(row)[x] = uint16_t(value);
    } else {
        reinterpret_cast<uint32_t*>(row)[x] = value;
    }
    s->unlock(nullptr);
}

} // namespace

TEST(present, the_window_shows_its_client_area_of_the_primary_surface) {
    plat::set_desktop_bits_per_pixel_for_test(32);
    test_window_t window(30, 40, 8, 6);
    plat::ddraw_t device;
    device.set_cooperative_level(nullptr, plat::ddscl_normal);
    plat::dd_surface_t* primary = make_primary(device);
    plat::dd_clipper_t* clipper = nullptr;
    device.create_clipper(0, &clipper, nullptr);
    clipper->set_hwnd(0, window.hwnd());
    primary->set_clipper(clipper);
    clipper->release();

    // A 2x2 picture stretched to 4x4 at client (2, 1).
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height;
    desc.width = desc.height = 2;
    plat::dd_surface_t* back = nullptr;
    ASSERT_EQ(device.create_surface(&desc, &back, nullptr), plat::dd_ok);
    set_pixel(back, 0, 0, 0xFF0000);
    set_pixel(back, 1, 0, 0x00FF00);
    set_pixel(back, 0, 1, 0x0000FF);
    set_pixel(back, 1, 1, 0xFFFFFF);
    const plat::rect_t to{32, 41, 36, 45};
    ASSERT_EQ(primary->blt(&to, back, nullptr, plat::ddblt_wait, nullptr), plat::dd_ok);

    const shown_t s = shown(window.hwnd());
    ASSERT_EQ(s.width, 8);
    ASSERT_EQ(s.height, 6);
    const std::vector<uint32_t> expected = {
        0, 0, 0,        0,        0,        0,        0, 0, //
        0, 0, 0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00, 0, 0, //
        0, 0, 0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00, 0, 0, //
        0, 0, 0x0000FF, 0x0000FF, 0xFFFFFF, 0xFFFFFF, 0, 0, //
        0, 0, 0x0000FF, 0x0000FF, 0xFFFFFF, 0xFFFFFF, 0, 0, //
        0, 0, 0,        0,        0,        0,        0, 0, //
    };
    EXPECT_EQ(s.pixels, expected);
    back->release();
    primary->release();
    plat::reset_display_for_test();
}

TEST(present, a_full_screen_mode_is_scaled_to_the_screen_by_whole_steps) {
    test_window_t window(0, 0, 64, 64);
    plat::ddraw_t device;
    ASSERT_EQ(device.set_cooperative_level(window.hwnd(), plat::ddscl_fullscreen | plat::ddscl_exclusive),
              plat::dd_ok);
    ASSERT_EQ(device.set_display_mode(640, 480, 16, 0, 0), plat::dd_ok);
    plat::dd_surface_t* primary = make_primary(device);
    ASSERT_NE(primary, nullptr);
    set_pixel(primary, 0, 0, 0xF800);     // red in 5-6-5
    set_pixel(primary, 639, 479, 0x07E0); // green

    const shown_t s = shown(window.hwnd());
    ASSERT_GT(s.width, 0);
    const int32_t scale = std::min(s.width / 640, s.height / 480);
    ASSERT_GE(scale, 1);
    const int32_t left = (s.width - 640 * scale) / 2;
    const int32_t top = (s.height - 480 * scale) / 2;
    EXPECT_EQ(s.at(left, top), 0xFF0000u);
    EXPECT_EQ(s.at(left + scale - 1, top + scale - 1), 0xFF0000u);
    EXPECT_EQ(s.at(left + scale, top), 0u);
    EXPECT_EQ(s.at(left + 640 * scale - 1, top + 480 * scale - 1), 0x00FF00u);
    primary->release();
}

TEST(present, gdi_on_the_window_shows_when_the_context_is_released) {
    test_window_t window(0, 0, 16, 8);
    plat::hdc_t dc = plat::get_dc(window.hwnd());
    ASSERT_NE(dc, nullptr);
    const plat::rect_t bar{0, 0, 4, 8};
    plat::fill_rect(dc, &bar, plat::get_stock_object(plat::dkgray_brush));
    EXPECT_TRUE(plat::text_out(dc, 6, 0, "-", 1));
    EXPECT_EQ(plat::release_dc(window.hwnd(), dc), 1);
    const shown_t s = shown(window.hwnd());
    ASSERT_EQ(s.width, 16);
    EXPECT_EQ(s.at(3, 7), 0x404040u);
    EXPECT_EQ(s.at(7, 3), 0u); // black text on the default white background
    EXPECT_EQ(s.at(6, 0), 0xFFFFFFu);
    EXPECT_EQ(s.at(12, 0), 0u); // outside the cell nothing was drawn
}

TEST(present, a_widened_row_repeats_each_pixel_and_writes_nothing_past_it) {
    constexpr uint32_t guard = 0xDEADBEEF;
    for (int32_t scale = 1; scale <= 5; ++scale) {
        for (const int32_t width : {0, 1, 3, 4, 7, 8, 13, 640}) {
            std::vector<uint32_t> from(static_cast<size_t>(width));
            for (int32_t x = 0; x < width; ++x) {
                from[size_t(x)] = uint32_t(x) * 0x01030507u + 0x00102030u;
            }
            std::vector<uint32_t> to(size_t(width * scale) + 1, guard);
            plat::widen_row(from.data(), to.data(), width, scale);
            for (int32_t x = 0; x < width * scale; ++x) {
                ASSERT_EQ(to[size_t(x)], from[size_t(x / scale)]) << "scale " << scale << " width " << width;
            }
            EXPECT_EQ(to.back(), guard) << "scale " << scale << " width " << width;
        }
    }
}

namespace {

uint32_t pixel_at(plat::dd_surface_t* s, int32_t x, int32_t y) {
    uint16_t p = 0;
    std::memcpy(&p, s->pixels() + y * s->pitch() + x * 2, 2);
    return p;
}

// What presenting the whole 5-6-5 primary surface shows of a client area: each channel widened to 8 bits by
// repeating its top bits.
std::vector<uint32_t> client_area_of(plat::dd_surface_t* primary, int32_t left, int32_t top, int32_t width,
                                     int32_t height) {
    std::vector<uint32_t> out;
    auto widen = [](uint32_t c, int bits) { return c << (8 - bits) | c >> (2 * bits - 8); };
    for (int32_t y = top; y < top + height; ++y) {
        for (int32_t x = left; x < left + width; ++x) {
            const uint32_t p = pixel_at(primary, x, y);
            out.push_back(widen(p >> 11, 5) << 16 | widen(p >> 5 & 0x3F, 6) << 8 | widen(p & 0x1F, 5));
        }
    }
    return out;
}

} // namespace

// A frame's copy drawn straight to the window shows what presenting the whole primary surface shows, through
// changed and unchanged pieces of rows, a drawing on the window, a clipped copy and another step; the primary
// surface, made up to date only when read, holds what an ordinary surface gets from the same copies, though
// the back buffer changes after each.
TEST(present, a_copy_shown_straight_equals_the_whole_presentation) {
    plat::set_desktop_bits_per_pixel_for_test(16);
    test_window_t window(30, 40, 48, 10);
    plat::ddraw_t device;
    device.set_cooperative_level(nullptr, plat::ddscl_normal);
    plat::dd_surface_t* primary = make_primary(device);
    plat::dd_clipper_t* clipper = nullptr;
    device.create_clipper(0, &clipper, nullptr);
    clipper->set_hwnd(0, window.hwnd());
    primary->set_clipper(clipper);
    clipper->release();
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height;
    desc.width = 21; // a piece of 16 pixels and one of 5
    desc.height = 3;
    plat::dd_surface_t* back = nullptr;
    ASSERT_EQ(device.create_surface(&desc, &back, nullptr), plat::dd_ok);
    for (int32_t i = 0; i < 63; ++i) {
        set_pixel(back, i % 21, i / 21, i == 52 ? 0 : uint32_t(i) * 0x0841u + 0x1234u); // black is copied too
    }
    const plat::color_key_t key{0x1234, 0x1234};
    back->set_color_key(plat::ddckey_srcblt, &key);
    desc.width = primary->width();
    desc.height = primary->height();
    plat::dd_surface_t* mirror = nullptr;
    ASSERT_EQ(device.create_surface(&desc, &mirror, nullptr), plat::dd_ok);
    struct step_t {
        const char* what;
        int32_t x, y;      // a back-buffer pixel to change first, x -1 for none
        uint32_t flags;    // gdi: draw on the window first; read: read the primary surface after
        plat::rect_t to;   // where the back buffer goes on the primary surface
        plat::rect_t sent; // the window area sent to the screen
        plat::rect_t from{0, 0, 21, 3};
    };
    constexpr uint32_t gdi = 1, read = 2, keyed = 4;
    const plat::rect_t whole{0, 0, 48, 10};
    const step_t steps[] = {
        {"first copy", -1, 0, read, {32, 41, 74, 47}, whole},
        {"a pixel of the second piece", 17, 1, read, {32, 41, 74, 47}, {2, 1, 44, 7}},
        {"a pixel of the second piece again", 18, 0, 0, {32, 41, 74, 47}, {34, 1, 44, 3}},
        {"a pixel of the first piece", 0, 2, read, {32, 41, 74, 47}, {2, 5, 34, 7}},
        {"nothing changed", -1, 0, read, {32, 41, 74, 47}, {}},
        {"three steps tall", 6, 0, 0, {32, 40, 74, 49}, {2, 0, 44, 9}},
        {"moved back", 20, 2, read, {32, 41, 74, 47}, {2, 1, 44, 7}},
        {"after a drawing on the window", -1, 0, gdi | read, {32, 41, 74, 47}, whole},
        {"clipped by the client area", 5, 0, read, {50, 41, 92, 47}, whole},
        {"part of the picture", 9, 2, read, {32, 41, 72, 45}, {2, 1, 42, 5}, {1, 1, 21, 3}},
        {"the whole picture again", -1, 0, read, {32, 41, 74, 47}, {2, 1, 44, 7}},
        {"taller below, left unread", -1, 0, 0, {32, 41, 74, 50}, {2, 1, 44, 10}},
        {"shorter again", -1, 0, read, {32, 41, 74, 47}, {2, 1, 44, 7}},
        {"a keyed copy", -1, 0, keyed | read, {32, 41, 74, 47}, whole},
    };
    uint32_t scribble = 0;
    for (const step_t& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.x >= 0) {
            set_pixel(back, step.x, step.y, 0xFFFF);
        }
        const uint32_t blt_flags = plat::ddblt_wait | (step.flags & keyed ? plat::ddblt_keysrc : 0);
        ASSERT_EQ(mirror->blt(&step.to, back, &step.from, blt_flags, nullptr), plat::dd_ok);
        if (step.flags & gdi) {
            plat::hdc_t dc = plat::get_dc(window.hwnd());
            const plat::rect_t bar{0, 0, 30, 10};
            plat::fill_rect(dc, &bar, plat::get_stock_object(plat::dkgray_brush));
            plat::release_dc(window.hwnd(), dc);
        }
        ASSERT_EQ(primary->blt(&step.to, back, &step.from, blt_flags, nullptr), plat::dd_ok);
        EXPECT_EQ(plat::last_sent_for_test(window.hwnd()), step.sent);
        if (step.flags & read) {
            scribble += 0x0421;
            const int32_t x = int32_t(scribble % 21);
            const uint32_t kept = pixel_at(back, x, 1);
            set_pixel(back, x, 1, scribble);
            EXPECT_EQ(shown(window.hwnd()).pixels, client_area_of(primary, 30, 40, 48, 10));
            EXPECT_EQ(client_area_of(mirror, 30, 40, 48, 10), client_area_of(primary, 30, 40, 48, 10));
            set_pixel(back, x, 1, kept);
        }
    }
    mirror->release();
    back->release();
    primary->release();
    plat::reset_display_for_test();
}

// Drawings on the window in a display mode enlarged by whole steps: each shows in full, and only the pieces
// of rows it changed go to the screen.
TEST(present, gdi_drawings_in_turn_send_only_what_they_changed) {
    constexpr int32_t width = 320, height = 240;
    plat::set_display_modes_for_test({{uint32_t(width), uint32_t(height), 32}});
    test_window_t window(0, 0, 64, 64);
    plat::ddraw_t device;
    ASSERT_EQ(device.set_cooperative_level(window.hwnd(), plat::ddscl_fullscreen | plat::ddscl_exclusive),
              plat::dd_ok);
    ASSERT_EQ(device.set_display_mode(width, height, 32, 0, 0), plat::dd_ok);
    std::vector<uint32_t> model(size_t(width) * height, 0);
    struct step_t {
        plat::rect_t fill;
        int brush;
        plat::rect_t pieces; // the changed pieces of rows, in picture pixels; empty for the first, whole, one
    };
    const step_t steps[] = {
        {{0, 0, 4, 8}, plat::dkgray_brush, {}},
        {{20, 2, 37, 9}, plat::ltgray_brush, {16, 2, 48, 9}},
        {{2, 1, 22, 3}, plat::black_brush, {0, 1, 32, 3}},
        {{20, 2, 37, 9}, plat::ltgray_brush, {16, 2, 32, 3}},
        {{300, 230, 320, 240}, plat::white_brush, {288, 230, 320, 240}},
        {{300, 230, 320, 240}, plat::white_brush, {}},
    };
    const uint32_t colours[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
    bool first = true;
    for (const step_t& step : steps) {
        SCOPED_TRACE(step.fill.left);
        plat::hdc_t dc = plat::get_dc(window.hwnd());
        plat::fill_rect(dc, &step.fill, plat::get_stock_object(step.brush));
        plat::release_dc(window.hwnd(), dc);
        for (int32_t y = step.fill.top; y < step.fill.bottom; ++y) {
            std::fill_n(model.begin() + y * width + step.fill.left, step.fill.right - step.fill.left,
                        colours[step.brush]);
        }
        const shown_t s = shown(window.hwnd());
        const int32_t scale = std::min(s.width / width, s.height / height);
        ASSERT_GE(scale, 2);
        const int32_t left = (s.width - width * scale) / 2, top = (s.height - height * scale) / 2;
        for (int32_t y = 0; y < s.height; ++y) {
            for (int32_t x = 0; x < s.width; ++x) {
                const int32_t px = (x - left) / scale, py = (y - top) / scale;
                const bool inside = x >= left && y >= top && px < width && py < height;
                ASSERT_EQ(s.at(x, y), inside ? model[size_t(py * width + px)] : 0u) << x << "," << y;
            }
        }
        const plat::rect_t& p = step.pieces;
        const plat::rect_t expected = first ? plat::rect_t{0, 0, s.width, s.height}
                                      : p.right == 0
                                          ? plat::rect_t{}
                                          : plat::rect_t{left + p.left * scale, top + p.top * scale,
                                                         left + p.right * scale, top + p.bottom * scale};
        EXPECT_EQ(plat::last_sent_for_test(window.hwnd()), expected);
        first = false;
    }
    plat::reset_display_for_test();
}
