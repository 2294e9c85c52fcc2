// The ending driven frame by frame: when a confirmation counts, what it posts, the closing message of each
// finished run, the letterbox clip and its restore, and a start-up on a broken ending stage.
#include "objects/play_globals.h"
#include "platform/keyboard.h"
#include "platform/shell_open.h"
#include "play/ending_scene.h"
#include "play/key_table.h"
#include "play/stage_events.h"
#include "screen/vscreen.h"
#include "tests/scenes/frontend_fixture.h"
#include "tests/shell/support.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {

namespace ev = stage_event;
using event_t = std::pair<int32_t, int32_t>;
constexpr int32_t vk_f2 = 0x71;
constexpr int32_t vk_f4 = 0x73;

// The ending with every command it runs written down.
class recorded_ending_t : public ending_scene_t {
  public:
    using ending_scene_t::ending_scene_t;
    int32_t run_event(int32_t code, int32_t parameter) override {
        events.push_back({code, parameter});
        return ending_scene_t::run_event(code, parameter);
    }
    std::vector<event_t> events;
};

class ending_scene_test : public frontend_fixture_t {
  protected:
    void SetUp() override {
        frontend_fixture_t::SetUp();
        start_on_sample_data();
        controller->playinfo.stage = 100;
        controller->playinfo.ship_type = 0;
        controller->push_scene(scene_play); // the next loop, as the last stage queues it
    }
    std::unique_ptr<recorded_ending_t> make_ending(int32_t level, int32_t loop) {
        controller->playinfo.level = level;
        controller->playinfo.loop = loop;
        auto ending = std::make_unique<recorded_ending_t>(&controller->playinfo, &controller->ranking);
        EXPECT_TRUE(ending->startup());
        ending->events.clear();
        return ending;
    }
    // The frames up to the end of the scene, counting them; at most `limit`.
    static uint32_t frames_to_change(ending_scene_t& ending, scenectr_t& controller, uint32_t limit) {
        uint32_t n = 0;
        while (controller.state == scenectr_t::state_running && n < limit) {
            ending.frame();
            ++n;
        }
        return n;
    }
    static bool posted(const recorded_ending_t& ending, event_t event) {
        return std::find(ending.events.begin(), ending.events.end(), event) != ending.events.end();
    }
};

} // namespace

TEST_F(ending_scene_test, enter_counts_from_frame_1200_and_the_closing_fades_out_and_hands_over) {
    const plat::rect_t before = g_screenctr.mg->clip;
    auto ending = make_ending(3, 2);
    const plat::rect_t strip = g_screenctr.mg->clip;
    EXPECT_EQ(std::vector<int32_t>({strip.left, strip.top, strip.right, strip.bottom}),
              std::vector<int32_t>({0, 40, 256, 216}));
    EXPECT_NE(ending->stage.enemies[0].size(), 0u); // the ending's pieces
    g_frame_counter = 1199;
    ending->on_key(plat::vk_return);
    EXPECT_EQ(ending->countdown, 0u);
    ending->frame();
    ASSERT_EQ(g_frame_counter, 1200u);
    ending->on_key(plat::vk_escape);
    EXPECT_EQ(ending->countdown, 400u);
    const std::vector<event_t> closing = {
        {ev::back_colour, 0xC14}, {ev::fade_out_black, 5}, {ev::fade_hold, 1}, {ev::bgm_fade, 0}};
    EXPECT_EQ(ending->events, closing);
    EXPECT_EQ(ending->fade_state, ev::fade_out_black);
    EXPECT_TRUE(ending->fade_hold);
    EXPECT_TRUE(ending->bgm_fading);
    ending->events.clear();

    EXPECT_EQ(frames_to_change(*ending, *controller, 1000), 400u);
    const std::vector<event_t> closed = {{ev::navigation, 13}, {ev::bgm_stop, 0}};
    EXPECT_EQ(ending->events, closed);
    EXPECT_EQ(ending->fade_weight, 256);
    EXPECT_EQ(queue(), std::vector<int32_t>{scene_play});
    EXPECT_EQ(g_screenctr.mg->clip.top, 40);
    ending.reset();
    const plat::rect_t after = g_screenctr.mg->clip;
    EXPECT_EQ(std::vector<int32_t>({after.left, after.top, after.right, after.bottom}),
              std::vector<int32_t>({before.left, before.top, before.right, before.bottom}));
}

