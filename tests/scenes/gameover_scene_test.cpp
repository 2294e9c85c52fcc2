// The game-over scene: name entry on the new ranking entry, the way out, and the darkened last picture.
#include "platform/ddraw.h"
#include "scenes/gameover_scene.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"
#include "tests/scenes/frontend_fixture.h"
#include "tests/scenes/scene_keys.h"
#include "umlib/surface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace scene_keys;

class gameover_scene_test : public frontend_fixture_t {
  protected:
    // What the play scene's game over does: the run's record, with an empty name, offered to the table.
    void end_run(int32_t score) {
        ranking_record_t run;
        run.score = score;
        controller->ranking.insert(run);
    }
};

} // namespace

TEST_F(gameover_scene_test, the_name_takes_eight_glyphs_blanks_and_backspace_and_escape_empties_it) {
    struct case_t {
        const char* what;
        std::vector<int32_t> keys;
        std::string name;
        int32_t cursor;
        int32_t state;
    };
    const std::vector<int32_t> eight(8, enter);
    std::vector<int32_t> eight_then_more = eight;
    eight_then_more.insert(eight_then_more.end(), {right, left});
    std::vector<int32_t> eight_then_back = eight;
    eight_then_back.insert(eight_then_back.end(), {back, right});
    std::vector<int32_t> nine = eight;
    nine.push_back(enter);
    const case_t cases[] = {
        {"eight characters offer the end glyph", eight_then_more, "AAAAAAAA", 31, 1},
        {"enter then ends the name", nine, "AAAAAAAA", 31, 2},
        {"backspace re-offers the removed glyph and frees the arrows", eight_then_back, "AAAAAAA", 1, 1},
        {"left from A offers the end glyph, right wraps to A", {left, right, right, left}, "", 0, 1},
        {"the space glyph stores a blank", {left, left, enter, enter}, "  ", 30, 1},
        {"glyphs in between", {right, right, enter, left, left, left, left, left, enter}, "C?", 29, 1},
        {"backspace on an empty name does nothing", {right, back}, "", 1, 1},
        {"backspace re-offers a blank as the space glyph", {left, left, enter, right, back}, "", 30, 1},
        {"escape empties the name", {right, enter, enter, escape}, "", 1, 2},
        {"the end glyph with no character", {left, enter}, "", 31, 2},
    };
    for (const case_t& c : cases) {
        controller->ranking.set_default();
        end_run(700000);
        gameover_scene_t scene(&controller->ranking);
        ASSERT_EQ(scene.place, 3);
        scene.state = gameover_scene_t::state_name_entry;
        for (const int32_t key : c.keys) {
            scene.on_key(key);
        }
        EXPECT_EQ(std::string(controller->ranking.records[3].name), c.name) << c.what;
        EXPECT_EQ(scene.cursor, c.cursor) << c.what;
        EXPECT_EQ(scene.state, c.state) << c.what;
    }
}

TEST_F(gameover_scene_test, leaving_goes_to_the_ranking_after_a_new_entry_else_to_the_title) {
    for (const int32_t score : {700000, 10}) {
        controller->state = scenectr_t::state_running;
        controller->queue_locked = false;
        end_run(score);
        gameover_scene_t scene(&controller->ranking);
        scene.state = gameover_scene_t::state_game_over;
        scene.on_key('Z'); // the game's own keys play no part
        EXPECT_EQ(controller->state, scenectr_t::state_running);
        scene.on_key(escape);
        EXPECT_TRUE(changing_to(score == 10 ? scene_title : scene_ranking)) << score;
    }
}

TEST_F(gameover_scene_test, the_last_picture_darkens_to_half_and_enter_skips_the_rest) {
    ASSERT_TRUE(start(32));
    for (const bool skip : {false, true}) {
        fill(*g_screenctr.mg->surface, 0xC0A080); // the last picture of play
        end_run(10);                              // no entry: the game-over picture follows
        gameover_scene_t scene(&controller->ranking);
        ASSERT_TRUE(scene.startup());
        scene.frame();
        scene.frame();
        EXPECT_EQ(blend_test::get_pixel(*g_screenctr.mg->surface, 0, 8) & 0xFFFFFF, 0xBE9E7F) << skip;
        int32_t frames = 2;
        if (skip) {
            scene.on_key(enter);
        }
        while (scene.state == gameover_scene_t::state_darkening && frames < 100) {
            scene.frame();
            ++frames;
        }
        EXPECT_EQ(frames, skip ? 3 : 65);
        EXPECT_EQ(scene.state, gameover_scene_t::state_game_over);
        EXPECT_EQ(scene.timer, 1);
        EXPECT_EQ(blend_test::get_pixel(*g_screenctr.mg->surface, 0, 8) & 0xFFFFFF, 0x605040);
        EXPECT_EQ(blend_test::get_pixel(*scene.layer->surface, 0, 8) & 0xFFFFFF, 0x605040);
    }
}

TEST_F(gameover_scene_test, a_layer_that_cannot_be_made_fails_the_start_up_instead_of_throwing) {
    ASSERT_TRUE(start(32));
    end_run(10);
    gameover_scene_t scene(&controller->ranking);
    plat::set_creation_limit_for_test(0);
    bool started = true;
    EXPECT_NO_THROW(started = scene.startup());
    plat::set_creation_limit_for_test(-1);
    EXPECT_FALSE(started);
}

TEST_F(gameover_scene_test, without_a_key_the_title_follows_in_the_frame_whose_timer_is_1024) {
    ASSERT_TRUE(start(32));
    end_run(10);
    gameover_scene_t scene(&controller->ranking);
    ASSERT_TRUE(scene.startup());
    EXPECT_TRUE(g_soundctr.playing);
    scene.on_key(enter);
    scene.frame(); // the state begins in this frame
    int32_t frames = 1;
    while (controller->state == scenectr_t::state_running && frames < 2000) {
        scene.frame();
        ++frames;
    }
    EXPECT_EQ(frames, 1025);
    EXPECT_TRUE(changing_to(scene_title));
}
