// Twister006, twister007 and twister008 on the kit: the fire clocks by level, the weaver's recoil and
// entry line, the tracker's stay, the diver's armour, course and missiles in turn.
#include "enemies/jet.h"
#include "enemies/twisters/twister006_008.h"
#include "enemies/twisters/twister007.h"
#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using twister_waves = enemy_kit_t;

constexpr int32_t missile_table[16] = {0, 62, 8, 58, 6, 2, 60, 4, 56, 6, 4, 60, 62, 2, 8, 58};

} // namespace

TEST_F(twister_waves, the_weaver_and_the_tracker_fire_on_their_clock_by_level_where_the_ship_lets_them) {
    const struct {
        int32_t type;
        int32_t level;
        float ship_x;
        int32_t first_shot; // -1 none in 200 frames
        float shot_x;       // after its first step
        int32_t direction;
    } rows[] = {
        {128, 1, 20, -1, 0, 0},
        {128, 2, 20, 128, 200 - 129 - 18 - 1.5f, 32},
        {128, 3, 20, 64, 200 - 65 - 19.5f, 32},
        {128, 8, 20, 32, 200 - 33 - 19.5f, 32},
        {128, 4, 250, -1, 0, 0},
        {130, 1, 20, -1, 0, 0},
        {130, 3, 20, 64, 200 + 18 + 1, 0},
        {130, 4, 250, 32, 200 + 19, 0},
    };
    for (const auto& r : rows) {
        load({placed(r.type, 200, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(r.ship_x, 128);
        run(200);
        const std::vector<launch_t> shots = launches(list_enemy_shots);
        if (r.first_shot < 0) {
            EXPECT_TRUE(shots.empty()) << r.type << " level " << r.level;
            continue;
        }
        ASSERT_FALSE(shots.empty()) << r.type << " level " << r.level;
        EXPECT_EQ(shots[0].frame, uint32_t(r.first_shot)) << r.type << " level " << r.level;
        EXPECT_NEAR(shots[0].x, r.shot_x, 0.01f) << r.type << " level " << r.level;
        EXPECT_EQ(shots[0].direction, r.direction);
    }
}

TEST_F(twister_waves, the_weaver_waves_from_its_phase_flinches_right_up_to_224_and_leaves_past_minus_32) {
    load({placed(128, 220, 100, 450), placed(130, 100, 100, -270)});
    scene->scroll_stop = 1;
    ship_at(20, 100);
    twister006::body_t* weaver = only<twister006::body_t>();
    twister008::body_t* tracker = only<twister008::body_t>();
    EXPECT_EQ(weaver->phase, 90);
    EXPECT_EQ(tracker->phase, 90);
    weaver->hp = tracker->hp = 1000;
    run(1);
    EXPECT_FLOAT_EQ(weaver->y, 116);
    EXPECT_FLOAT_EQ(weaver->jet->x, weaver->x + 16);
    EXPECT_FLOAT_EQ(tracker->jet->x, tracker->x - 16);
    EXPECT_FLOAT_EQ(weaver->x, 219);
    const int32_t calm_pattern = weaver->pattern;
    run(2);
    EXPECT_EQ(weaver->pattern, (calm_pattern + 1) & 15); // every other frame, every fourth while flinching
    float furthest = 0;
    for (int32_t f = 0; f < 20; ++f) {
        weaver->damage(1);
        run(1);
        furthest = std::max(furthest, weaver->x);
    }
    EXPECT_EQ(weaver->pattern, (calm_pattern + 6) & 15);
    EXPECT_EQ(weaver->hp, 980);
    EXPECT_FLOAT_EQ(furthest, 224);
    run(6); // the last flinches run out (at 224 it steps left without counting them)
    EXPECT_EQ(weaver->recoil, 0);
    const float settled = weaver->x;
    run(1);
    EXPECT_FLOAT_EQ(weaver->x, settled - 1);
    // The tracker's centre follows the ship's height a quarter pixel a frame.
    ship_at(20, 150);
    const float base = tracker->base_y;
    run(8);
    EXPECT_FLOAT_EQ(tracker->base_y, base + 2);
    weaver->x = -31.5f;
    run(1);
    EXPECT_FALSE(weaver->alive);
    EXPECT_EQ(weaver->explosion->alive, 0);
    tracker->damage(9999);
    run(1);
    EXPECT_EQ(sounds_of(38), 1);
}

TEST_F(twister_waves, the_tracker_stays_two_sections_past_its_key_and_leaves_with_its_jet) {
    for (uint32_t key : {0x1FFFFu, 0x20000u}) {
        load({placed(130, 100, 100)});
        twister008::body_t* tracker = only<twister008::body_t>();
        advance_to(key);
        run(1);
        EXPECT_EQ(tracker->alive != 0, key < 0x20000u) << key;
        EXPECT_EQ(tracker->jet->alive != 0, key < 0x20000u) << key;
    }
}

TEST_F(twister_waves, the_diver_dives_armoured_to_the_middle_turns_left_and_fires_its_missiles_in_turn) {
    const struct {
        int32_t y;
        int32_t level;
        bool downward;
        int32_t pattern;   // after 10 frames of the dive: a step every 4 frames
        uint32_t interval; // 0: its missiles start above the screen and vanish at once
    } rows[] = {
        {40, 1, true, 3, 24}, {128, 2, false, 13, 0}, {200, 2, false, 13, 16}, {200, 3, false, 13, 8}};
    for (const auto& r : rows) {
        load({placed(129, 200, r.y)}, r.level);
        scene->scroll_stop = 1;
        ship_at(20, 20);
        twister007::body_t* diver = only<twister007::body_t>();
        run(10);
        EXPECT_EQ(diver->downward != 0, r.downward);
        EXPECT_EQ(diver->y > float(r.y), r.downward);
        EXPECT_EQ(diver->pattern, r.pattern);
        EXPECT_TRUE(shoot(diver->x, diver->y, 1, 16, 16));
        EXPECT_EQ(diver->hp, diver->max_hp()); // armoured
        run(23);
        EXPECT_FALSE(diver->armoured);
        const int32_t start = diver->next_missile;
        uint32_t cruising = 0;
        for (uint32_t f = 33; f < 153; ++f) {
            run(1);
            if (cruising == 0 && diver->state == 3) {
                cruising = f;
            }
        }
        if (r.interval != 0) {
            ASSERT_EQ(sound_frames(10).size(), 1u);
            EXPECT_NEAR(float(cruising - sound_frames(10)[0]), 50, 1); // 0.04 a frame up to 2
        }
        EXPECT_EQ(diver->speed, 2.0f);
        std::vector<launch_t> missiles = launches(list_enemy_shots);
        if (r.interval == 0) {
            EXPECT_TRUE(missiles.empty());
            continue;
        }
        ASSERT_GE(missiles.size(), 4u);
        for (size_t i = 0; i < missiles.size(); ++i) {
            EXPECT_EQ(missiles[i].direction, missile_table[(size_t(start) + i) % 16]) << i;
            EXPECT_FLOAT_EQ(missiles[i].speed, 0.5f);
            if (i > 0) {
                EXPECT_EQ(missiles[i].frame - missiles[i - 1].frame, r.interval);
            }
        }
        EXPECT_EQ(sounds_of(31), int32_t(missiles.size()));
        EXPECT_EQ(sounds_of(10), 1);
        EXPECT_TRUE(shoot(diver->x, diver->y, 1, 16, 16));
        EXPECT_EQ(diver->hp, diver->max_hp() - 1);
    }
}
