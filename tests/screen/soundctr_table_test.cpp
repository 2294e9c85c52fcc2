#include "base/bootlog.h"
#include "platform/dm_performance.h"
#include "screen/sound_table.h"
#include "tests/screen/sound_fixture.h"

#include <vector>

namespace {

std::vector<int32_t> reported;

void record_progress(plat::hwnd_t, int32_t percent) {
    reported.push_back(percent);
}

using soundctr_table = sound_fixture_t;

} // namespace

TEST_F(soundctr_table, the_sample_effect_table_loads_with_progress_per_id) {
    reported.clear();
    sound.progress = record_progress;
    ASSERT_TRUE(sound.load_se_table(".\\bin\\setbl.txt"));
    const std::vector<int> ids = {0,  3,  4,  5,  6,  8,  9,  13, 14, 15,  17,  28,  32,
                                  33, 47, 80, 81, 82, 83, 84, 85, 86, 100, 101, 102, 104};
    for (int id = 0; id < soundctr_t::se_count; ++id) {
        const bool listed = std::find(ids.begin(), ids.end(), id) != ids.end();
        EXPECT_EQ(sound.se_segments[size_t(id)] != nullptr, listed) << id;
    }
    ASSERT_EQ(reported.size(), ids.size() + 1);
    const std::vector<int32_t> first = {0, 1, 2, 3, 3, 4};
    EXPECT_TRUE(std::equal(first.begin(), first.end(), reported.begin()));
    EXPECT_EQ(reported[ids.size() - 1], int32_t(ids.size() * 100 / 128));
    EXPECT_EQ(reported.back(), 100);
}

TEST_F(soundctr_table, a_missing_effect_table_is_a_silent_game_at_100_percent_and_a_logged_one) {
    reported.clear();
    sound.progress = record_progress;
    bootlog_reset();
    EXPECT_TRUE(sound.load_se_table(".\\bin\\nothing.txt"));
    EXPECT_EQ(reported, std::vector<int32_t>{100});
    EXPECT_EQ(boot_log(), "* Error: .\\bin\\nothing.txt が見つかりません\n");
}

// An id's later line replaces its earlier ones, so a long table loads each id once, and lines past the
// cap are not read.
TEST_F(soundctr_table, only_the_last_line_of_an_id_is_loaded) {
    std::string table;
    for (size_t i = 0; i < max_table_lines + 10; ++i) {
        table += "5 .\\bin\\sound\\se005.wav\n";
    }
    write_text("se.txt", table + "6 .\\bin\\sound\\se005.wav\n");
    reported.clear();
    sound.progress = record_progress;
    bootlog_reset();
    EXPECT_TRUE(sound.load_se_table("se.txt"));
    EXPECT_EQ(reported, (std::vector<int32_t>{0, 100}));
    EXPECT_NE(sound.se_segments[5], nullptr);
    EXPECT_EQ(sound.se_segments[6], nullptr);
    EXPECT_NE(boot_log().find("se.txt の行が多すぎます"), std::string::npos);
}

TEST_F(soundctr_table, an_effect_that_cannot_load_empties_the_table_and_fails) {
    write_text("se.txt",
               "5 .\\bin\\sound\\se005.wav\n6 .\\bin\\sound\\none.wav\n9 .\\bin\\sound\\se009.wav\n");
    EXPECT_FALSE(sound.load_se_table("se.txt"));
    EXPECT_EQ(std::count(sound.se_segments.begin(), sound.se_segments.end(), nullptr), soundctr_t::se_count);
    EXPECT_NE(boot_log().find("* Error: SEセグメント [.\\bin\\sound\\none.wav] の作成に失敗しました\n"),
              std::string::npos);
}

