#include "render/blend_weighted_add.h"
#include "tests/render/scenery_fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

using blend_test::get_pixel;
using blend_test::put_pixel;

namespace {

constexpr int picture = 10;      // a free sprite slot: 512 x 64 of pattern, so cells may reach past 256
constexpr int missing_image = 9; // a slot without a surface

class bg : public scenery_fixture_t {
  protected:
    // The screen manager in 0xA888, with the pattern picture planted; layer k.
    bg_t& ready(int k) {
        if (!start(32)) {
            throw std::runtime_error("no screen manager");
        }
        plant_image(picture, 512, 64, pattern);
        return layer(k);
    }
};

// Whether every pixel of the layer in r holds expected(x, y).
::testing::AssertionResult holds(bg_t& l, const plat::rect_t& r,
                                 const std::function<uint32_t(int32_t, int32_t)>& expected) {
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x) {
            if (get_pixel(*l.surface, x, y) != expected(x, y)) {
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << std::hex << get_pixel(*l.surface, x, y)
                       << ", not " << expected(x, y);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

uint32_t zero(int32_t, int32_t) {
    return 0;
}

} // namespace

TEST_F(bg, draw_map_copies_the_cells_into_its_quadrant_and_marks_it) {
    bg_t& l = ready(0);
    EXPECT_FALSE(l.is_dirty());
    const map_record_t map = map_of(picture, {{1, 2, 3, 1}, {4, 0, 1, 1}});
    l.draw_map(2, &map); // top right

    EXPECT_TRUE(l.is_dirty());
    EXPECT_EQ(l.quadrant_mask, 4u);
    EXPECT_EQ(l.map[2], &map);
    EXPECT_TRUE(holds(l, {264, 16, 288, 24}, [](int32_t x, int32_t y) { return pattern(x - 256, y); }));
    EXPECT_TRUE(holds(l, {288, 0, 296, 8}, [](int32_t x, int32_t y) { return pattern(x - 256, y); }));
    EXPECT_TRUE(holds(l, {256, 0, 264, 256}, zero));
    EXPECT_TRUE(holds(l, {0, 0, 256, 512}, zero));
}

TEST_F(bg, draw_map_erases_the_old_cells_first_even_for_the_same_record) {
    bg_t& l = ready(0);
    const map_record_t wide = map_of(picture, {{0, 0, 4, 2}});
    const map_record_t narrow = map_of(picture, {{0, 0, 1, 1}});
    l.draw_map(1, &wide);
    l.draw_map(1, &narrow);
    EXPECT_TRUE(holds(l, {0, 256, 8, 264}, [](int32_t x, int32_t y) { return pattern(x, y - 256); }));
    EXPECT_TRUE(holds(l, {8, 256, 32, 272}, zero));
    EXPECT_TRUE(holds(l, {0, 264, 8, 272}, zero));
    EXPECT_EQ(l.quadrant_mask, 2u);

    // Drawn again, a damaged cell comes back whole; a pixel outside every cell is not the map's to erase.
    put_pixel(*l.surface, 3, 259, 0x123456);
    put_pixel(*l.surface, 20, 259, 0x654321);
    l.draw_map(1, &narrow);
    EXPECT_EQ(get_pixel(*l.surface, 3, 259), pattern(3, 3));
    EXPECT_EQ(get_pixel(*l.surface, 20, 259), 0x654321u);
}

TEST_F(bg, a_record_without_a_picture_or_a_bad_quadrant_changes_nothing) {
    bg_t& l = ready(0);
    const map_record_t map = map_of(picture, {{0, 0, 2, 2}});
    l.draw_map(0, &map);
    const std::vector<uint32_t> before = blend_test::pixels(*l.surface);

    const plat::rect_t area{0, 0, 64, 64};
    for (const int32_t id : {-1, missing_image, 512, -2}) {
        const map_record_t other = map_of(id, {{4, 4, 2, 2}});
        l.draw_map(0, &other);
        l.draw_map(3, &other);
        l.draw_sprite(0, &other, &area, 0);
        l.draw_sprite(3, &other, &area, 100);
    }
    l.draw_map(0, nullptr);
    l.set_quadrant_map(3, nullptr);
    for (const int q : {-1, 4}) {
        l.draw_map(q, &map);
        l.draw_sprite(q, &map, &area, 0);
        l.set_quadrant_map(q, &map);
        l.clear_quadrant(q);
    }
    EXPECT_EQ(blend_test::pixels(*l.surface), before);
    EXPECT_EQ(l.map[0], &map);
    EXPECT_EQ(l.map[3], nullptr);
    EXPECT_EQ(l.quadrant_mask, 1u);
}

TEST_F(bg, cells_are_cut_at_the_layer_edge_and_their_erasure_too) {
    // A cell of quadrant 0 reaching past x 256 goes on into quadrant 2 of a wide layer.
    bg_t& wide = ready(0);
    const map_record_t straddling = map_of(picture, {{30, 1, 4, 1}});
    wide.draw_map(0, &straddling);
    EXPECT_TRUE(holds(wide, {240, 8, 272, 16}, pattern));
    EXPECT_EQ(wide.quadrant_mask, 1u);

    // On a 256 x 256 layer the same cell is cut at the layer's right edge.
    bg_t& small = layer(3);
    small.draw_map(0, &straddling);
    EXPECT_TRUE(holds(small, {240, 8, 256, 16}, pattern));
    // Its erasure is cut the same way, so the part inside goes.
    const map_record_t elsewhere = map_of(picture, {{0, 20, 1, 1}});
    small.draw_map(0, &elsewhere);
    EXPECT_TRUE(holds(small, {240, 8, 256, 16}, zero));

    // Quadrant 1 of a 512 x 256 layer lies outside it: nothing is drawn, but the map is recorded.
    bg_t& flat = layer(2);
    flat.draw_map(1, &elsewhere);
    EXPECT_TRUE(holds(flat, {0, 0, 512, 256}, zero));
    EXPECT_EQ(flat.quadrant_mask, 2u);
    EXPECT_EQ(flat.map[1], &elsewhere);
    EXPECT_TRUE(flat.is_dirty());
}

TEST_F(bg, clear_quadrant_empties_one_quadrant_and_clear_all_of_them) {
    bg_t& l = ready(0);
    const map_record_t map = map_of(picture, {{0, 0, 32, 8}});
    for (const int q : {0, 1, 2, 3}) {
        l.draw_map(q, &map);
    }
    l.dirty = 1; // as a crater leaves it
    l.clear_quadrant(3);
    EXPECT_TRUE(holds(l, {256, 256, 512, 320}, zero));
    EXPECT_TRUE(holds(l, {256, 0, 512, 64}, [](int32_t x, int32_t y) { return pattern(x - 256, y); }));
    EXPECT_EQ(l.quadrant_mask, 7u);
    EXPECT_EQ(l.map[3], nullptr);

    l.clear(0);
    EXPECT_FALSE(l.is_dirty());
    EXPECT_EQ(l.dirty, 0);
    EXPECT_EQ(l.map[0], nullptr);
    EXPECT_TRUE(holds(l, {0, 0, 512, 512}, zero));
}

TEST_F(bg, draw_sprite_repairs_an_area_by_plain_copy_or_weighted_add) {
    ASSERT_TRUE(start(32));
    // The picture's key pixels lie on every fifth column.
    plant_image(picture, 512, 64, [](int32_t x, int32_t y) { return x % 5 == 0 ? 0 : pattern(x, y); });
    bg_t& l = layer(0);
    const map_record_t map = map_of(picture, {});
    const uint32_t damaged = 0x00402010;
    for (int32_t y = 250; y < 330; ++y) {
        for (int32_t x = 0; x < 512; ++x) {
            put_pixel(*l.surface, x, y, damaged);
        }
    }

    // Weight 0: every pixel of the picture, key pixels included, inside the area only.
    const plat::rect_t copied{10, 260, 20, 270};
    l.draw_sprite(1, &map, &copied, 0);
    EXPECT_TRUE(holds(l, copied, [](int32_t x, int32_t y) { return x % 5 == 0 ? 0 : pattern(x, y - 256); }));
    EXPECT_TRUE(holds(l, {0, 250, 10, 330}, [&](int32_t, int32_t) { return damaged; }));
    EXPECT_TRUE(holds(l, {10, 270, 20, 330}, [&](int32_t, int32_t) { return damaged; }));
    EXPECT_EQ(l.map[1], &map);

    // Any other weight: key pixels keep the layer's, the rest add the layer's pixel weighted.
    const plat::rect_t added{30, 300, 41, 310};
    l.draw_sprite(1, &map, &added, 224);
    EXPECT_TRUE(holds(l, added, [&](int32_t x, int32_t y) {
        return x % 5 == 0 ? damaged
                          : blend::weighted_add_rule(224)(blend::format_a888{}, pattern(x, y - 256), damaged);
    }));
    EXPECT_TRUE(holds(l, {41, 300, 60, 310}, [&](int32_t, int32_t) { return damaged; }));

    // The picture ends 64 rows down its quadrant; an area beyond the layer draws nothing but still records.
    const plat::rect_t outside{600, 0, 610, 10};
    l.draw_sprite(3, &map, &outside, 0);
    EXPECT_EQ(l.map[3], &map);
    EXPECT_EQ(l.quadrant_mask, 0xAu);
}
