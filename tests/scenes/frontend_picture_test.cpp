// Golden pictures of the front end, each screen at a moment that shows its state: the title's menu and
// cursor, the ship select's pulse and its blink after ENTER, the settings' equipment icons, the name
// entry, the ranking with a new entry, the demo's ranking page, the replay and recording marks with the
// replay header, and the ending's closing message.
//     MELVORIN_WRITE_GOLDEN=1 build/melvorin_tests --gtest_filter='frontend_pictures.*'
#include "objects/play_globals.h"
#include "platform/keyboard.h"
#include "play/demo_scene.h"
#include "play/ending_scene.h"
#include "play/recplay_scene.h"
#include "play/replay_scene.h"
#include "scenes/config_scene.h"
#include "scenes/draw_sprite.h"
#include "scenes/gameover_scene.h"
#include "scenes/ranking_scene.h"
#include "scenes/title_scene.h"
#include "scenes/typesel_scene.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"
#include "tests/scenes/frontend_fixture.h"
#include "tests/scenes/scene_keys.h"
#include "tests/support/golden.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using namespace scene_keys;

class frontend_pictures : public frontend_fixture_t {
  protected:
    void SetUp() override {
        frontend_fixture_t::SetUp();
        start_on_sample_data();
    }

    // Rows top to bottom - 1 of the back buffer, the whole width.
    std::vector<uint8_t> rows(int32_t top, int32_t bottom) const {
        const std::vector<uint32_t> all = picture();
        return ppm_of({all.begin() + top * 256, all.begin() + bottom * 256}, 256, bottom - top);
    }

    // A run whose record entered the ranking at rank 11 with the name "AB".
    void enter_rank_11() {
        ranking_t& table = controller->ranking;
        table.set_default();
        ranking_record_t run;
        run.score = 500000;
        ASSERT_TRUE(table.insert(run));
        std::strcpy(table.new_entry_record()->name, "AB");
    }

    static void frames(scene_t& scene, int32_t n) {
        for (int32_t i = 0; i < n; ++i) {
            scene.frame();
        }
    }
    static void keys(scene_t& scene, std::initializer_list<int32_t> pressed) {
        for (const int32_t key : pressed) {
            scene.on_key(key);
        }
    }
};

struct screen_case_t {
    const char* file;
    int32_t top; // the stored rows of the back buffer
    int32_t bottom;
    std::function<void()> drive;
};

} // namespace

TEST_F(frontend_pictures, each_screen_at_a_telling_moment) {
    const auto title = [this] {
        title_scene_t scene;
        ASSERT_TRUE(scene.startup());
        frames(scene, 1);
        keys(scene, {'A'}); // the intro skipped
        frames(scene, 1);
        keys(scene, {down, down}); // the cursor on the ranking
        frames(scene, 1);
    };
    const auto ship_select = [this](int32_t shown_frames, bool confirmed) {
        int32_t ship = -1, option = 0;
        typesel_scene_t scene(&ship, &option);
        ASSERT_TRUE(scene.startup());
        keys(scene, {down, right});
        frames(scene, shown_frames);
        if (confirmed) {
            keys(scene, {enter});
            frames(scene, 4); // countdown 77: the frame shown, opaque
        }
    };
    const auto settings = [this] {
        controller->userinfo.stage = 3;
        config.equipment = 54; // shield, multiples, the third shot, missile
        config_scene_t scene(&config, &controller->ranking, &controller->userinfo);
        ASSERT_TRUE(scene.startup());
        for (int32_t i = 0; i < 7; ++i) { // SECTION is skipped
            scene.on_key(down);
        }
        ASSERT_EQ(scene.current_line, 8);
        frames(scene, 1);
    };
    const auto name_entry = [this] {
        enter_rank_11();
        std::strcpy(controller->ranking.new_entry_record()->name, "");
        draw_sprite_centred(g_screenctr.find_sprite("image\\title2.bmp"), 128, 128); // the frozen play
        gameover_scene_t scene(&controller->ranking);
        ASSERT_TRUE(scene.startup());
        frames(scene, 1);
        keys(scene, {enter});
        frames(scene, 1);
        keys(scene, {right, enter, left, enter, left}); // "BA", the end glyph offered
        frames(scene, 4);
    };
    const auto ranking = [this] {
        enter_rank_11();
        ranking_scene_t scene(&controller->ranking);
        ASSERT_TRUE(scene.startup());
        frames(scene, 20);
    };
    const auto demo_page = [this](uint32_t frame) {
        controller->ranking.set_default();
        demo_scene_t demo(&controller->playinfo, &controller->ranking, ".\\bin\\demoplay0.ply");
        g_frame_counter = frame;
        g_screenctr.mg->clear(0);
        demo.draw_mode_overlay();
    };
    const auto replay_marks = [this] {
        replay_scene_t replay(&controller->playinfo, &controller->ranking, ".\\bin\\demoplay0.ply");
        replay.replay_image = g_screenctr.find_sprite("image\\replay.bmp");
        controller->playinfo.date = 1782907200; // noon of 2026-07-01, UTC
        controller->playinfo.level = 5;
        controller->playinfo.loop = 3;
        g_frame_counter = 40;
        g_screenctr.mg->clear(0);
        plat::set_key_state('I', true);
        replay.draw_mode_overlay();
        plat::set_key_state('I', false);
    };
    const auto recording_mark = [this] {
        recplay_scene_t recording(&controller->playinfo, nullptr, &controller->ranking, "unused.ply");
        recording.rec_image = g_screenctr.find_sprite("image\\rec.bmp");
        g_frame_counter = 20;
        g_screenctr.mg->clear(0);
        recording.draw_mode_overlay();
    };
    const auto ending = [this] {
        controller->playinfo.stage = 100;
        controller->playinfo.level = 8;
        controller->playinfo.loop = 7;
        ending_scene_t scene(&controller->playinfo, &controller->ranking);
        ASSERT_TRUE(scene.startup());
        g_frame_counter = 1200;
        scene.on_key(enter);
        while (scene.countdown > 200) {
            scene.frame();
        }
        scene.fps_rate = 59.94;
        scene.draw_value(0, 0); // the frame rate's place is the ending's own
    };
    const screen_case_t cases[] = {
        {"title_menu.ppm", 8, 248, title},
        // The panels on their way in; arrived, with the chosen frame pulsing at weight 112; confirmed.
        {"typesel_sliding.ppm", 56, 248, [&] { ship_select(12, false); }},
        {"typesel_choosing.ppm", 8, 248, [&] { ship_select(67, false); }},
        {"typesel_confirmed.ppm", 8, 248, [&] { ship_select(67, true); }},
        {"settings_equipment.ppm", 8, 248, settings},
        {"name_entry.ppm", 8, 248, name_entry},
        {"ranking_new_entry.ppm", 8, 248, ranking},
        // The caption shows on frame 831 of its 48-frame blink; the ranking page at weight 96, the lower
        // rows lighter.
        {"demo_caption.ppm", 120, 140, [&] { demo_page(831); }},
        {"demo_ranking_page.ppm", 24, 224, [&] { demo_page(1536 + 40); }},
        {"replay_marks.ppm", 176, 248, replay_marks},
        {"recording_mark.ppm", 216, 248, recording_mark},
        {"ending_message.ppm", 8, 248, ending},
    };
    for (const screen_case_t& c : cases) {
        SCOPED_TRACE(c.file);
        reset_controller();
        g_screenctr.clear_layers();
        c.drive();
        expect_golden_picture(golden_path(__FILE__, c.file), rows(c.top, c.bottom));
    }
}
