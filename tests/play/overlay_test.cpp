// The play picture's overlays: the gauge in every style, the score line, the clock, and golden pictures
// of a running frame's overlays and of the paused frame.
//     MELVORIN_WRITE_GOLDEN=1 build/melvorin_tests --gtest_filter='play_overlay.*'
#include "objects/play_globals.h"
#include "objects/score.h"
#include "platform/keyboard.h"
#include "play/hud.h"
#include "player/powergauge.h"
#include "player/ship.h"
#include "screen/vscreen.h"
#include "tests/play/play_run_fixture.h"
#include "tests/support/golden.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

namespace {

class play_overlay : public play_run_fixture_t {
  protected:
    play_overlay() { desktop_bits = 32; }

    // A started scene in the CAPSULE mode on an empty black screen: no stage objects, no layers.
    void start_bare(play_scene_t& scene) {
        settings.powerup_mode = 1;
        reset_run_globals();
        ASSERT_TRUE(scene.startup());
        ASSERT_TRUE(powergauge::gauge);
        scene.unload_stage();
        g_screenctr.clear_layers();
        scene.navigation.clear();
        scene.fade_layer = 0;
        scene.back_colour = 0;
        scene.draw_stars = false;
        scene.clear_first = false;
        g_show_frame_rate = 0;
    }

    static mg_t& screen() { return *g_screenctr.mg; }
    static std::vector<uint32_t> picture() { return blend_test::pixels(*screen().surface); }
    static std::vector<uint32_t> cleared_picture_of(const std::function<void()>& draw) {
        screen().clear(0);
        draw();
        return picture();
    }
};

// Seconds since 1970 of 9:05:03 local time on a day of 2026.
int64_t local_nine_oh_five_oh_three() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 6;
    t.tm_mday = 1;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 3;
    t.tm_isdst = -1;
    return int64_t(std::mktime(&t));
}

} // namespace

TEST(gauge_box_blend, opaque_down_to_160_then_fading_to_a_quarter_by_208) {
    const int32_t rows[][2] = {{0, 0},     {160, 0},   {161, 4},       {176, 64},       {192, 128},
                               {208, 192}, {240, 192}, {1 << 30, 192}, {INT32_MAX, 192}};
    for (const auto& r : rows) {
        EXPECT_EQ(gauge_box_blend(r[0]), r[1]) << "y " << r[0];
    }
}

TEST_F(play_overlay, every_style_draws_six_whole_boxes_at_its_centres_and_a_bad_style_draws_style_0) {
    play_scene_t scene(&settings, nullptr, &ranking);
    start_bare(scene);
    scene.player.ship->set_position(100, 100);
    const int32_t centres[gauge_style_count][2][2] = {
        {{28, 243}, {148, 243}}, {{22, 234}, {22, 243}}, {{28, 22}, {148, 22}},
        {{148, 22}, {148, 31}},  {{88, 22}, {88, 243}},
    };
    const sprite_record_t& box = g_screenctr.sprites[scene.sprite_gauge_icon];
    for (int32_t style = 0; style < gauge_style_count; ++style) {
        scene.gauge_style = style;
        const std::vector<uint32_t> drawn = cleared_picture_of([&] { scene.draw_hud(); });
        int32_t count = 0;
        for (const uint32_t p : drawn) {
            count += p != 0;
        }
        EXPECT_EQ(count, 6 * box.cell_width * box.cell_height) << "style " << style;
        for (int32_t slot = 0; slot < 6; ++slot) {
            const int32_t x = centres[style][slot / 3][0] + slot % 3 * 40;
            const int32_t y = centres[style][slot / 3][1];
            EXPECT_NE(drawn[size_t(y) * 256 + x], 0u) << "style " << style << " slot " << slot + 1;
        }
    }
    scene.gauge_style = 0;
    const std::vector<uint32_t> style_0 = cleared_picture_of([&] { scene.draw_hud(); });
    for (const int32_t bad : {-1, 5, 1 << 30}) {
        scene.gauge_style = bad;
        EXPECT_EQ(cleared_picture_of([&] { scene.draw_hud(); }), style_0) << "style " << bad;
    }
}

// With the cursor on slot 1 its second label flashes in the first four frames of every eight, telling a
// speed-up below blink 128 and a speed-down from 128 on.
TEST_F(play_overlay, slot_1_flashes_four_frames_in_eight_with_its_speed_label) {
    play_scene_t scene(&settings, nullptr, &ranking);
    start_bare(scene);
    scene.player.ship->set_position(100, 100);
    gauge_t& gauge = *powergauge::gauge;
    gauge.cursor = 1;
    gauge.available[1] = 1;
    const auto hud_at = [&](uint32_t frame, uint32_t blink) {
        g_frame_counter = frame;
        gauge.blink = blink;
        return cleared_picture_of([&] { scene.draw_hud(); });
    };
    const std::vector<uint32_t> speed_up = hud_at(0, 0), speed_down = hud_at(0, 255), steady = hud_at(4, 0);
    EXPECT_NE(speed_up, steady);
    EXPECT_NE(speed_down, steady);
    EXPECT_NE(speed_up, speed_down);
    struct row_t {
        uint32_t frame, blink;
        const std::vector<uint32_t>& shows;
    };
    const row_t rows[] = {{3, 127, speed_up},   {4, 127, steady},      {7, 200, steady},
                          {8, 128, speed_down}, {11, 255, speed_down}, {12, 128, steady}};
    for (const row_t& r : rows) {
        EXPECT_EQ(hud_at(r.frame, r.blink), r.shows) << "frame " << r.frame << ", blink " << r.blink;
    }
    g_frame_counter = 0;
}

