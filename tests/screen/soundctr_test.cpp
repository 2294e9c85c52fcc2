#include "platform/audio_device.h"
#include "platform/dm_performance.h"
#include "tests/screen/sound_fixture.h"
#include "tests/support/audio_capture.h"

namespace {

using soundctr = sound_fixture_t;

float frame_level() {
    render_audio(64); // past the glide of a changed gain
    return peak_level(render_audio(256));
}

} // namespace

TEST_F(soundctr, an_effect_plays_once_per_frame_however_often_it_is_requested) {
    load_level_effect(0.25f);
    for (int i = 0; i < 10; ++i) {
        sound.request_se(7);
    }
    EXPECT_EQ(sound.se_states[7], 2);
    sound.play_requested_se();
    EXPECT_NEAR(frame_level(), 0.25f, 1e-3);

    sound.request_se(7); // the next frame: ignored
    EXPECT_EQ(sound.se_states[7], 1);
    sound.play_requested_se();
    EXPECT_NEAR(frame_level(), 0.25f, 1e-3);

    sound.request_se(7); // the frame after: plays over the first
    sound.play_requested_se();
    EXPECT_NEAR(frame_level(), 0.5f, 1e-3);
    EXPECT_EQ(sound.se_states[7], 1);
    sound.play_requested_se();
    EXPECT_EQ(sound.se_states[7], 0);
}

TEST_F(soundctr, requests_outside_the_table_or_without_a_segment_are_silent) {
    load_level_effect(0.25f);
    sound.request_se(-1);
    sound.request_se(128);
    sound.request_se(3);
    sound.play_requested_se();
    EXPECT_EQ(frame_level(), 0.0f);
    EXPECT_EQ(sound.se_states[3], 1);
    for (int32_t id = 0; id < soundctr_t::se_count; ++id) {
        EXPECT_EQ(sound.se_states[size_t(id)], id == 3 ? 1 : 0);
    }
}

TEST_F(soundctr, the_reverb_setting_picks_the_audio_path_type) {
    EXPECT_EQ(sound.bgm_group->audio_path->type(), plat::dmus_apath_dynamic_stereo);
    sound.destroy();
    ASSERT_TRUE(sound.create(nullptr, true));
    EXPECT_EQ(sound.bgm_group->audio_path->type(), plat::dmus_apath_shared_stereoplusreverb);
    EXPECT_EQ(sound.se_group->audio_path->type(), plat::dmus_apath_shared_stereoplusreverb);
}

TEST_F(soundctr, destroy_then_create_again_works_and_forgets_the_progress_callback) {
    load_level_effect(0.25f);
    sound.progress = [](plat::hwnd_t, int32_t) {};
    sound.destroy();
    EXPECT_EQ(sound.music, nullptr);
    EXPECT_EQ(sound.se_segments[7], nullptr);
    EXPECT_EQ(sound.progress, nullptr);
    sound.destroy(); // a manager that is not created takes it too
    ASSERT_TRUE(sound.create(nullptr, false));
    load_level_effect(0.125f);
    sound.request_se(7);
    sound.play_requested_se();
    EXPECT_NEAR(frame_level(), 0.125f, 1e-3);
}

TEST_F(soundctr, a_device_that_cannot_open_fails_creation_and_leaves_nothing) {
    sound.destroy();
    plat::audio_set_device_failure(true);
    EXPECT_FALSE(sound.create(nullptr, false));
    plat::audio_set_device_failure(false);
    EXPECT_EQ(sound.music, nullptr);
    EXPECT_EQ(sound.bgm_group, nullptr);
    EXPECT_EQ(sound.se_group, nullptr);
}

TEST_F(soundctr, master_volumes_scale_each_performance) {
    load_level_effect(0.5f);
    sound.se_group->performance->set_master_volume(-1200);
    sound.bgm_group->performance->set_master_volume(-9600);
    sound.request_se(7);
    sound.play_requested_se();
    EXPECT_NEAR(frame_level(), 0.5f * 0.25119f, 1e-3);
}