TEST_F(ending_scene_test, the_closing_message_follows_level_and_loop_and_a_second_press_cuts_it_short) {
    struct case_t {
        int32_t level, loop;
        uint32_t second_press_after; // frames after the first press; 0: none
        int32_t message;             // -1: none
        uint32_t frames;
    };
    for (const case_t& c : {case_t{8, 8, 0, 20, 400}, case_t{5, 8, 0, 8, 400}, case_t{8, 7, 0, 13, 400},
                            case_t{1, 1, 10, -1, 11}, case_t{1, 1, 100, 13, 101}}) {
        SCOPED_TRACE(testing::Message() << c.level << " " << c.loop << " " << c.second_press_after);
        reset_controller();
        controller->push_scene(scene_play);
        auto ending = make_ending(c.level, c.loop);
        g_frame_counter = 5000;
        ending->on_key(plat::vk_return);
        uint32_t n =
            frames_to_change(*ending, *controller, c.second_press_after != 0 ? c.second_press_after : 1000);
        if (c.second_press_after != 0) {
            ending->on_key(plat::vk_return);
            EXPECT_EQ(ending->countdown, 1u);
            n += frames_to_change(*ending, *controller, 1000);
        }
        EXPECT_EQ(n, c.frames);
        for (int32_t m : {8, 13, 20}) {
            EXPECT_EQ(posted(*ending, {ev::navigation, m}), m == c.message) << m;
        }
        EXPECT_TRUE(posted(*ending, {ev::bgm_stop, 0}));
    }
}

TEST_F(ending_scene_test, the_countdown_runs_while_paused_and_only_f2_or_f4_reach_the_pause) {
    for (const int32_t pause_key : {vk_f2, vk_f4, int32_t('P')}) {
        SCOPED_TRACE(pause_key);
        reset_controller();
        controller->push_scene(scene_play);
        g_key_table[key_pause].code = pause_key;
        auto ending = make_ending(1, 1);
        ending->on_key(pause_key);
        EXPECT_EQ(ending->paused, pause_key != 'P');
        g_frame_counter = 1200;
        ending->on_key(plat::vk_return);
        EXPECT_EQ(frames_to_change(*ending, *controller, 1000), 400u);
        EXPECT_EQ(g_frame_counter, pause_key != 'P' ? 1200u : 1600u);
    }
}

TEST_F(ending_scene_test, a_missing_or_short_ending_stage_fails_the_start_up_and_leaves_the_clip_alone) {
    int opened = 0;
    plat::set_shell_open_hook_for_test([&opened](const std::string&) { return ++opened > 0; });
    for (const bool missing : {false, true}) {
        SCOPED_TRACE(missing);
        reset_controller();
        if (missing) {
            std::filesystem::remove("bin/st100.dat");
        } else {
            std::filesystem::resize_file("bin/st100.dat", 1000);
        }
        g_screenctr.mg->clip = {3, 4, 200, 100};
        {
            ending_scene_t ending(&controller->playinfo, &controller->ranking);
            EXPECT_FALSE(ending.startup());
        }
        EXPECT_EQ(controller->state, scenectr_t::state_quitting);
        EXPECT_EQ(g_screenctr.mg->clip.left, 3);
        EXPECT_EQ(g_screenctr.mg->clip.bottom, 100);
        const std::vector<std::string> lines = log();
        EXPECT_NE(std::find(lines.begin(), lines.end(), "* Error: ステージリソースの作成に失敗しました"),
                  lines.end());
        std::filesystem::remove("log/bootlog.txt");
    }
    EXPECT_EQ(opened, 2); // the log shown each time
    plat::set_shell_open_hook_for_test(nullptr);
}
