#include "base/failure.h"
#include "screen/vscreen.h"
#include "tests/screen/screen_fixture.h"
#include "umlib/draw.h"
#include "umlib/surface.h"

namespace {

class vscreen : public screen_fixture_t {
  protected:
    void SetUp() override {
        screen_fixture_t::SetUp();
        ASSERT_TRUE(start(32));
    }

    // The layer's pixels in the cell of glyph `code` drawn at layer pixel (x, y), compared with the
    // font's cell: a glyph pixel must be there, a key pixel must have left `under`.
    void expect_glyph(vscreen_t& layer, int font, uint8_t code, int32_t x, int32_t y, uint32_t under) {
        const sprite_record_t& f = g_screenctr.sprites[font];
        const int32_t sx = (code & 7) * f.cell_width;
        const int32_t sy = (code >> 3) * f.cell_height;
        int drawn = 0;
        for (int32_t j = 0; j < f.cell_height; ++j) {
            for (int32_t i = 0; i < f.cell_width; ++i) {
                const uint32_t g = blend_test::get_pixel(*f.surface, sx + i, sy + j);
                drawn += g != 0;
                EXPECT_EQ(blend_test::get_pixel(*layer.surface, x + i, y + j), g != 0 ? g : under)
                    << "glyph " << int(code) << " pixel " << i << ", " << j;
            }
        }
        EXPECT_GT(drawn, 0) << "glyph " << int(code) << " is empty";
    }

    bool cell_untouched(vscreen_t& layer, int font, int32_t col, int32_t row, uint32_t under) {
        const sprite_record_t& f = g_screenctr.sprites[font];
        for (int32_t j = 0; j < f.cell_height; ++j) {
            for (int32_t i = 0; i < f.cell_width; ++i) {
                if (blend_test::get_pixel(*layer.surface, col * f.cell_width + i,
                                          row * (f.cell_height + 1) + j) != under) {
                    return false;
                }
            }
        }
        return true;
    }
};

constexpr int font = 0; // char001: 8 x 8 cells

} // namespace

TEST_F(vscreen, layers_have_their_size_a_black_key_and_a_black_picture) {
    vscreen_t layer(g_screenctr.presenter, 1);
    EXPECT_EQ(layer.width, 512);
    EXPECT_EQ(layer.height, 256);
    EXPECT_EQ(layer.clip.right, 512);
    EXPECT_EQ(layer.clip.bottom, 256);
    plat::color_key_t key{1, 1};
    ASSERT_EQ(layer.surface->surface->get_color_key(plat::ddckey_srcblt, &key), plat::dd_ok);
    EXPECT_EQ(key.color_space_low_value, 0u);
    EXPECT_THROW(vscreen_t(g_screenctr.presenter, 3), construction_error_t);
    EXPECT_THROW(vscreen_t(nullptr, 0), construction_error_t);

    // A layer around a surface neither sizes it nor deletes it.
    umlib::surface_t* own = g_screenctr.presenter->create_offscreen(16, 16);
    fill(*own, 0x555555);
    {
        vscreen_t wrapped(own);
        EXPECT_EQ(wrapped.owner, nullptr);
        EXPECT_EQ(wrapped.width, 0);
        EXPECT_EQ(blend_test::get_pixel(*own, 5, 5), 0u);
    }
    EXPECT_NE(own->surface, nullptr);
    g_screenctr.presenter->destroy_object(own);
}

TEST_F(vscreen, clear_fills_the_clip_rectangle_and_lowers_the_changed_flag) {
    vscreen_t layer(g_screenctr.presenter, 2);
    layer.clip = {0, 8, 256, 248};
    layer.draw_string(0, 2, "X", font);
    EXPECT_TRUE(layer.is_dirty());
    blend_test::put_pixel(*layer.surface, 0, 0, 0xFFFFFF);
    EXPECT_EQ(layer.clear(0x0000FF), plat::dd_ok);
    EXPECT_FALSE(layer.is_dirty());
    EXPECT_EQ(blend_test::get_pixel(*layer.surface, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(blend_test::get_pixel(*layer.surface, 100, 8), 0x0000FFu);
    EXPECT_EQ(blend_test::get_pixel(*layer.surface, 100, 248), 0u);
}

// 16 bits a pixel is the default mode; 32 the other drawing width.
class vscreen_depth : public screen_fixture_t, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        screen_fixture_t::SetUp();
        ASSERT_TRUE(start(GetParam()));
    }
};

