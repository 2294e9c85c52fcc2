#include "screen/sprite_record.h"
#include "base/binio.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> table_with(int index, const sprite_record_t& record) {
    byte_writer_t w;
    for (int i = 0; i < sprite_table_size; ++i) {
        write_sprite_record(w, i == index ? record : sprite_record_t{});
    }
    return w.data();
}

} // namespace

TEST(sprite_table, records_are_read_field_by_field_at_their_offsets) {
    std::vector<uint8_t> file = table_with(5, {"image\\char001.bmp", nullptr, 0x00FF00FF, 8, 6});
    ASSERT_EQ(file.size(), 40960u);
    // The stored surface field means nothing.
    file[5 * 80 + 64] = 0xAB;
    std::vector<sprite_record_t> table(sprite_table_size);
    table[7].cell_width = 99; // overwritten by the load
    ASSERT_TRUE(read_sprite_table(file.data(), file.size(), table.data()));
    EXPECT_EQ(table[5].path, "image\\char001.bmp");
    EXPECT_EQ(table[5].surface, nullptr);
    EXPECT_EQ(table[5].color_key, 0x00FF00FFu);
    EXPECT_EQ(table[5].cell_width, 8);
    EXPECT_EQ(table[5].cell_height, 6);
    EXPECT_TRUE(table[4].path.empty());
    EXPECT_EQ(table[7].cell_width, 0);
}

TEST(sprite_table, a_short_table_is_refused_and_a_path_without_its_zero_keeps_64_characters) {
    std::vector<uint8_t> file = table_with(0, {});
    std::vector<sprite_record_t> table(sprite_table_size);
    EXPECT_FALSE(read_sprite_table(file.data(), file.size() - 1, table.data()));

    for (int i = 0; i < 64; ++i) {
        file[80 + i] = uint8_t('a' + i % 26);
    }
    file[80 + 64] = 'Z'; // the surface field right behind is not part of the path
    ASSERT_TRUE(read_sprite_table(file.data(), file.size(), table.data()));
    EXPECT_EQ(table[1].path.size(), 64u);
    EXPECT_EQ(table[1].path.back(), 'l');
}
