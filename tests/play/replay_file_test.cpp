#include "play/replay_file.h"
#include "base/binio.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sample.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

playinfo_t sample_header() {
    playinfo_t info;
    info.level = 4;
    info.loop = 2;
    info.start_score = 12345;
    info.start_lives = 150;
    info.ship_type = 3;
    info.random_seed = 99;
    return info;
}

} // namespace

TEST(replay_file, the_record_is_sixty_bytes_in_field_order_followed_by_the_stream) {
    const std::vector<uint8_t> bytes = replay_file_bytes(sample_header(), {0x10, 0x81});
    ASSERT_EQ(bytes.size(), 62u);
    byte_reader_t r(bytes);
    EXPECT_EQ(r.i32(), 185);
    EXPECT_EQ(r.i32(), 0);
    EXPECT_EQ(r.i32(), 4);
    EXPECT_EQ(r.i32(), 2);
    EXPECT_EQ(r.i32(), 12345);
    EXPECT_EQ(r.i32(), 150);
    r.skip(8);
    EXPECT_EQ(r.i32(), 3);
    r.skip(16);
    EXPECT_EQ(r.i32(), 99);
    EXPECT_EQ(r.i32(), 2);
    EXPECT_EQ(r.u8(), 0x10);
    EXPECT_EQ(r.u8(), 0x81);
}

TEST(replay_file, loads_exactly_the_announced_stream_and_ignores_what_follows) {
    temp_folder_t dir;
    std::vector<uint8_t> bytes = replay_file_bytes(sample_header(), {1, 2, 3});
    bytes.push_back(0xEE);
    ASSERT_TRUE(write_file_bytes("run.ply", bytes));
    playinfo_t header;
    std::vector<uint8_t> stream;
    ASSERT_TRUE(load_replay_file("run.ply", &header, stream));
    EXPECT_EQ(stream, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(header.start_lives, 150);
    EXPECT_EQ(header.input_length, 3);
}

TEST(replay_file, missing_short_empty_or_overlong_announcements_fail) {
    temp_folder_t dir;
    playinfo_t header;
    std::vector<uint8_t> stream;
    EXPECT_FALSE(load_replay_file("none.ply", &header, stream));

    ASSERT_TRUE(write_file_bytes("short.ply", std::vector<uint8_t>(59, 0)));
    EXPECT_FALSE(load_replay_file("short.ply", &header, stream));

    ASSERT_TRUE(write_file_bytes("empty.ply", replay_file_bytes(sample_header(), {})));
    EXPECT_FALSE(load_replay_file("empty.ply", &header, stream));

    // The header of a file whose stream is short still reaches the record.
    std::vector<uint8_t> cut = replay_file_bytes(sample_header(), {1, 2, 3, 4});
    cut.pop_back();
    ASSERT_TRUE(write_file_bytes("cut.ply", cut));
    header = playinfo_t{};
    EXPECT_FALSE(load_replay_file("cut.ply", &header, stream));
    EXPECT_EQ(header.start_score, 12345);
    EXPECT_TRUE(stream.empty());

    // An announced length far beyond the file fails without taking that memory.
    std::vector<uint8_t> huge = replay_file_bytes(sample_header(), {1});
    huge[56] = 0xFF;
    huge[57] = 0xFF;
    huge[58] = 0xFF;
    huge[59] = 0x7F;
    ASSERT_TRUE(write_file_bytes("huge.ply", huge));
    EXPECT_FALSE(load_replay_file("huge.ply", &header, stream));
    huge[59] = 0xFF; // negative
    ASSERT_TRUE(write_file_bytes("negative.ply", huge));
    EXPECT_FALSE(load_replay_file("negative.ply", &header, stream));
}

TEST(replay_file, the_sample_demos_are_four_valid_replays_one_per_ship_type) {
    temp_folder_t dir;
    std::string error;
    ASSERT_TRUE(make_sample(".", error)) << error;
    for (int demo = 0; demo < 4; ++demo) {
        playinfo_t header;
        std::vector<uint8_t> stream;
        ASSERT_TRUE(load_replay_file(".\\bin\\demoplay" + std::to_string(demo) + ".ply", &header, stream));
        EXPECT_EQ(header.version, 185);
        EXPECT_EQ(header.ship_type, demo);
        EXPECT_GE(header.stage, 1);
        EXPECT_EQ(size_t(header.input_length), stream.size());
    }
}