INSTANTIATE_TEST_SUITE_P(depths, vscreen_depth, ::testing::Values(16, 32));

TEST_P(vscreen_depth, hit_test_wraps_around_the_layer_and_answers_only_while_locked) {
    vscreen_t layer(g_screenctr.presenter, 0);
    blend_test::put_pixel(*layer.surface, 1, 100, 0x000001);
    blend_test::put_pixel(*layer.surface, 511, 300, 0x000100);
    EXPECT_FALSE(layer.hit_test(0, 0, 512, 512)); // not locked
    layer.lock();
    ASSERT_TRUE(layer.locked);
    EXPECT_TRUE(layer.hit_test(510, 100, 4, 1)); // columns 510, 511, 0, 1
    EXPECT_FALSE(layer.hit_test(510, 100, 3, 1));
    EXPECT_TRUE(layer.hit_test(-1, 300, 1, 1)); // the last column
    EXPECT_TRUE(layer.hit_test(-511, 100 - 512, 1, 1));
    EXPECT_TRUE(layer.hit_test(511 + 512 * 3, 290, 1, 20));
    EXPECT_FALSE(layer.hit_test(2, 0, 509, 512));
    EXPECT_FALSE(layer.hit_test(1, 100, 0, 1));
    EXPECT_FALSE(layer.hit_test(1, 100, 1, -1));
    layer.unlock();
    EXPECT_FALSE(layer.locked);
    EXPECT_FALSE(layer.hit_test(1, 100, 1, 1));

    // The back buffer's layer has no size of its own to wrap by: outside its surface nothing is hit.
    mg_t& mg = *g_screenctr.mg;
    blend_test::put_pixel(*mg.surface, 255, 255, 0x7);
    mg.lock();
    EXPECT_TRUE(mg.hit_test(250, 250, 10, 10));
    EXPECT_FALSE(mg.hit_test(256, 0, 1000, 1000));
    mg.unlock();
}

TEST_F(vscreen, text_goes_on_the_font_grid_with_a_line_feed_back_to_the_start_column) {
    vscreen_t layer(g_screenctr.presenter, 2);
    layer.draw_string(2, 3, "A\nB", font);
    expect_glyph(layer, font, 'A', 16, 27, 0);
    expect_glyph(layer, font, 'B', 16, 36, 0);
    EXPECT_EQ(layer.cursor_col, 3);
    EXPECT_EQ(layer.cursor_row, 4);
    EXPECT_TRUE(layer.is_dirty());

    // Bytes above 127 take a cell without a glyph.
    layer.draw_string(0, 10, "\xC0Z", font);
    EXPECT_TRUE(cell_untouched(layer, font, 0, 10, 0));
    expect_glyph(layer, font, 'Z', 8, 90, 0);
}

TEST_F(vscreen, glyphs_are_clipped_to_the_clip_rectangle) {
    vscreen_t layer(g_screenctr.presenter, 2);
    layer.clip = {4, 4, 256, 248};
    layer.draw_string(0, 0, "H", font); // H's first column is at x 1, its rows from 0
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 8; ++x) {
            const uint32_t g =
                blend_test::get_pixel(*g_screenctr.sprites[font].surface, ('H' & 7) * 8 + x, 72 + y);
            const uint32_t expected = x >= 4 && y >= 4 ? g : 0;
            EXPECT_EQ(blend_test::get_pixel(*layer.surface, x, y), expected) << x << ", " << y;
        }
    }
    layer.clip = {0, 8, 256, 248};
    layer.draw_string(2, 0, "M", font); // the cell ends where the clip begins
    EXPECT_TRUE(cell_untouched(layer, font, 2, 0, 0));
    layer.draw_string(2, 1, "M", font);
    expect_glyph(layer, font, 'M', 16, 9, 0);
}

