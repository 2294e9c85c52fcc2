#include "base/binio.h"
#include "play/ranking.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

ranking_record_t record_of(const char* name, int32_t score) {
    ranking_record_t r;
    std::strcpy(r.name, name);
    r.score = score;
    return r;
}

std::vector<uint8_t> file_bytes(const char* path) {
    std::vector<uint8_t> bytes;
    read_file_bytes(path, bytes);
    return bytes;
}

// A 40-byte record written field by field, independent of the table's own writer.
void put_record(byte_writer_t& w, const char (&name)[16], int32_t score, int32_t level, int32_t loop,
                int32_t stage, int32_t section) {
    w.bytes(name, 16);
    w.i32(1);
    w.i32(score);
    w.i32(level);
    w.i32(loop);
    w.i32(stage);
    w.i32(section);
}

} // namespace

TEST(ranking, defaults_follow_the_three_blocks_and_stay_sorted) {
    ranking_t table;
    table.set_default();
    // The first and last rank of each block of ten: index, score, stage, section.
    const int32_t edges[6][4] = {{0, 738950, 3, 14}, {9, 599450, 3, 5},   {10, 465000, 2, 17},
                                 {19, 165300, 2, 8}, {20, 125000, 1, 13}, {29, 116000, 1, 4}};
    for (const auto& e : edges) {
        const ranking_record_t& r = table.records[e[0]];
        EXPECT_STREQ(r.name, "---");
        EXPECT_EQ(r.score, e[1]);
        EXPECT_EQ(r.stage, e[2]);
        EXPECT_EQ(r.section, e[3]);
        EXPECT_EQ(r.level * r.loop * r.reserved, 1);
    }
    for (int i = 1; i < ranking_t::record_count; ++i) {
        EXPECT_GE(table.records[i - 1].score, table.records[i].score);
    }
}

TEST(ranking, equal_scores_go_below_and_rank_thirty_ties_are_refused) {
    ranking_t table;
    table.set_default();
    EXPECT_FALSE(table.insert(record_of("TIE30", 116000)));
    EXPECT_EQ(table.new_entry, ranking_t::no_entry);
    EXPECT_EQ(table.records[29].score, 116000);

    ASSERT_TRUE(table.insert(record_of("NEW30", 116001)));
    EXPECT_EQ(table.new_entry, 29);
    EXPECT_STREQ(table.records[29].name, "NEW30");

    ASSERT_TRUE(table.insert(record_of("TIE1", 738950)));
    EXPECT_EQ(table.new_entry, 1);
    EXPECT_STREQ(table.records[0].name, "---");
    EXPECT_EQ(table.records[2].score, 723450); // the former rank 2 moved down

    ASSERT_TRUE(table.insert(record_of("TIE1B", 738950)));
    EXPECT_EQ(table.new_entry, 2);
    EXPECT_STREQ(table.records[1].name, "TIE1");
}

TEST(ranking, insert_at_the_top_drops_rank_thirty_and_negative_scores_never_enter) {
    ranking_t table;
    table.set_default();
    ASSERT_TRUE(table.insert(record_of("TOP", 9000000)));
    EXPECT_EQ(table.new_entry, 0);
    EXPECT_EQ(table.new_entry_record(), &table.records[0]); // rank 1 is a new entry like any other
    EXPECT_EQ(table.records[1].score, 738950);
    EXPECT_EQ(table.records[29].score, 117000);

    ranking_t cleared; // every score 0
    EXPECT_FALSE(cleared.insert(record_of("NEG", -5)));
    EXPECT_FALSE(cleared.insert(record_of("ZERO", 0)));
    EXPECT_TRUE(cleared.insert(record_of("ONE", 1)));
}

TEST(ranking, a_file_loads_and_saves_byte_for_byte) {
    temp_folder_t dir;
    std::filesystem::create_directory("bin");
    byte_writer_t w;
    for (int i = 0; i < ranking_t::record_count; ++i) {
        const char name[16] = {'P', char('A' + i), 0};
        put_record(w, name, 1000000 - i * 7, 1 + i % 8, 2, 3 + i % 3, i);
    }
    write_file_bytes("bin/ranking.dat", w.data());

    ranking_t table;
    ASSERT_EQ(table.load(), load_status_t::loaded);
    EXPECT_STREQ(table.records[3].name, "PD");
    EXPECT_EQ(table.records[3].score, 999979);
    EXPECT_EQ(table.records[3].level, 4);
    EXPECT_EQ(table.records[3].stage, 3);
    EXPECT_EQ(table.records[29].section, 29);

    std::filesystem::remove("bin/ranking.dat");
    ASSERT_TRUE(table.save());
    EXPECT_EQ(file_bytes("bin/ranking.dat"), w.data());
    EXPECT_FALSE(std::filesystem::exists("bin/ranking.dat.tmp"));
}

TEST(ranking, names_are_cut_at_sixteen_bytes_and_junk_behind_them_is_not_written) {
    temp_folder_t dir;
    std::filesystem::create_directory("bin");
    byte_writer_t w;
    const char unterminated[16] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H',
                                   'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P'};
    const char junk_behind[16] = {'A', 'L', 0, 'x', 'y', 'z'};
    put_record(w, unterminated, 50, 1, 1, 1, 0);
    for (int i = 1; i < ranking_t::record_count; ++i) {
        put_record(w, junk_behind, 40, 1, 1, 1, 0);
    }
    write_file_bytes("bin/ranking.dat", w.data());

    ranking_t table;
    ASSERT_EQ(table.load(), load_status_t::loaded);
    EXPECT_STREQ(table.records[0].name, "ABCDEFGHIJKLMNO");
    EXPECT_STREQ(table.records[1].name, "AL");
    ASSERT_TRUE(table.save());
    const std::vector<uint8_t> saved = file_bytes("bin/ranking.dat");
    ASSERT_EQ(saved.size(), size_t(ranking_t::file_size));
    EXPECT_EQ(saved[15], 0);
    for (int i = 2; i < 16; ++i) {
        EXPECT_EQ(saved[40 + i], 0) << "byte " << i << " behind the second name";
    }
}

TEST(ranking, short_or_missing_files_fail_and_leave_the_table_alone_while_longer_ones_load) {
    temp_folder_t dir;
    ranking_t table;
    table.set_default();
    EXPECT_EQ(table.load(), load_status_t::missing); // no bin folder at all

    std::filesystem::create_directory("bin");
    write_file_bytes("bin/ranking.dat", std::vector<uint8_t>(ranking_t::file_size - 1, 0x41));
    EXPECT_EQ(table.load(), load_status_t::malformed);
    EXPECT_STREQ(table.records[0].name, "---");
    EXPECT_EQ(table.records[0].score, 738950);

    std::vector<uint8_t> longer(ranking_t::file_size + 10, 0);
    longer[20] = 7; // score of rank 1
    write_file_bytes("bin/ranking.dat", longer);
    ASSERT_EQ(table.load(), load_status_t::loaded);
    EXPECT_EQ(table.records[0].score, 7);
    EXPECT_STREQ(table.records[0].name, "");
}
