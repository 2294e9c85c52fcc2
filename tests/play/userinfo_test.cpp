#include "base/binio.h"
#include "play/userinfo.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(userinfo, a_missing_or_short_file_gives_the_defaults) {
    temp_folder_t dir;
    userinfo_t info;
    info.level = 5;
    EXPECT_EQ(userinfo_load(&info), load_status_t::missing);
    EXPECT_EQ(info.ending_reached, 0);
    EXPECT_EQ(info.level, 1);
    EXPECT_EQ(info.loop, 1);
    EXPECT_EQ(info.stage, 1);

    std::filesystem::create_directory("bin");
    ASSERT_TRUE(write_file_bytes("bin/userinfo.dat", std::vector<uint8_t>(15, 1)));
    info.loop = 4;
    EXPECT_EQ(userinfo_load(&info), load_status_t::malformed);
    EXPECT_EQ(info.loop, 1);
}

TEST(userinfo, sixteen_bytes_round_trip_with_zeros_in_the_unused_ones) {
    temp_folder_t dir;
    std::filesystem::create_directory("bin");
    const userinfo_t info{1, 7, 3, 5};
    ASSERT_TRUE(userinfo_save(&info));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(read_file_bytes("bin/userinfo.dat", bytes));
    const std::vector<uint8_t> expected = {1, 0, 0, 0, 7, 0, 0, 0, 3, 0, 0, 0, 5, 0, 0, 0};
    EXPECT_EQ(bytes, expected);

    userinfo_t back;
    ASSERT_EQ(userinfo_load(&back), load_status_t::loaded);
    EXPECT_EQ(back.ending_reached, 1);
    EXPECT_EQ(back.level, 7);
    EXPECT_EQ(back.loop, 3);
    EXPECT_EQ(back.stage, 5);
}

TEST(userinfo, stored_limits_are_bounded_before_use) {
    temp_folder_t dir;
    std::filesystem::create_directory("bin");
    byte_writer_t w;
    w.u8(9);
    w.bytes("\xAA\xBB\xCC", 3);
    w.i32(1000);
    w.i32(-3);
    w.i32(0x7FFFFFFF);
    ASSERT_TRUE(write_file_bytes("bin/userinfo.dat", w.data()));
    userinfo_t info;
    ASSERT_EQ(userinfo_load(&info), load_status_t::loaded);
    EXPECT_EQ(info.ending_reached, 1);
    EXPECT_EQ(info.level, max_level);
    EXPECT_EQ(info.loop, 1);
    EXPECT_EQ(info.stage, max_unlocked_stage);
}
