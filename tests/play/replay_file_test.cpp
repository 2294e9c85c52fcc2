#include "base/binio.h"
#include "play/replay_file.h"
#include "tests/shell/support.h"
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
    info.start_lives = 98;
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
    EXPECT_EQ(r.i32(), 98);
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
    EXPECT_EQ(header.start_lives, 98);
    EXPECT_EQ(header.input_length, 3);
}

TEST(replay_file, a_start_score_or_lives_out_of_bounds_is_brought_within_them_with_a_line) {
    temp_folder_t dir;
    struct row_t {
        int32_t score, lives, want_score, want_lives;
        const char* line; // the boot log's, or empty
    };
    const row_t rows[] = {
        {10000000, 99, 10000000, 99, ""},
        {0, 0, 0, 0, ""},
        {INT32_MAX, 99, 10000000, 99, "- run.ply: start_score 2147483647 を 10000000 にしました"},
        {-1, 5, 0, 5, "- run.ply: start_score -1 を 0 にしました"},
        {7, 100, 7, 99, "- run.ply: start_lives 100 を 99 にしました"},
        {7, -1, 7, 0, "- run.ply: start_lives -1 を 0 にしました"},
    };
    for (const row_t& r : rows) {
        std::filesystem::remove_all("log");
        playinfo_t info = sample_header();
        info.start_score = r.score;
        info.start_lives = r.lives;
        ASSERT_TRUE(write_file_bytes("run.ply", replay_file_bytes(info, {1})));
        playinfo_t header;
        std::vector<uint8_t> stream;
        ASSERT_TRUE(load_replay_file("run.ply", &header, stream));
        EXPECT_EQ(header.start_score, r.want_score) << r.score;
        EXPECT_EQ(header.start_lives, r.want_lives) << r.lives;
        const std::vector<std::string> log = file_lines("log/bootlog.txt");
        EXPECT_EQ(log.empty() ? "" : log.back(), r.line);
    }
}

// Each bad file is refused, names its fault, and leaves the live record and the stream as they were.
TEST(replay_file, every_bad_file_is_refused_by_its_first_bad_field_and_the_live_record_stays) {
    temp_folder_t dir;
    struct bad_t {
        const char* reason;
        int word; // header word to set, -1 none
        int32_t value;
        int cut; // bytes dropped from the end
    };
    const bad_t cases[] = {
        {"short header", -1, 0, 4},          {"invalid input_length", -1, 0, 1},
        {"invalid input_length", 14, 0, 0},  {"invalid input_length", 14, 0x7FFFFFFF, 0},
        {"invalid input_length", 14, -1, 0}, {"invalid level", 2, 0, 0},
        {"invalid level", 2, 9, 0},          {"invalid loop", 3, 0, 0},
        {"invalid loop", 3, 9, 0},           {"invalid ship_type", 8, -1, 0},
        {"invalid ship_type", 8, 4, 0},      {"invalid option_type", 12, 0, 0},
        {"invalid option_type", 12, 3, 0},   {"invalid powerup_mode", 10, 2, 0},
        {"invalid section", 7, -1, 0},       {"invalid section", 7, 0x8000, 0},
        {"invalid stage", 6, -1, 0},         {"invalid stage", 6, 1000, 0},
    };
    for (const bad_t& c : cases) {
        std::vector<uint8_t> bytes = replay_file_bytes(sample_header(), {1, 2, 3, 4});
        if (c.word >= 0) {
            for (int b = 0; b < 4; ++b) {
                bytes[size_t(c.word * 4 + b)] = uint8_t(uint32_t(c.value) >> (8 * b));
            }
        }
        bytes.resize(bytes.size() - size_t(c.cut) - (c.cut == 4 ? 56 : 0));
        ASSERT_TRUE(write_file_bytes("bad.ply", bytes));
        playinfo_t live;
        live.start_score = 777;
        std::vector<uint8_t> stream;
        std::string reason;
        EXPECT_FALSE(load_replay_file("bad.ply", &live, stream, &reason)) << c.reason;
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(live.start_score, 777) << c.reason;
        EXPECT_EQ(live.level, 2) << c.reason;
        EXPECT_TRUE(stream.empty());
    }
    std::string reason;
    playinfo_t live;
    std::vector<uint8_t> stream;
    EXPECT_FALSE(load_replay_file("none.ply", &live, stream, &reason));
    EXPECT_EQ(reason, "ファイルが見つかりません");
}

TEST(replay_file, a_written_file_reads_back_byte_for_byte) {
    temp_folder_t dir;
    const std::vector<uint8_t> bytes = replay_file_bytes(sample_header(), {7, 0x80, 0});
    ASSERT_TRUE(write_file_bytes("run.ply", bytes));
    playinfo_t header;
    std::vector<uint8_t> stream;
    ASSERT_TRUE(load_replay_file("run.ply", &header, stream));
    EXPECT_EQ(replay_file_bytes(header, stream), bytes);
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
