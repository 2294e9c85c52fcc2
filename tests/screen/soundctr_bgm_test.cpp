#include "platform/dm_loader.h"
#include "platform/dm_performance.h"
#include "tests/screen/sound_fixture.h"
#include "tests/support/audio_capture.h"

namespace {

class soundctr_bgm : public sound_fixture_t {
  protected:
    void SetUp() override {
        sound_fixture_t::SetUp();
        ASSERT_TRUE(sound.load_bgm_table(".\\bin\\bgmtbl_ttl.txt"));
        sound.bgm_group->performance->wait_for_synth_for_test();
    }

    bool music_playing() const {
        int32_t start;
        return plat::succeeded(sound.bgm_group->performance->get_primary_start_time(&start));
    }
};

} // namespace

TEST_F(soundctr_bgm, selecting_a_slot_sets_its_points_endless_repeats_and_full_volume) {
    sound.select_bgm(0);
    ASSERT_EQ(sound.current_bgm, sound.bgm_slots[0].segment);
    const plat::dm_segment_t& s = *sound.current_bgm->segment;
    EXPECT_EQ(s.start_point(), 0);
    EXPECT_EQ(s.loop_start(), 3072);
    EXPECT_EQ(s.loop_end(), 9216);
    EXPECT_EQ(s.repeats(), plat::repeat_infinite);
    EXPECT_EQ(sound.bgm_volume, 0);
    EXPECT_FALSE(sound.playing);
    EXPECT_FALSE(music_playing());
}

TEST_F(soundctr_bgm, an_empty_or_unknown_slot_stops_the_music_and_keeps_the_selection) {
    sound.select_bgm(0);
    sound.start_bgm();
    ASSERT_TRUE(music_playing());
    sound.select_bgm(4);
    EXPECT_FALSE(music_playing());
    EXPECT_FALSE(sound.playing);
    sound.start_bgm();
    EXPECT_TRUE(music_playing());
    sound.select_bgm(2);
    EXPECT_EQ(sound.current_bgm, sound.bgm_slots[0].segment);
    EXPECT_FALSE(music_playing());
}

TEST_F(soundctr_bgm, start_plays_once_and_never_while_music_is_off) {
    sound.select_bgm(0);
    sound.start_bgm();
    int32_t first;
    ASSERT_TRUE(plat::succeeded(sound.bgm_group->performance->get_primary_start_time(&first)));
    render_audio(4410);
    sound.start_bgm(); // already playing: not restarted
    int32_t again;
    sound.bgm_group->performance->get_primary_start_time(&again);
    EXPECT_EQ(again, first);

    sound.set_bgm_off(true);
    EXPECT_FALSE(music_playing());
    sound.start_bgm();
    EXPECT_FALSE(music_playing());
    sound.set_bgm_off(false);
    EXPECT_FALSE(music_playing());
    sound.start_bgm();
    EXPECT_TRUE(music_playing());
}

TEST_F(soundctr_bgm, volumes_clamp_and_need_a_selection) {
    sound.set_bgm_volume(-500);
    EXPECT_EQ(sound.bgm_volume, 0); // nothing selected: unchanged
    sound.select_bgm(0);
    sound.set_bgm_volume(-10000);
    EXPECT_EQ(sound.bgm_volume, -9600);
    EXPECT_EQ(sound.current_bgm->audio_path->volume(), -9600);
    sound.add_bgm_volume(-8);
    EXPECT_EQ(sound.bgm_volume, -9600);
    sound.set_bgm_volume(5);
    EXPECT_EQ(sound.bgm_volume, 0);
    sound.add_bgm_volume(-8);
    EXPECT_EQ(sound.current_bgm->audio_path->volume(), -8);
    sound.add_bgm_volume(INT32_MIN);
    EXPECT_EQ(sound.bgm_volume, -9600);
    sound.select_bgm(0);
    EXPECT_EQ(sound.bgm_volume, 0);
}

TEST_F(soundctr_bgm, the_music_loops_between_its_points) {
    sound.select_bgm(0);
    sound.start_bgm();
    // 132 beats a minute: the loop end (9216 ticks) passes after about 5.5 seconds.
    render_audio(44100 * 7);
    int32_t now, start;
    sound.bgm_group->performance->get_time(&now);
    sound.bgm_group->performance->get_primary_start_time(&start);
    ASSERT_GT(now - start, 9216);
    const int32_t position = sound.current_bgm->position();
    EXPECT_GE(position, 3072);
    EXPECT_LT(position, 9216);
    EXPECT_EQ(position, 3072 + (now - start - 3072) % 6144);
}

TEST_F(soundctr_bgm, pause_and_resume_go_on_where_the_music_stood_without_cutting_it) {
    sound.select_bgm(0);
    sound.start_bgm();
    render_audio(44100 * 2);
    sound.pause_bgm(true);
    const int32_t paused_at = sound.pause_position;
    EXPECT_GT(paused_at, 3000);
    EXPECT_TRUE(sound.playing);
    EXPECT_TRUE(sound.paused);
    EXPECT_FALSE(music_playing());
    sound.start_bgm(); // does nothing while paused
    EXPECT_FALSE(music_playing());

    render_audio(44100);
    sound.pause_bgm(false);
    EXPECT_FALSE(sound.paused);
    EXPECT_EQ(sound.current_bgm->position(), paused_at);
    render_audio(44100 / 4);
    EXPECT_GT(sound.current_bgm->position(), paused_at);
    EXPECT_EQ(sound.current_bgm->segment->length(), 4 * 3072);

    // Selected again later, the slot plays its whole loop from its own start point.
    sound.select_bgm(0);
    EXPECT_EQ(sound.current_bgm->segment->start_point(), 0);
    EXPECT_EQ(sound.current_bgm->segment->loop_end(), 9216);
}

TEST_F(soundctr_bgm, music_is_heard_and_the_lowest_volume_silences_it) {
    if (plat::dm_loader_t().collection().empty()) {
        GTEST_SKIP() << "no General MIDI soundfont installed";
    }
    sound.select_bgm(0);
    sound.start_bgm();
    EXPECT_GT(peak_level(render_audio(22050)), 0.01f);
    sound.set_bgm_volume(-9600);
    render_audio(64);
    EXPECT_EQ(peak_level(render_audio(4410)), 0.0f);
}

TEST_F(soundctr_bgm, clearing_the_table_stops_the_music_and_forgets_the_selection) {
    sound.select_bgm(0);
    sound.start_bgm();
    sound.clear_bgm_table();
    EXPECT_FALSE(music_playing());
    EXPECT_EQ(sound.current_bgm, nullptr);
    EXPECT_EQ(sound.bgm_slots[0].segment, nullptr);
    sound.start_bgm();
    EXPECT_FALSE(music_playing());
}
