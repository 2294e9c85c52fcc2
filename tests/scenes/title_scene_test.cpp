// The title driven frame by frame: its intro and idle timings, the keys in every state, the menu and the
// hidden code, and what its start-up refuses.
#include "platform/file.h"
#include "platform/keyboard.h"
#include "scenes/title_scene.h"
#include "screen/present_frame.h"
#include "screen/soundctr.h"
#include "tests/scenes/frontend_fixture.h"

#include <string>
#include <utility>

namespace {

class title_test : public frontend_fixture_t {
  protected:
    void SetUp() override {
        frontend_fixture_t::SetUp();
        ASSERT_TRUE(start_unscaled());
    }
    std::unique_ptr<title_scene_t> make_title() {
        auto title = std::make_unique<title_scene_t>();
        EXPECT_TRUE(title->startup());
        return title;
    }
};

} // namespace

TEST_F(title_test, the_intro_reaches_the_menu_at_frame_512_and_the_demo_is_asked_for_at_frame_2048) {
    g_vsync = false;
    auto title = make_title();
    EXPECT_TRUE(g_vsync);
    // (state, frames spent in it) from the first frame on.
    const std::vector<std::pair<int32_t, int>> expected = {{1, 128}, {2, 64},   {3, 64},  {4, 64}, {5, 64},
                                                           {6, 128}, {8, 1408}, {9, 128}, {-1, 1}};
    std::vector<std::pair<int32_t, int>> seen;
    std::vector<uint32_t> before_menu;
    std::vector<uint32_t> menu;
    for (int f = 0; f <= 2048; ++f) {
        EXPECT_EQ(controller->state, scenectr_t::state_running) << "frame " << f;
        EXPECT_EQ(g_soundctr.playing, f > 512) << "frame " << f;
        title->frame();
        if (seen.empty() || seen.back().first != title->state) {
            seen.push_back({title->state, 0});
        }
        ++seen.back().second;
        if (f == 511) {
            before_menu = picture();
        } else if (f == 512) {
            menu = picture();
        } else if (f == 513) {
            EXPECT_EQ(picture(), menu); // full brightness from its first frame
        }
    }
    EXPECT_EQ(seen, expected);
    EXPECT_NE(before_menu, menu);
    EXPECT_EQ(controller->state, scenectr_t::state_change);
    EXPECT_EQ(queue(), std::vector<int32_t>{scene_demo});
    EXPECT_EQ(g_soundctr.bgm_volume, -1024);
    EXPECT_EQ(vblank_waits(), 2049u);
    title.reset();
    EXPECT_FALSE(g_vsync);
    EXPECT_EQ(g_soundctr.bgm_slots[0].segment, nullptr);
}

TEST_F(title_test, a_key_in_each_intro_state_and_in_the_fade_to_the_demo_jumps_to_the_menu_at_full_volume) {
    for (const int32_t state : {0, 1, 2, 3, 4, 5, 6, 9}) {
        SCOPED_TRACE(state);
        auto title = make_title();
        title->state = state;
        title->fade = state == 9 ? 0 : 128;
        for (int f = 0; state != 0 && f < 2; ++f) {
            title->frame();
        }
        ASSERT_EQ(title->state, state);
        EXPECT_EQ(g_soundctr.bgm_volume, state == 9 ? -16 : 0);
        title->on_key(plat::vk_down);
        EXPECT_EQ(title->state, 7);
        EXPECT_EQ(title->cursor, 0);
        title->frame();
        EXPECT_EQ(title->state, 8);
        EXPECT_EQ(title->timer, 1u);
        EXPECT_EQ(title->fade, 0);
        EXPECT_TRUE(g_soundctr.playing);
        EXPECT_EQ(g_soundctr.bgm_volume, 0);
        EXPECT_EQ(controller->state, scenectr_t::state_running);
    }
    auto title = make_title();
    title->frame();
    title->on_key(plat::vk_escape); // ends the program from the logo too
    EXPECT_EQ(controller->state, scenectr_t::state_quitting);
}

TEST_F(title_test, each_menu_item_asks_for_its_scene_and_the_cursor_stops_at_both_ends) {
    const int32_t scenes[] = {scene_play, scene_recplay, scene_ranking, scene_replay_dialog, scene_settings};
    for (int32_t item = 0; item < title_scene_t::item_count; ++item) {
        SCOPED_TRACE(item);
        reset_controller();
        controller->push_scene(scene_gameover); // the choice replaces the queue
        g_soundctr.se_states.fill(0);
        auto title = make_title();
        title->on_key('Z');
        title->frame();
        title->on_key(plat::vk_up);
        EXPECT_EQ(g_soundctr.se_states[6], 0);
        for (int32_t i = 0; i < item; ++i) {
            title->on_key(plat::vk_down);
        }
        EXPECT_EQ(g_soundctr.se_states[6], item > 0 ? 2 : 0);
        if (item == 5) {
            title->frame();
            title->frame(); // the effect is idle again
            title->on_key(plat::vk_down);
            EXPECT_EQ(g_soundctr.se_states[6], 0);
        }
        EXPECT_EQ(title->cursor, item);
        title->on_key(plat::vk_return);
        if (item == 5) {
            EXPECT_EQ(controller->state, scenectr_t::state_quitting);
        } else {
            EXPECT_EQ(controller->state, scenectr_t::state_change);
            EXPECT_EQ(queue(), std::vector<int32_t>{scenes[item]});
        }
    }
}

TEST_F(title_test, the_hidden_code_starts_over_at_a_wrong_key_which_does_not_count_as_its_first) {
    struct case_t {
        std::string keys; // '^' up, 'v' down, '\r' enter, '\x1b' escape
        int32_t code_pos;
        std::vector<int32_t> queue;
    };
    const case_t cases[] = {
        {"DORVEX", 6, {scene_ending, scene_title}},
        {"DDORVEX", 0, {}},
        {"DORVDORVEX", 0, {}},
        {"DO^v\r\x1bRV", 4, {scene_recplay}},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.keys);
        reset_controller();
        auto title = make_title();
        title->on_key('Z');
        title->frame();
        for (const char key : c.keys) {
            title->on_key(key == '^' ? plat::vk_up : key == 'v' ? plat::vk_down : key);
        }
        EXPECT_EQ(title->code_pos, c.code_pos);
        EXPECT_EQ(queue(), c.queue);
    }
    // Outside the menu a letter only skips the intro.
    reset_controller();
    auto title = make_title();
    title->on_key('D');
    EXPECT_EQ(title->code_pos, 0);
}

TEST_F(title_test, the_start_up_fails_on_a_missing_picture_and_names_it_but_not_without_a_music_table) {
    std::string& menu_path = g_screenctr.sprites[g_screenctr.find_sprite("image\\titlemenu.bmp")].path;
    menu_path.clear();
    EXPECT_FALSE(title_scene_t().startup());
    EXPECT_EQ(log().back(), "* Error: スプライト image\\titlemenu.bmp がスプライトテーブルにありません");
    menu_path = "image\\titlemenu.bmp";

    ASSERT_TRUE(plat::remove_file(".\\bin\\bgmtbl_ttl.txt"));
    auto title = make_title(); // no table is no music
    title->on_key('Z');
    title->frame();
    EXPECT_EQ(title->state, 8);
    EXPECT_FALSE(g_soundctr.playing);
}
