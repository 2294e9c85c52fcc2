#include "objects/objectinfo.h"

#include "base/binio.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/objectinfo_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Unused records (id -1) behind the given ones.
std::vector<uint8_t> table_with(std::initializer_list<std::pair<int32_t, int32_t>> ids_and_hit_points) {
    std::vector<objectinfo_t> records;
    for (const auto& [id, hit_points] : ids_and_hit_points) {
        const int32_t score = 100 + int32_t(records.size()); // tells the records apart
        records.push_back({id, 16, 12, hit_points, 3, score, 7, 1, 0});
    }
    return encode_objectinfo(records);
}

class objectinfo_file : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directory("bin"); }
    bool load(const std::vector<uint8_t>& bytes, int32_t level) {
        return write_file_bytes(".\\bin\\objectinfo.dat", bytes) &&
               objectinfo_load(".\\bin\\objectinfo.dat", level);
    }
    temp_folder_t folder;
};

} // namespace

TEST_F(objectinfo_file, records_are_read_field_by_field_and_found_by_first_id) {
    ASSERT_TRUE(load(table_with({{5, 10}, {9, 20}, {5, 30}}), 1));
    const objectinfo_t* five = objectinfo_find(5);
    ASSERT_NE(five, nullptr);
    EXPECT_EQ(five->hit_points, 10);
    EXPECT_EQ(five->score, 100);
    EXPECT_EQ(five->width, 16);
    EXPECT_EQ(five->height, 12);
    EXPECT_EQ(five->contact_damage, 3);
    EXPECT_EQ(five->image_id, 7);
    EXPECT_EQ(five->list_index, 1);
    EXPECT_EQ(objectinfo_find(9)->score, 101);
    EXPECT_EQ(objectinfo_find(4), nullptr);
    EXPECT_EQ(objectinfo_find(-1), nullptr); // even though unused records carry -1
}

TEST_F(objectinfo_file, the_level_toughens_records_of_3000_hit_points_or_more_without_accumulating) {
    const auto bytes = table_with({{1, 3000}, {2, 2999}, {3, INT32_MAX - 10}});
    ASSERT_TRUE(load(bytes, 3));
    EXPECT_EQ(objectinfo_find(1)->hit_points, 5000);
    EXPECT_EQ(objectinfo_find(2)->hit_points, 2999);
    EXPECT_EQ(objectinfo_find(3)->hit_points, INT32_MAX);
    ASSERT_TRUE(load(bytes, 3));
    EXPECT_EQ(objectinfo_find(1)->hit_points, 5000);
    ASSERT_TRUE(load(bytes, 8));
    EXPECT_EQ(objectinfo_find(1)->hit_points, 10000);
    ASSERT_TRUE(load(bytes, 1));
    EXPECT_EQ(objectinfo_find(1)->hit_points, 3000);
    // Levels outside 1..8 are bounded first.
    ASSERT_TRUE(load(bytes, 50));
    EXPECT_EQ(objectinfo_find(1)->hit_points, 10000);
    ASSERT_TRUE(load(bytes, -3));
    EXPECT_EQ(objectinfo_find(1)->hit_points, 3000);
}

TEST_F(objectinfo_file, a_file_of_the_wrong_size_fails_and_leaves_the_table_alone) {
    ASSERT_TRUE(load(table_with({{77, 1}}), 1));
    auto shorter = table_with({{88, 1}});
    shorter.pop_back();
    EXPECT_FALSE(load(shorter, 1));
    auto longer = table_with({{88, 1}});
    longer.push_back(0);
    EXPECT_FALSE(load(longer, 1));
    EXPECT_FALSE(objectinfo_load(".\\bin\\missing.dat", 1));
    EXPECT_NE(objectinfo_find(77), nullptr);
    EXPECT_EQ(objectinfo_find(88), nullptr);
}