TEST_F(soundctr_table, lines_out_of_range_incomplete_or_commented_load_nothing) {
    const std::string long_name(300, 'x');
    write_text("bgm.txt", "4 .\\bin\\sound\\title.mid 0 0 0\n" // one past the last slot
                          "-1 .\\bin\\sound\\title.mid 0 0 0\n"
                          "# 0 .\\bin\\sound\\title.mid 0 0 0\n"
                          "   \t# 1 .\\bin\\sound\\title.mid 0 0 0\n"
                          "\n"
                          "2 .\\bin\\sound\\title.mid 0 0\n"
                          "3 " +
                              long_name + " 0 0 0\n");
    bootlog_reset(); // creation may have noted a missing soundfont: only the loads count
    EXPECT_TRUE(sound.load_bgm_table("bgm.txt"));
    for (const bgm_slot_t& slot : sound.bgm_slots) {
        EXPECT_EQ(slot.segment, nullptr);
    }
    for (const int32_t slot : {-1, soundctr_t::bgm_slot_count}) {
        sound.select_bgm(slot);
        EXPECT_EQ(sound.current_bgm, nullptr);
    }
    write_text("se.txt", "128 .\\bin\\sound\\se005.wav\n-3 .\\bin\\sound\\se005.wav\n#5 x\n12\n");
    EXPECT_TRUE(sound.load_se_table("se.txt"));
    EXPECT_EQ(std::count(sound.se_segments.begin(), sound.se_segments.end(), nullptr), soundctr_t::se_count);
    EXPECT_EQ(boot_log(), "");
}

TEST_F(soundctr_table, music_tables_fill_their_slots_with_loop_end_0_as_the_length) {
    ASSERT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl_ttl.txt"));
    const bgm_slot_t& title = sound.bgm_slots[0];
    ASSERT_NE(title.segment, nullptr);
    EXPECT_EQ(title.start_point, 0);
    EXPECT_EQ(title.loop_start, 3072);
    EXPECT_EQ(title.loop_end, 9216);
    EXPECT_EQ(title.segment->segment->length(), 4 * 3072);
    EXPECT_TRUE(title.segment->segment->standard_midi_file());

    ASSERT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl001.txt"));
    ASSERT_NE(sound.bgm_slots[1].segment, nullptr);
    EXPECT_EQ(sound.bgm_slots[1].loop_end, sound.bgm_slots[1].segment->segment->length());
    EXPECT_GT(sound.bgm_slots[1].loop_end, 0);
    EXPECT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl_tps.txt"));
    EXPECT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl_gmo.txt"));
    EXPECT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl099.txt")); // no table: no music
}

TEST_F(soundctr_table, an_ogg_line_keeps_the_slots_segment_but_fails_on_an_empty_slot) {
    ASSERT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl_ttl.txt"));
    umlib::segment_t* kept = sound.bgm_slots[0].segment;
    write_text("ogg.txt", "0 music.OGG 100 200 300\n");
    ASSERT_TRUE(sound.load_bgm_table("ogg.txt"));
    EXPECT_EQ(sound.bgm_slots[0].segment, kept);
    EXPECT_EQ(sound.bgm_slots[0].start_point, 100);
    EXPECT_EQ(sound.bgm_slots[0].loop_end, 300);

    write_text("ogg.txt", "1 music.ogg 0 0 0\n");
    EXPECT_FALSE(sound.load_bgm_table("ogg.txt"));
    for (const bgm_slot_t& slot : sound.bgm_slots) {
        EXPECT_EQ(slot.segment, nullptr);
    }
    EXPECT_NE(boot_log().find("* Error: BGMセグメント [music.ogg] の作成に失敗しました\n"),
              std::string::npos);
}

TEST_F(soundctr_table, replacing_the_current_music_stops_it_and_ends_the_selection) {
    ASSERT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl_ttl.txt"));
    sound.select_bgm(0);
    sound.start_bgm();
    ASSERT_TRUE(sound.playing);
    ASSERT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl_tps.txt"));
    EXPECT_EQ(sound.current_bgm, nullptr);
    EXPECT_FALSE(sound.playing);
    int32_t start;
    EXPECT_TRUE(plat::failed(sound.bgm_group->performance->get_primary_start_time(&start)));
}

// A manager that could not be rebuilt leaves the game silent, not stopped.
TEST_F(soundctr_table, without_the_manager_created_tables_load_nothing_and_do_not_fail) {
    sound.destroy();
    EXPECT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl_ttl.txt"));
    EXPECT_TRUE(sound.load_se_table(".\\bin\\setbl.txt"));
    EXPECT_EQ(sound.bgm_slots[0].segment, nullptr);
    EXPECT_EQ(sound.se_segments[9], nullptr);
    sound.set_master_volumes(-100, -100);
}
