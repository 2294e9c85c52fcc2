#include "screen/map_layer.h"
#include "tests/render/blend_reference.h"
#include "tests/render/scenery_fixture.h"

#include <gtest/gtest.h>

using blend_test::get_pixel;
using blend_test::put_pixel;

namespace {

using map_layer = scenery_fixture_t;

constexpr int picture = 10;

// What the screen shows of one layer, worked out per screen pixel by wrapping back into the layer.
uint32_t wrapped(const bg_t& l, const mg_t& screen, int32_t x, int32_t y, uint32_t below) {
    const int32_t lx = ((x - l.offset_x - screen.scroll_x) % l.width + l.width) % l.width;
    const int32_t ly = ((y - l.offset_y - screen.scroll_y) % l.height + l.height) % l.height;
    for (const int q : {0, 1, 2, 3}) {
        if (l.map[q] == nullptr) {
            continue;
        }
        for (const map_cell_t& cell : used_cells(*l.map[q])) {
            const plat::rect_t r = cell_rect(cell, l.quadrant[q].left, l.quadrant[q].top);
            if (lx >= r.left && lx < r.right && ly >= r.top && ly < r.bottom) {
                const uint32_t p = get_pixel(*l.surface, lx, ly);
                return p != 0 ? p : below;
            }
        }
    }
    return below;
}

void fill_screen(mg_t& screen, const std::function<uint32_t(int32_t, int32_t)>& colour) {
    for (int32_t y = 0; y < 256; ++y) {
        for (int32_t x = 0; x < 256; ++x) {
            put_pixel(*screen.surface, x, y, colour(x, y));
        }
    }
}

} // namespace

TEST_F(map_layer, keyed_copies_wrap_around_the_layer_in_both_directions_inside_the_clip) {
    ASSERT_TRUE(start(16));
    plant_image(picture, 256, 256, [](int32_t x, int32_t y) { return (x + y) % 7 == 0 ? 0 : pattern(x, y); });
    mg_t& screen = *g_screenctr.mg;
    for (const int k : {3, 2}) {
        bg_t& l = layer(k);
        const map_record_t corners = map_of(picture, {{0, 0, 4, 3}, {28, 29, 4, 3}, {10, 10, 0, 2}});
        l.draw_map(0, &corners);
        l.draw_map(3, &corners); // outside the 512 x 256 and 256 x 256 layers: nothing drawn there
        const int32_t offsets[][4] = {
            {0, 0, 0, 0}, {230, 250, 3, -4}, {l.width - 1, 5, 1, 0}, {17, 0, 0, 240}};
        for (const auto& o : offsets) {
            fill_screen(screen, [](int32_t, int32_t) { return 0x0841; });
            screen.dirty = 0;
            l.offset_x = o[0];
            l.offset_y = o[1];
            screen.scroll_x = o[2];
            screen.scroll_y = o[3];
            draw_layer(&screen, &l);
            EXPECT_EQ(screen.dirty, 1);
            for (int32_t y = 0; y < 256; ++y) {
                for (int32_t x = 0; x < 256; ++x) {
                    const bool inside = y >= 8 && y < 248;
                    const uint32_t expected = inside ? wrapped(l, screen, x, y, 0x0841) : 0x0841;
                    ASSERT_EQ(get_pixel(*screen.surface, x, y), expected)
                        << "layer " << k << " at " << x << "," << y << " offsets " << o[0] << "," << o[1];
                }
            }
        }
        l.clear(0);
    }
    screen.scroll_x = screen.scroll_y = 0;
}

TEST_F(map_layer, transparency_chooses_the_blend_and_256_draws_nothing) {
    ASSERT_TRUE(start(16));
    plant_image(picture, 256, 256, pattern);
    mg_t& screen = *g_screenctr.mg;
    bg_t& l = layer(0);
    const map_record_t map = map_of(picture, {{0, 2, 32, 4}});
    l.draw_map(0, &map);
    const auto under = [](int32_t x, int32_t y) { return uint32_t(x * 0x0123 + y * 0x3011) & 0xFFFF; };
    const struct {
        int32_t transparency;
        blend_test::kind_t kind;
    } cases[] = {{64, blend_test::kind_t::quarter},
                 {128, blend_test::kind_t::half},
                 {77, blend_test::kind_t::alpha},
                 {255, blend_test::kind_t::alpha}};
    for (const auto& c : cases) {
        fill_screen(screen, under);
        l.transparency = c.transparency;
        draw_layer(&screen, &l);
        for (int32_t y = 16; y < 48; ++y) {
            for (int32_t x = 0; x < 256; x += 3) {
                const uint32_t expected = blend_test::reference_pixel(0x565, c.kind, uint32_t(c.transparency),
                                                                      pattern(x, y) & 0xFFFF, under(x, y));
                ASSERT_EQ(get_pixel(*screen.surface, x, y), expected)
                    << c.transparency << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(get_pixel(*screen.surface, 5, 60), under(5, 60));
    }

    fill_screen(screen, under);
    screen.dirty = 0;
    l.transparency = 256;
    draw_layer(&screen, &l);
    EXPECT_EQ(screen.dirty, 0);
    EXPECT_EQ(get_pixel(*screen.surface, 5, 20), under(5, 20));
}

TEST_F(map_layer, every_copy_marks_the_screen_even_when_nothing_lands) {
    ASSERT_TRUE(start(16));
    plant_image(picture, 256, 256, pattern);
    mg_t& screen = *g_screenctr.mg;
    bg_t& l = layer(3);
    screen.dirty = 0;
    draw_layer(&screen, &l); // no map anywhere
    EXPECT_EQ(screen.dirty, 0);

    const map_record_t empty_cell = map_of(picture, {{5, 5, 0, 3}});
    l.draw_map(0, &empty_cell);
    const std::vector<uint32_t> before = blend_test::pixels(*screen.surface);
    for (const int32_t transparency : {0, 128}) {
        screen.dirty = 0;
        l.transparency = transparency;
        draw_layer(&screen, &l);
        EXPECT_EQ(screen.dirty, 1);
    }
    // A format without blend routines draws nothing but still marks the screen.
    const map_record_t cell = map_of(picture, {{5, 5, 2, 3}});
    l.draw_map(0, &cell);
    const int32_t code = pixel_format_code;
    pixel_format_code = 0xA332;
    screen.dirty = 0;
    draw_layer(&screen, &l);
    pixel_format_code = code;
    EXPECT_EQ(screen.dirty, 1);
    EXPECT_EQ(blend_test::pixels(*screen.surface), before);
}
