#include "platform/audio_device.h"
#include "platform/file.h"
#include "base/binio.h"
#include "tests/support/audio_capture.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sound_writers.h"
#include "umlib/music.h"
#include "umlib/music_position.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// A song of 3072 ticks looping 768..2304 unless told otherwise.
plat::dm_segment_t looping_segment(int32_t start_point, int32_t loop_end, uint32_t repeats) {
    auto song = std::make_shared<plat::midi_song_t>();
    song->length = 3072;
    plat::dm_segment_t segment(song, "");
    EXPECT_TRUE(plat::succeeded(segment.set_start_point(start_point)));
    EXPECT_TRUE(plat::succeeded(segment.set_loop_points(768, loop_end)));
    segment.set_repeats(repeats);
    return segment;
}

std::vector<uint8_t> one_bar_song() {
    midi_track_writer_t track;
    write_notes(track,
                {{0, 96, 0, 60, 100}, {96, 96, 0, 62, 100}, {192, 96, 0, 64, 100}, {288, 96, 0, 65, 100}});
    track.end(0);
    return midi_file_bytes(0, 96, {track});
}

std::string boot_log() {
    std::ifstream in("log/bootlog.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class music_test : public ::testing::Test {
  protected:
    void SetUp() override {
        plat::audio_set_manual(true);
        ASSERT_TRUE(plat::make_directory("log"));
        ASSERT_TRUE(write_file_bytes("bar.mid", one_bar_song()));
    }
    void TearDown() override { plat::audio_set_manual(false); }

    temp_folder_t dir;
};

} // namespace

TEST(music_position, positions_fold_into_an_endless_loop) {
    const plat::dm_segment_t s = looping_segment(0, 2304, plat::repeat_infinite);
    EXPECT_EQ(umlib::fold_play_position(1000 + 500, 1000, s), 500);
    EXPECT_EQ(umlib::fold_play_position(1000 + 768, 1000, s), 768); // at the loop start: unchanged
    EXPECT_EQ(umlib::fold_play_position(1000 + 2304, 1000, s), 768);
    EXPECT_EQ(umlib::fold_play_position(1000 + 3000, 1000, s), 1464);
    EXPECT_EQ(umlib::fold_play_position(1000 + 2303 + 1536 * 5, 1000, s), 2303);
    EXPECT_EQ(umlib::fold_play_position(900, 1000, s), -100); // before the start: passed through
}

TEST(music_position, loop_end_0_folds_at_the_length_and_the_start_point_counts) {
    const plat::dm_segment_t s = looping_segment(512, 0, plat::repeat_infinite);
    // Started at 512: the segment's own time is now - start + 512.
    EXPECT_EQ(umlib::fold_play_position(100 + 2559, 100, s), 3071);
    EXPECT_EQ(umlib::fold_play_position(100 + 2560, 100, s), 768);
    EXPECT_EQ(umlib::fold_play_position(100 + 2560 + 2304 * 3 + 10, 100, s), 778);
}

TEST(music_position, finite_repeats_run_on_past_the_last_loop) {
    const plat::dm_segment_t s = looping_segment(0, 2304, 2);
    EXPECT_EQ(umlib::fold_play_position(3000, 0, s), 1464);        // in the second pass
    EXPECT_EQ(umlib::fold_play_position(3840, 0, s), 768);         // the last loop's end
    EXPECT_EQ(umlib::fold_play_position(4000, 0, s), 4000 - 3072); // after it: moved back by two spans
}

TEST(music_position, no_folding_without_repeats_or_past_the_loop) {
    EXPECT_EQ(umlib::fold_play_position(5000, 0, looping_segment(0, 2304, 0)), 5000);
    EXPECT_EQ(umlib::fold_play_position(5000, 0, looping_segment(2500, 2304, plat::repeat_infinite)), 7500);
}

TEST(music_position, the_distance_from_the_start_wraps_in_32_bits) {
    const plat::dm_segment_t s = looping_segment(0, 2304, plat::repeat_infinite);
    // The music time wrapped past 2^31 since the segment started.
    EXPECT_EQ(umlib::fold_play_position(int32_t(0x80000000u + 99), 0x7FFFFFFF - 400, s), 500);
}

TEST_F(music_test, a_playing_segment_reports_its_folded_position) {
    umlib::music_t music;
    std::unique_ptr<umlib::segment_group_t> group(music.create_group(plat::dmus_apath_dynamic_stereo, 64));
    ASSERT_TRUE(group);
    std::unique_ptr<umlib::segment_t> segment(music.create_segment("bar.mid", 1, group.get(), nullptr));
    ASSERT_TRUE(segment);
    group->performance->wait_for_synth_for_test();
    EXPECT_EQ(segment->audio_path, group->audio_path);
    EXPECT_TRUE(segment->segment->standard_midi_file());
    EXPECT_EQ(segment->position(), 0); // not playing

    segment->segment->set_loop_points(768, 2304);
    segment->segment->set_repeats(plat::repeat_infinite);
    group->performance->play_segment_ex(segment->segment.get(), 0, segment->audio_path);
    render_audio(44100 * 2); // 3072 ticks at 120 beats a minute
    EXPECT_NEAR(segment->position(), 768 + (3072 - 768) % 1536, 1);
    group->performance->stop_ex(nullptr);
    EXPECT_EQ(segment->position(), 0);
}

TEST_F(music_test, a_file_that_cannot_be_loaded_gives_null_and_names_the_file) {
    umlib::music_t music;
    std::unique_ptr<umlib::segment_group_t> group(music.create_group(plat::dmus_apath_dynamic_stereo, 64));
    std::vector<uint8_t> cut = one_bar_song();
    cut[12] = cut[13] = 0; // zero division
    ASSERT_TRUE(write_file_bytes("zero.mid", cut));
    EXPECT_EQ(music.create_segment("zero.mid", 1, group.get(), nullptr), nullptr);
    EXPECT_EQ(music.create_segment(".\\sound\\none.wav", 0, group.get(), nullptr), nullptr);
    const std::string log = boot_log();
    EXPECT_NE(log.find("* Error: zero.mid: MIDI: zero time division"), std::string::npos) << log;
    EXPECT_NE(log.find("* Error: .\\sound\\none.wav: "), std::string::npos) << log;

    std::unique_ptr<umlib::segment_t> effect(music.create_segment("bar.mid", 0, group.get(), nullptr));
    ASSERT_TRUE(effect);
    EXPECT_FALSE(effect->segment->standard_midi_file());
    EXPECT_EQ(music.create_group(5, 64), nullptr);
}

TEST_F(music_test, a_missing_soundfont_is_one_boot_log_line) {
    const std::string saved = plat::dm_loader_t::soundfont_path();
    plat::set_soundfont_path("/nonexistent/gm.sf2");
    {
        umlib::music_t music;
        std::unique_ptr<umlib::segment_group_t> group(
            music.create_group(plat::dmus_apath_dynamic_stereo, 64));
        std::unique_ptr<umlib::segment_t> segment(music.create_segment("bar.mid", 1, group.get(), nullptr));
        ASSERT_TRUE(segment); // the music still loads and runs, silently
        group->performance->play_segment_ex(segment->segment.get(), 0, nullptr);
        EXPECT_EQ(peak_level(render_audio(4410)), 0.0f);
    }
    plat::set_soundfont_path(saved);
    EXPECT_EQ(boot_log(),
              "* Error: サウンドフォント [/nonexistent/gm.sf2] が見つかりません。BGMは鳴りません\n");
}
