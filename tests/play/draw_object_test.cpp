#include "objects/object.h"
#include "objects/play_globals.h"
#include "play/draw_object.h"
#include "screen/sprite_record.h"
#include "screen/vscreen.h"
#include "tests/objects/records.h"
#include "tests/render/blend_surfaces.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace {

constexpr int32_t cells16 = 0; // 16 x 16 cells of the coded sheet
constexpr int32_t cells32 = 1; // 32 x 32 cells of the same sheet
constexpr int32_t cells32x16 = 2;
constexpr int32_t red = 3; // a 16 x 16 sheet of pure red
constexpr int32_t unloaded = 4;

// Each sheet pixel tells where it came from: 0x8000 | row << 7 | column.
uint32_t code_of(int32_t column, int32_t row) {
    return 0x8000u | uint32_t(row) << 7 | uint32_t(column);
}

using box_t = std::array<int32_t, 4>;

class draw_object_test : public ::testing::Test {
  protected:
    void SetUp() override {
        kept_table = g_sprite_table;
        kept_code = pixel_format_code;
        pixel_format_code = 0x565;
        const blend_test::format_t& f565 = blend_test::formats[1];
        sheet = surfaces.make(f565, 128, 64);
        for (int32_t y = 0; y < 64; ++y) {
            for (int32_t x = 0; x < 128; ++x) {
                blend_test::put_pixel(*sheet, x, y, code_of(x, y));
            }
        }
        blend_test::set_key(*sheet, 0);
        flat = surfaces.make(f565, 16, 16);
        for (int32_t y = 0; y < 16; ++y) {
            for (int32_t x = 0; x < 16; ++x) {
                blend_test::put_pixel(*flat, x, y, 0xF800);
            }
        }
        blend_test::set_key(*flat, 0);
        table[cells16] = {"a", sheet.get(), 0, 16, 16};
        table[cells32] = {"b", sheet.get(), 0, 32, 32};
        table[cells32x16] = {"c", sheet.get(), 0, 32, 16};
        table[red] = {"d", flat.get(), 0, 16, 16};
        table[unloaded] = {"e", nullptr, 0, 16, 16};
        g_sprite_table = table;
        back = surfaces.make(f565, 256, 256);
        screen = std::make_unique<vscreen_t>(back.get());
    }
    void TearDown() override {
        g_sprite_table = kept_table;
        pixel_format_code = kept_code;
    }

    uint32_t at(int32_t x, int32_t y) { return blend_test::get_pixel(*back, x, y); }
    // The smallest rectangle around every drawn pixel; empty when nothing was drawn.
    box_t drawn_box() {
        box_t box{256, 256, 0, 0};
        for (int32_t y = 0; y < 256; ++y) {
            for (int32_t x = 0; x < 256; ++x) {
                if (at(x, y) != 0) {
                    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1),
                           std::max(box[3], y + 1)};
                }
            }
        }
        return box;
    }

    blend_test::surfaces_t surfaces;
    std::unique_ptr<umlib::surface_t> sheet, flat, back;
    std::unique_ptr<vscreen_t> screen;
    sprite_record_t table[sprite_table_size];
    sprite_record_t* kept_table = nullptr;
    int32_t kept_code = 0;
};

class test_object_t : public object_t {
  public:
    using object_t::object_t;
    int32_t scale() override { return draw_scale; }
    int32_t draw_scale = 100;
};

} // namespace

TEST_F(draw_object_test, a_pattern_picks_its_cell_of_eight_to_a_row_centred_on_the_point) {
    draw_cell_keyed(screen.get(), cells16, 10, 100, 60);
    EXPECT_EQ(at(92, 52), code_of(32, 16));
    EXPECT_EQ(at(107, 67), code_of(47, 31));
    EXPECT_EQ(drawn_box(), (box_t{92, 52, 108, 68}));
    draw_cell_keyed(screen.get(), cells16, 7, 200, 200);
    EXPECT_EQ(at(192, 192), code_of(112, 0));
}

TEST_F(draw_object_test, a_cell_over_the_left_edge_copies_its_right_columns) {
    draw_cell_keyed(screen.get(), cells32, 0, 4, 100);
    EXPECT_EQ(at(0, 84), code_of(12, 0));
    EXPECT_EQ(at(19, 84), code_of(31, 0));
    EXPECT_EQ(drawn_box(), (box_t{0, 84, 20, 116}));
}

