#include "platform/keyboard.h"
#include "play/replay_scene.h"
#include "shell/application.h"
#include "base/binio.h"
#include "shell/scene_startup.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sample.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class scene_startup : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(make_sample(".", error)) << error;
        config_default(&s.config);
        s.window = std::make_unique<app_window_t>(0, 1);
        ASSERT_TRUE(s.window->create(nullptr));
    }
    void TearDown() override {
        stop_scenes(s);
        s.window->destroy();
        s.window.reset();
        drain_messages();
        g_command_line.clear();
    }

    temp_folder_t dir;
    session_t s;
};

} // namespace

TEST_F(scene_startup, a_dropped_replay_plays_first_and_keys_reach_its_scene_through_the_window) {
    g_command_line = "\".\\bin\\demoplay1.ply\"";
    ASSERT_TRUE(start_scenes(s));
    ASSERT_EQ(s.controller->queue_count, 1);
    EXPECT_EQ(s.controller->queue[0], scene_named_replay);
    EXPECT_STREQ(s.controller->replay_name, ".\\bin\\demoplay1.ply");
    EXPECT_EQ(s.controller->window, s.window.get());

    s.controller->update();
    ASSERT_NE(dynamic_cast<replay_scene_t*>(s.controller->scene), nullptr);
    EXPECT_EQ(s.window->text(), "MELVORIN ver1.85 - [demoplay1.ply]");
    // Escape pauses the replay; its menu's second entry goes back to the title.
    s.window->send(plat::wm_keydown, plat::vk_escape, 0);
    ASSERT_TRUE(dynamic_cast<replay_scene_t*>(s.controller->scene)->is_paused());
    s.window->send(plat::wm_keydown, plat::vk_down, 0);
    s.window->send(plat::wm_keydown, plat::vk_return, 0);
    EXPECT_EQ(s.controller->state, scenectr_t::state_change);
    EXPECT_EQ(s.controller->queue[0], scene_title);
}

TEST_F(scene_startup, the_title_comes_first_and_the_shut_down_writes_progress_and_ranking) {
    ASSERT_TRUE(start_scenes(s));
    EXPECT_EQ(s.controller->queue[0], scene_title);
    s.controller->update();
    stop_scenes(s);
    EXPECT_EQ(s.controller, nullptr);
    EXPECT_EQ(file_bytes("bin/userinfo.dat").size(), 16u);
    EXPECT_EQ(file_bytes("bin/ranking.dat").size(), 1200u);
    s.window->send(plat::wm_keydown, plat::vk_escape, 0); // the unlinked window swallows it
}