TEST_F(vscreen, a_sprite_without_a_surface_draws_nothing_and_moves_no_cursor) {
    vscreen_t layer(g_screenctr.presenter, 2);
    layer.cursor_col = 7;
    for (const int sprite : {-1, 10, 512}) {
        layer.draw_string(0, 0, "AB", sprite);
        layer.draw_number(0, 0, 12, 3, sprite, '0');
        layer.draw_text(0, 0, "AB", sprite, 0);
        layer.draw_text_ex(0, 0, 12, 3, sprite, 0, '0');
    }
    EXPECT_EQ(layer.cursor_col, 7);
    EXPECT_FALSE(layer.is_dirty());
    EXPECT_TRUE(cell_untouched(layer, font, 0, 0, 0));
}

TEST_F(vscreen, numbers_stand_right_aligned_before_col_plus_digits) {
    vscreen_t layer(g_screenctr.presenter, 2);
    layer.draw_number(0, 0, 123, 8, font, '0');
    expect_glyph(layer, font, '3', 64, 0, 0);
    expect_glyph(layer, font, '2', 56, 0, 0);
    expect_glyph(layer, font, '1', 48, 0, 0);
    for (int32_t col = 1; col <= 5; ++col) {
        expect_glyph(layer, font, '0', col * 8, 0, 0);
    }
    EXPECT_TRUE(cell_untouched(layer, font, 0, 0, 0));
    EXPECT_EQ(layer.cursor_col, 8);
    EXPECT_EQ(layer.cursor_row, 0);

    layer.draw_number(0, 2, -45, 4, font, ' ');
    expect_glyph(layer, font, '5', 32, 18, 0);
    expect_glyph(layer, font, '4', 24, 18, 0);
    expect_glyph(layer, font, '-', 16, 18, 0);
    EXPECT_TRUE(cell_untouched(layer, font, 1, 2, 0));
}

TEST_F(vscreen, blended_text_mixes_with_the_layer_by_the_weight_and_pads_stay_keyed) {
    vscreen_t layer(g_screenctr.presenter, 2);
    fill(*layer.surface, 0x204060);
    layer.draw_text(0, 0, "W", font, 0); // weight 0: the glyph as it is
    expect_glyph(layer, font, 'W', 0, 0, 0x204060);
    layer.draw_text(1, 0, "W", font, 256); // 256: the layer as it was
    EXPECT_TRUE(cell_untouched(layer, font, 1, 0, 0x204060));
    EXPECT_TRUE(layer.is_dirty());

    layer.draw_text(2, 0, "W", font, 128);
    const sprite_record_t& f = g_screenctr.sprites[font];
    int mixed = 0;
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 8; ++x) {
            const uint32_t g = blend_test::get_pixel(*f.surface, ('W' & 7) * 8 + x, ('W' >> 3) * 8 + y);
            const uint32_t d = blend_test::get_pixel(*layer.surface, 16 + x, y);
            if (g == 0) {
                EXPECT_EQ(d, 0x204060u);
                continue;
            }
            ++mixed;
            // Each channel half way between glyph and layer, truncated.
            const uint32_t expected = ((g >> 16 & 0xFF) + 0x20) / 2 << 16 |
                                      ((g >> 8 & 0xFF) + 0x40) / 2 << 8 | ((g & 0xFF) + 0x60) / 2;
            EXPECT_EQ(d, expected);
        }
    }
    EXPECT_GT(mixed, 0);

    // Digits and sign by the weight, pad characters with the key.
    layer.draw_text_ex(0, 2, -7, 3, font, 256, '*');
    expect_glyph(layer, font, '*', 8, 18, 0x204060);
    expect_glyph(layer, font, '*', 16, 18, 0x204060);
    EXPECT_TRUE(cell_untouched(layer, font, 3, 2, 0x204060));
    EXPECT_TRUE(cell_untouched(layer, font, 0, 2, 0x204060));
}