TEST_F(draw_object_test, positions_are_truncated_toward_zero) {
    const objectinfo_t info{1, 16, 16, 1, 0, 0, cells32, 0, 0};
    for (const auto& [x, column] : {std::pair{-0.5f, 16}, std::pair{-1.5f, 17}}) {
        screen->clear(0);
        test_object_t object(&info, x, 100);
        draw_object(&object, screen.get(), true, true);
        EXPECT_EQ(at(0, 84), code_of(column, 0)) << x;
    }
}

TEST_F(draw_object_test, a_doubled_cell_fills_twice_its_size_around_the_point) {
    draw_cell_scaled(screen.get(), cells32x16, 0, 100, 50, 200);
    EXPECT_EQ(drawn_box(), (box_t{68, 34, 132, 66}));
    EXPECT_EQ(at(69, 35), code_of(0, 0));
    EXPECT_EQ(at(131, 65), code_of(31, 15));
}

TEST_F(draw_object_test, the_flash_wins_over_the_blend_and_the_scale_over_both) {
    const objectinfo_t info{1, 16, 16, 1, 0, 0, red, 0, 128};
    test_object_t object(&info, 100, 100);
    object.last_hit = g_frame_counter;
    draw_object(&object, screen.get(), true, true);
    EXPECT_EQ(at(100, 100), 0xFBEFu); // red halfway to white
    object.last_hit = g_frame_counter + 1;
    draw_object(&object, screen.get(), true, true);
    EXPECT_EQ(at(100, 100), 0xF9E7u); // half of the lightened red and red
    screen->clear(0);
    object.last_hit = g_frame_counter;
    object.draw_scale = 101;
    draw_object(&object, screen.get(), true, true);
    EXPECT_EQ(at(100, 100), 0xF800u);
    screen->clear(0);
    draw_object(&object, screen.get(), true, false); // the scale not honoured: the flash again
    EXPECT_EQ(at(100, 100), 0xFBEFu);
}

TEST_F(draw_object_test, cells_that_cannot_be_drawn_draw_nothing_and_mark_the_screen_as_the_rules_say) {
    // Kinds as bits: 1 keyed, 2 blended, 4 flash, 8 scaled (at 150 unless the case gives a scale).
    struct case_t {
        const char* what;
        int32_t image, pattern, scale, format;
        unsigned drawn;
        bool dirty;
    };
    const case_t cases[] = {
        {"unloaded image", unloaded, 0, 150, 0x565, 0, false},
        {"image -1", -1, 0, 150, 0x565, 0, false},
        {"pattern below the sheet", cells16, 32, 150, 0x565, 0, true},
        {"negative pattern", cells16, -1, 150, 0x565, 0, true},
        {"scale 0", cells16, 0, 0, 0x565, 1 | 2 | 4, true},
        {"negative scale", cells16, 0, -50, 0x565, 1 | 2 | 4, true},
        {"a format without blitter", cells16, 0, 150, 0x332, 1 | 8, true},
    };
    for (const case_t& c : cases) {
        pixel_format_code = c.format;
        for (unsigned kind = 1; kind <= 8; kind <<= 1) {
            screen->clear(0);
            if (kind == 1) {
                draw_cell_keyed(screen.get(), c.image, c.pattern, 100, 100);
            } else if (kind == 2) {
                draw_cell_blended(screen.get(), c.image, c.pattern, 100, 100, 128);
            } else if (kind == 4) {
                draw_cell_flash(screen.get(), c.image, c.pattern, 100, 100);
            } else {
                draw_cell_scaled(screen.get(), c.image, c.pattern, 100, 100, c.scale);
            }
            EXPECT_EQ(drawn_box()[2] != 0, (c.drawn & kind) != 0) << c.what << ", kind " << kind;
            EXPECT_EQ(screen->dirty != 0, c.dirty) << c.what << ", kind " << kind;
        }
    }
}

TEST_F(draw_object_test, a_huge_scale_covers_the_screen_without_overflowing) {
    for (int32_t scale : {1 << 20, INT_MAX}) {
        screen->clear(0);
        draw_cell_scaled(screen.get(), cells16, 0, 100, 100, scale);
        EXPECT_EQ(drawn_box(), (box_t{0, 0, 256, 256})) << scale;
    }
}