TEST_F(play_overlay, the_high_score_is_the_score_once_the_score_passes_rank_1) {
    play_scene_t scene(&settings, nullptr, &ranking);
    start_bare(scene);
    ranking.set_default();
    const int32_t best = ranking.records[0].score;
    // The high-score field (columns 20 to 27 of row 1) shows what the score field would for `shown`.
    const auto high_score_field = [](const std::vector<uint32_t>& p, int32_t first_col) {
        std::vector<uint32_t> field;
        for (int32_t y = 9; y < 17; ++y) {
            field.insert(field.end(), p.begin() + y * 256 + first_col * 8,
                         p.begin() + y * 256 + first_col * 8 + 64);
        }
        return field;
    };
    for (const int32_t score : {best + 12345, best, best - 1}) {
        score_reset(score);
        const std::vector<uint32_t> line = cleared_picture_of([&] { scene.draw_high_score(); });
        const int32_t shown = score > best ? score : best;
        const std::vector<uint32_t> number =
            cleared_picture_of([&] { screen().draw_number(1, 1, shown, 8, scene.sprite_char001, ' '); });
        EXPECT_EQ(high_score_field(line, 20), high_score_field(number, 2)) << "score " << score;
    }
}

TEST_F(play_overlay, the_clock_reads_hours_colon_minutes_gap_seconds_or_dashes_without_a_time) {
    play_scene_t scene(&settings, nullptr, &ranking);
    start_bare(scene);
    struct row_t {
        int64_t time;
        const char* reads;
    };
    for (const row_t& r : {row_t{local_nine_oh_five_oh_three(), " 9:05 03"}, row_t{INT64_MAX, "--:-- --"}}) {
        const std::vector<uint32_t> clock = cleared_picture_of([&] { scene.draw_clock(33, 33, r.time); });
        const std::vector<uint32_t> text =
            cleared_picture_of([&] { screen().draw_string(34, 33, r.reads, scene.sprite_char003); });
        EXPECT_EQ(clock, text) << r.reads;
    }
}

TEST_F(play_overlay, pictures_missing_from_the_sprite_table_draw_nothing) {
    play_scene_t scene(&settings, nullptr, &ranking);
    start_bare(scene);
    for (int32_t* sprite :
         {&scene.sprite_usrans, &scene.sprite_lifemark, &scene.sprite_gauge_icon, &scene.sprite_gauge_text,
          &scene.sprite_char001, &scene.sprite_char002, &scene.sprite_char003}) {
        *sprite = -1;
    }
    std::strcpy(scene.navigation.text, "WARNING");
    scene.navigation.cursor_on = true;
    g_show_frame_rate = 1;
    scene.player.ship->alive = 0;
    scene.compose_frame(64);
    scene.draw_clock(33, 33, local_nine_oh_five_oh_three());
    const std::vector<uint32_t> drawn = picture();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 0u), std::ptrdiff_t(drawn.size()));
    screen().dirty = 0;
    scene.draw_overlay_text(3, 8);
    scene.draw_high_score();
    scene.draw_hud();
    scene.draw_value(10, 3);
    scene.draw_clock(33, 33, INT64_MAX);
    EXPECT_EQ(screen().dirty, 0);
    g_show_frame_rate = 0;
}

TEST_F(play_overlay, golden_running_overlays_and_paused_frame) {
    play_scene_t scene(&settings, nullptr, &ranking);
    start_bare(scene);
    scene.gauge_style = 2; // the gauge on top lowers the lives and the frame rate
    score_reset(ranking.records[0].score + 4321);
    g_lives = 7;
    scene.player.ship->set_position(120, 184); // boxes three eighths seen through
    scene.player.ship->alive = 0;
    scene.back_colour = 0x305070;
    gauge_t& gauge = *powergauge::gauge;
    gauge.cursor = 1;
    gauge.blink = 200;
    std::fill(std::begin(gauge.available), std::end(gauge.available), 1);
    gauge.available[0] = gauge.available[3] = 0;
    g_frame_counter = 2;
    g_show_frame_rate = 1;
    scene.fps_rate = 59.94;
    std::strcpy(scene.navigation.text, "WARNING\nA HUGE OBJECT");
    scene.navigation.cursor_on = true;
    scene.navigation.fade = 96;

    scene.draw_world();
    expect_golden_picture(golden_path(__FILE__, "overlay_running.ppm"),
                          visible_rows_as_ppm(*screen().surface));
    scene.on_key(plat::vk_escape);
    scene.on_key(plat::vk_down);
    scene.compose_frame(64);
    scene.draw_clock(33, 33, local_nine_oh_five_oh_three());
    expect_golden_picture(golden_path(__FILE__, "overlay_paused.ppm"),
                          visible_rows_as_ppm(*screen().surface));
    g_show_frame_rate = 0;
}
