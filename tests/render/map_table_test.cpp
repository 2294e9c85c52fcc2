#include "render/map_table.h"
#include "base/binio.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sample_map_pictures.h"
#include "tools/sample/sample_maps.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

map_record_t record_of(int32_t id, int32_t count, map_cell_t first = {}) {
    map_record_t record{};
    record.id = id;
    record.count = count;
    record.cells[0] = first;
    return record;
}

class map_table : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory("bin");
        g_map_table.fill(record_of(-1, 0));
    }
    void write(const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(write_file_bytes(".\\bin\\maptbl.dat", bytes));
    }

    temp_folder_t folder;
};

} // namespace

TEST_F(map_table, loads_all_records_and_finds_the_first_with_an_id) {
    write(map_table_file({record_of(7, 1, {1, 2, 3, 4}), record_of(0, 0), record_of(7, 2)}));
    ASSERT_TRUE(load_map_table(".\\bin\\maptbl.dat"));

    const map_record_t* seven = find_map(7);
    ASSERT_EQ(seven, &g_map_table[0]);
    EXPECT_EQ(seven->count, 1);
    EXPECT_EQ(seven->cells[0].x, 1);
    EXPECT_EQ(seven->cells[0].h, 4);
    EXPECT_EQ(find_map(0), &g_map_table[1]);
    EXPECT_EQ(find_map(-1), &g_map_table[3]); // unused records
    EXPECT_EQ(find_map(8), nullptr);
}

// A picture is copied whole when a crater is repaired, so it must hold picture exactly where its cells are.
TEST(sample_maps, pictures_are_opaque_inside_their_cells_and_transparent_outside) {
    const struct {
        sample_picture_t picture;
        map_record_t map;
    } maps[] = {{band_picture(), sample_band_map()}, {backdrop_picture(), sample_backdrop_map()}};
    for (const auto& m : maps) {
        for (int32_t y = 0; y < m.picture.height; ++y) {
            for (int32_t x = 0; x < m.picture.width; ++x) {
                bool in_cell = false;
                for (const map_cell_t& cell : used_cells(m.map)) {
                    in_cell |= x >= 8 * cell.x && x < 8 * (cell.x + cell.w) && y >= 8 * cell.y &&
                               y < 8 * (cell.y + cell.h);
                }
                ASSERT_EQ(m.picture.pixels[size_t(y) * m.picture.width + x] != 0, in_cell)
                    << m.map.id << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(map_table, wrong_size_fails_and_keeps_the_loaded_table) {
    write(map_table_file({record_of(3, 0)}));
    ASSERT_TRUE(load_map_table(".\\bin\\maptbl.dat"));

    std::vector<uint8_t> bytes = map_table_file({record_of(9, 0)});
    bytes.pop_back();
    write(bytes);
    EXPECT_FALSE(load_map_table(".\\bin\\maptbl.dat"));
    bytes.push_back(0);
    bytes.push_back(0);
    write(bytes);
    EXPECT_FALSE(load_map_table(".\\bin\\maptbl.dat"));
    EXPECT_FALSE(load_map_table(".\\bin\\missing.dat"));

    EXPECT_NE(find_map(3), nullptr);
    EXPECT_EQ(find_map(9), nullptr);
}

TEST_F(map_table, cell_counts_are_bounded_to_the_record) {
    write(map_table_file({record_of(1, 513), record_of(2, -5), record_of(3, 512)}));
    ASSERT_TRUE(load_map_table(".\\bin\\maptbl.dat"));
    EXPECT_EQ(find_map(1)->count, 512);
    EXPECT_EQ(find_map(2)->count, 0);
    EXPECT_EQ(find_map(3)->count, 512);

    // Records made in memory are bounded where they are walked.
    EXPECT_EQ(used_cells(record_of(4, 100000)).size(), 512u);
    EXPECT_EQ(used_cells(record_of(4, -1)).size(), 0u);
    EXPECT_EQ(used_cells(record_of(4, 3)).size(), 3u);
}
