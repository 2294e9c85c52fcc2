#include "render/map_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct copy_t {
    plat::rect_t source;
    int32_t x, y;
};

bool operator==(const plat::rect_t& a, const plat::rect_t& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

map_record_t map_of(std::initializer_list<map_cell_t> cells) {
    map_record_t record{};
    for (const map_cell_t& cell : cells) {
        record.cells[size_t(record.count++)] = cell;
    }
    return record;
}

std::vector<copy_t> copies_of(const map_layer_view_t& view) {
    std::vector<copy_t> copies;
    for_each_cell_copy(view, [&](const plat::rect_t& source, int32_t x, int32_t y) {
        copies.push_back({source, x, y});
    });
    return copies;
}

} // namespace

TEST(map_geometry, quadrants_are_numbered_down_each_column) {
    EXPECT_TRUE(quadrant_rect(0) == (plat::rect_t{0, 0, 256, 256}));
    EXPECT_TRUE(quadrant_rect(1) == (plat::rect_t{0, 256, 256, 512}));
    EXPECT_TRUE(quadrant_rect(2) == (plat::rect_t{256, 0, 512, 256}));
    EXPECT_TRUE(quadrant_rect(3) == (plat::rect_t{256, 256, 512, 512}));
    EXPECT_TRUE(cell_rect({1, 2, 3, 4}, 256, 0) == (plat::rect_t{264, 16, 288, 48}));
}

TEST(map_geometry, renderers_visit_top_quadrants_first_and_copy_each_cell_four_times) {
    const map_record_t first = map_of({{0, 0, 1, 1}, {2, 0, 1, 1}});
    const map_record_t second = map_of({{0, 0, 2, 2}});
    // Quadrant 1 (bottom left) holds the first map, quadrant 2 (top right) the second; 0 and 3 are empty.
    const map_layer_view_t view{512, 256, 5, -3, {nullptr, &first, &second, nullptr}};
    const std::vector<copy_t> copies = copies_of(view);

    ASSERT_EQ(copies.size(), 12u);
    EXPECT_TRUE(copies[0].source == (plat::rect_t{256, 0, 272, 16})); // quadrant 2 before quadrant 1
    const int32_t expected[4][2] = {{261, -3}, {261 - 512, -3}, {261, -3 - 256}, {261 - 512, -3 - 256}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(copies[i].x, expected[i][0]);
        EXPECT_EQ(copies[i].y, expected[i][1]);
        EXPECT_TRUE(copies[i].source == copies[0].source);
    }
    EXPECT_TRUE(copies[4].source == (plat::rect_t{0, 256, 8, 264}));
    EXPECT_EQ(copies[4].y, 253);
    EXPECT_TRUE(copies[8].source == (plat::rect_t{16, 256, 24, 264})); // cells in their order
    EXPECT_EQ(copies[9].x, 21 - 512);

    EXPECT_TRUE(copies_of({512, 512, 0, 0, {}}).empty());
}

TEST(map_geometry, overlap_is_strict_and_a_copy_is_cut_at_every_clip_edge) {
    const plat::rect_t clip{0, 8, 256, 248};
    plat::rect_t destination{-16, 240, 0, 256}; // touches the left edge only
    plat::rect_t source{0, 0, 16, 16};
    EXPECT_FALSE(clip_copy(clip, destination, source));
    destination = {256, 100, 270, 110};
    EXPECT_FALSE(clip_copy(clip, destination, source));

    destination = {-5, 0, 11, 16};
    source = {100, 200, 116, 216};
    ASSERT_TRUE(clip_copy(clip, destination, source));
    EXPECT_TRUE(destination == (plat::rect_t{0, 8, 11, 16}));
    EXPECT_TRUE(source == (plat::rect_t{105, 208, 116, 216}));

    destination = {250, 240, 266, 256};
    source = {0, 0, 16, 16};
    ASSERT_TRUE(clip_copy(clip, destination, source));
    EXPECT_TRUE(destination == (plat::rect_t{250, 240, 256, 248}));
    EXPECT_TRUE(source == (plat::rect_t{0, 0, 6, 8}));

    // A rectangle of zero width strictly inside still overlaps: the copy happens and moves nothing.
    destination = {10, 10, 10, 20};
    source = {0, 0, 0, 10};
    EXPECT_TRUE(clip_copy(clip, destination, source));
}
