#include "render/map_geometry.h"
#include "tests/render/scenery_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct copy_t {
    plat::rect_t source;
    int32_t x, y;
};

std::vector<copy_t> copies_of(const map_layer_view_t& view) {
    std::vector<copy_t> copies;
    for_each_cell_copy(view, [&](const plat::rect_t& source, int32_t x, int32_t y) {
        copies.push_back({source, x, y});
    });
    return copies;
}

} // namespace

TEST(map_geometry, renderers_visit_top_quadrants_first_and_copy_each_cell_four_times) {
    const map_record_t first = map_of(0, {{0, 0, 1, 1}, {2, 0, 1, 1}});
    const map_record_t second = map_of(0, {{0, 0, 2, 2}});
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
