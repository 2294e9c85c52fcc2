// The title's music, menu sound and vertical-blank hold, which the title stand-in already keeps.
#include "platform/audio_device.h"
#include "platform/file.h"
#include "platform/keyboard.h"
#include "play/scenectr.h"
#include "scenes/config.h"
#include "scenes/standin_title.h"
#include "screen/soundctr.h"
#include "shell/frame_loop.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sound_files.h"

#include <gtest/gtest.h>

namespace {

class title_standin : public ::testing::Test {
  protected:
    void SetUp() override {
        plat::audio_set_manual(true);
        std::string error;
        ASSERT_TRUE(write_sound_files(dir.path(), error)) << error;
        ASSERT_TRUE(g_soundctr.create(nullptr, false));
    }
    void TearDown() override {
        g_soundctr.destroy();
        plat::audio_set_manual(false);
    }

    temp_folder_t dir;
};

} // namespace

TEST_F(title_standin, plays_the_title_music_and_holds_the_vertical_blank_while_it_exists) {
    g_vsync = false;
    {
        title_scene_t title;
        EXPECT_TRUE(g_vsync);
        ASSERT_TRUE(title.startup());
        EXPECT_TRUE(g_soundctr.playing);
        EXPECT_NE(g_soundctr.current_bgm, nullptr);
        EXPECT_EQ(g_soundctr.bgm_volume, 0);
    }
    EXPECT_FALSE(g_vsync);
    EXPECT_EQ(g_soundctr.bgm_slots[0].segment, nullptr); // the table goes with the scene
}

TEST_F(title_standin, a_missing_music_table_still_starts_and_a_menu_key_sounds_once) {
    ASSERT_TRUE(plat::remove_file(".\\bin\\bgmtbl_ttl.txt"));
    config_t config;
    config_default(&config);
    scenectr_t controller(&config);
    title_scene_t title;
    EXPECT_TRUE(title.startup()); // no table is no music, not a failure
    EXPECT_FALSE(g_soundctr.playing);
    title.on_key(plat::vk_return);
    EXPECT_EQ(g_soundctr.se_states[6], 2);
    title.on_key('Z');
    title.frame();
    EXPECT_EQ(g_soundctr.se_states[6], 1);
}
