// Whole runs through the scene controller, frame by frame with keys, on the sample data: from the title
// over the last stage into the ending and the next loop, a run lost into the ranking, and a recording that
// goes on into its second loop.
#include "objects/play_globals.h"
#include "objects/score.h"
#include "platform/file_dialog.h"
#include "platform/keyboard.h"
#include "play/ending_scene.h"
#include "play/recplay_scene.h"
#include "play/stage_events.h"
#include "scenes/gameover_scene.h"
#include "scenes/ranking_scene.h"
#include "scenes/typesel_scene.h"
#include "screen/vscreen.h"
#include "tests/scenes/frontend_fixture.h"

#include <filesystem>
#include <functional>

namespace {

constexpr uint32_t late_section = 4; // the last one with enemies

class whole_run_test : public frontend_fixture_t {
  protected:
    void SetUp() override {
        frontend_fixture_t::SetUp();
        start_on_sample_data();
        // The first stage from a late section: the run reaches the second stage soon.
        config.section = late_section;
        config.life = 9;
        config.level = 2;
        config.loop = 3;
        plat::set_file_dialog_hook_for_test(
            [](const plat::file_dialog_request_t&) { return std::filesystem::absolute("run.ply").string(); });
    }
    void TearDown() override {
        for (const int32_t key : held) {
            plat::set_key_state(key, false);
        }
        plat::set_file_dialog_hook_for_test(nullptr);
        frontend_fixture_t::TearDown();
    }

    template <class scene_type> scene_type* current() const {
        return dynamic_cast<scene_type*>(controller->scene);
    }

    // Ticks until `done`; false when it did not come within `limit` ticks.
    bool tick_until(const std::function<bool()>& done, int limit) {
        for (int i = 0; i < limit; ++i) {
            if (done()) {
                return true;
            }
            controller->update();
        }
        return done();
    }

    void hold(int32_t key) {
        plat::set_key_state(key, true);
        held.push_back(key);
    }

    // From the title's menu item `item` through the ship select into the game.
    void start_from_title(int32_t item) {
        controller->push_scene(scene_title);
        controller->request_change();
        controller->update();
        controller->forward_key('Z'); // past the intro
        controller->update();
        for (int32_t i = 0; i < item; ++i) {
            controller->forward_key(plat::vk_down);
        }
        controller->forward_key(plat::vk_return);
        ASSERT_TRUE(tick_until([this] { return current<typesel_scene_t>() != nullptr; }, 3));
        controller->forward_key(plat::vk_return);
        ASSERT_TRUE(tick_until([this] { return current<play_scene_t>() != nullptr; }, 200));
    }

    // Plays on until the ending: the second stage, once entered, ends the stage sequence at once.
    void clear_stages() {
        bool skipped = false;
        ASSERT_TRUE(tick_until(
            [&] {
                play_scene_t* play = current<play_scene_t>();
                if (!skipped && play != nullptr && play->stage_no == 2) {
                    post_event(stage_event::next_stage, 0xFFFF); // stage -1
                    skipped = true;
                }
                return current<ending_scene_t>() != nullptr;
            },
            4000));
        EXPECT_TRUE(skipped);
    }

    // Confirms the ending as soon as it lets itself be confirmed, then runs it out.
    void finish_ending() {
        ASSERT_TRUE(tick_until([] { return g_frame_counter == ending_scene_t::confirm_from; }, 1300));
        controller->forward_key(plat::vk_return);
        ASSERT_TRUE(tick_until([this] { return current<ending_scene_t>() == nullptr; }, 500));
    }

    std::vector<int32_t> held;
};

} // namespace

TEST_F(whole_run_test, the_last_stage_leads_through_the_ending_into_the_next_loop_one_level_higher) {
    const plat::rect_t clip = g_screenctr.mg->clip;
    hold(config.shot_key);
    hold(plat::vk_right);
    start_from_title(0);
    clear_stages();
    const int32_t score = g_score;
    EXPECT_GT(score, 0);
    finish_ending();
    play_scene_t* next = current<play_scene_t>();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->stage_no, config.stage);
    EXPECT_EQ(controller->playinfo.level, 3);
    EXPECT_EQ(controller->playinfo.loop, 4);
    EXPECT_EQ(g_score, score);
    EXPECT_EQ(controller->userinfo.ending_reached, 1);
    EXPECT_EQ(controller->userinfo.loop, 4);
    EXPECT_EQ(g_screenctr.mg->clip.top, clip.top); // the letterbox is gone
    EXPECT_EQ(g_screenctr.mg->clip.bottom, clip.bottom);
}

TEST_F(whole_run_test, a_lost_run_enters_its_stage_and_section_in_the_ranking) {
    for (ranking_record_t& record : controller->ranking.records) {
        ranking_t::clear_record(record);
    }
    config.life = 0;
    config.section = 1;
    hold(config.shot_key);
    hold(plat::vk_right); // into the enemies' way
    start_from_title(0);
    int32_t stage = 0;
    uint32_t position = 0;
    ASSERT_TRUE(tick_until(
        [&] {
            if (play_scene_t* play = current<play_scene_t>()) {
                stage = play->stage_no;
                position = g_stage_position;
            }
            return current<gameover_scene_t>() != nullptr;
        },
        4000));
    const ranking_record_t& record = controller->ranking.records[0];
    EXPECT_GT(record.score, 0);
    EXPECT_EQ(record.score, g_score);
    EXPECT_EQ(record.stage, stage);
    EXPECT_EQ(record.section, int32_t(position >> 16));
    EXPECT_EQ(record.level, 2);
    EXPECT_EQ(record.loop, 3);
    ASSERT_TRUE(tick_until(
        [this] { return current<gameover_scene_t>()->state == gameover_scene_t::state_name_entry; }, 2000));
    controller->forward_key(plat::vk_escape); // no name
    controller->forward_key(plat::vk_return);
    ASSERT_TRUE(tick_until([this] { return current<ranking_scene_t>() != nullptr; }, 3));
}

TEST_F(whole_run_test, a_recording_goes_on_into_its_second_loop_file) {
    start_from_title(1);
    ASSERT_NE(current<recplay_scene_t>(), nullptr);
    clear_stages();
    EXPECT_TRUE(std::filesystem::exists("run.ply"));
    finish_ending();
    recplay_scene_t* second = current<recplay_scene_t>();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->file_name.ends_with("run_loop02.ply")) << second->file_name;
    EXPECT_EQ(controller->playinfo.level, 3);
    EXPECT_EQ(controller->playinfo.loop, 4);
    controller->update();
    controller.reset();
    EXPECT_TRUE(std::filesystem::exists("run_loop02.ply"));
}
