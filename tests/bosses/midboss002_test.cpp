// The creeping laser carrier: its assembly, each phase's speed and flap, the laser volleys at the two
// flap points, the fans of its retreat by level, the lasers' veering course, its damage and quiet exit.
#include "bosses/midboss002/midboss002.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "tests/bosses/midboss_kit.h"

#include <cmath>

namespace {

using midboss002_test = midboss_kit_t;
using midboss002::body_t;

constexpr int32_t first_laser = 52; // after 48 balls and 4 straight shots

} // namespace

TEST_F(midboss002_test, the_body_its_flames_and_pools_are_assembled_in_order_with_their_effects) {
    load({placed(266, 200, 120, 0, 37)});
    const part_t jet{"jet_t", 93, 4};
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0),
              (std::vector<part_t>{{"midboss002::body_t", 266}, jet, jet, jet, jet}));
    std::vector<part_t> shots, effects;
    const auto add = [&](const char* kind, int32_t record, int32_t count, int32_t effect_period) {
        for (int32_t i = 0; i < count; ++i) {
            effects.push_back({"explosion_t", record == 234 ? 235 : 31, effect_period, list_enemy_shots,
                               int32_t(shots.size())});
            shots.push_back({kind, record, -1, list_enemies0, 0});
        }
    };
    add("midboss002::ball_t", 234, 48, 2);
    add("missile_t", 28, 4, 4);
    add("midboss002::laser_t", 30, 24, 5);
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots), shots);
    auto explosions = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(explosions.size(), 30 + effects.size()); // the boss death pattern first
    EXPECT_EQ(explosions[0].owner_index, 0);
    EXPECT_EQ(std::vector<part_t>(explosions.begin() + 30, explosions.end()), effects);
    EXPECT_NE(only<body_t>()->carried, nullptr);

    for (int32_t record : {266, 90, 93, 234, 235, 28, 30, 31, 75}) {
        records({}, {record});
        load({placed(266, 200, 120)});
        EXPECT_EQ(all<body_t>().size(), record == 75 ? 1u : 0u) << record;
        if (record == 75) { // the boss death pattern needs it: the body goes without one
            EXPECT_EQ(only<body_t>()->explosion, nullptr);
        }
    }
}

TEST_F(midboss002_test, each_phase_changes_speed_and_flaps_at_its_own_pace_and_turns_back_near_the_left) {
    struct row_t {
        int32_t state;
        uint32_t timer;
        float x, speed;
        uint32_t frames;
        int32_t state_after;
        float speed_after, x_after;
        int32_t pattern_after; // from 1
    };
    const row_t rows[] = {
        {0, 0, 200, 0.5f, 2, 0, 0.54f, 198.94f, 2},   // flaps every 2nd frame
        {0, 0, 200, 0.99f, 1, 1, 1.0f, 199, 2},       // at 1.0 the surge
        {1, 0, 200, 1.0f, 6, 1, 1.0f, 194, 3},        // every 3rd frame
        {1, 24, 200, 1.0f, 1, 2, 0.99f, 199.01f, 2},  // braking after 24 frames
        {1, 0, 63.5f, 1.0f, 1, 50, 0.98f, 62.52f, 2}, // begun left of 64: stop
        {1, 0, 64, 1.0f, 1, 1, 1.0f, 63, 2},
        {1, 23, 63, 1.0f, 1, 50, 0.98f, 62.02f, 2},
        {2, 0, 200, 0.9f, 3, 2, 0.87f, 197.36f, 3},
        {2, 0, 200, 0.505f, 1, 3, 0.5f, 199.5f, 2}, // 0.5 to fire
        {3, 0, 200, 0.5f, 6, 3, 0.5f, 197, 7},      // every frame
        {3, 64, 200, 0.5f, 1, 0, 0.52f, 199.48f, 2},
        {50, 0, 200, 0.5f, 2, 50, 0.46f, 199.06f, 2},
        {50, 0, 200, 0.01f, 1, 51, -0.05f, 200.05f, 2}, // below 0: reversing at once
        {51, 0, 200, -0.5f, 2, 51, -0.6f, 201.15f, 2},
        {51, 0, 200, -0.96f, 1, 52, -1.0f, 201, 2},
        {52, 1, 200, -1.0f, 2, 52, -1.0f, 202, 3},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(266, 200, 120));
        body->state = r.state;
        body->timer = r.timer;
        body->x = r.x;
        body->speed = r.speed;
        body->pattern = 1;
        run(r.frames);
        EXPECT_EQ(body->state, r.state_after) << r.state << " " << r.x;
        EXPECT_NEAR(body->speed, r.speed_after, 1e-4) << r.state << " " << r.speed;
        EXPECT_NEAR(body->x, r.x_after, 1e-4) << r.state << " " << r.speed;
        EXPECT_EQ(body->pattern, r.pattern_after) << r.state;
    }
}

TEST_F(midboss002_test, a_volley_leaves_at_flap_0_and_12_one_pair_below_level_4_two_from_it) {
    struct row_t {
        int32_t level;
        int32_t pattern;
        float s; // the flap's cosine
    };
    for (const row_t& r : {row_t{1, 0, 1}, row_t{4, 0, 1}, row_t{3, 12, float(std::cos(67 * M_PI / 180))},
                           row_t{5, 12, float(std::cos(67 * M_PI / 180))}, row_t{4, 5, 0}}) {
        auto* body = hold<body_t>(placed(266, 200, 120), r.level);
        body->state = 3;
        body->speed = 0.5f;
        body->pattern = r.pattern;
        run(1);
        std::vector<launch_t> expected;
        if (r.s != 0) {
            for (const auto& [dx, dy] : {std::pair{-28.0f, 12.0f}, std::pair{-16.0f, 24.0f}}) {
                if (dx == -16 || r.level >= 4) {
                    for (float side : {-1.0f, 1.0f}) {
                        expected.push_back(left_from(0, list_enemy_shots,
                                                     first_laser + int32_t(expected.size()), 199.5f + dx,
                                                     120 + side * dy * r.s, 32, 1.02f));
                    }
                }
            }
        }
        EXPECT_EQ(launches(list_enemy_shots), expected) << r.level << " " << r.pattern;
        for (size_t i = 0; i < expected.size(); ++i) {
            const auto* laser = body->lasers[i];
            EXPECT_EQ(laser->spreading, r.level >= 4 && i + 2 >= expected.size()) << i;
            EXPECT_TRUE(laser->effect->alive);
            EXPECT_FLOAT_EQ(laser->effect->x, laser->x);
        }
        EXPECT_EQ(sounds_of(21), r.s != 0 ? 1 : 0);
        if (r.s != 0) { // the flames flap with the same angle
            const float at[4][2] = {{20, -8}, {20, 8}, {16, -18}, {16, 18}};
            for (int32_t i = 0; i < 4; ++i) {
                EXPECT_FLOAT_EQ(body->jets[i]->x, 199.5f + at[i][0]);
                EXPECT_NEAR(body->jets[i]->y, 120 + at[i][1] * r.s, 1e-3);
            }
        }
    }
    load({placed(266, 200, 120)});
    scene->scroll_stop = 1;
    auto* body = only<body_t>();
    body->state = 3;
    body->speed = 0.5f;
    run(65);
    EXPECT_EQ(sound_frames(21), (std::vector<uint32_t>{0, 12, 32, 44}));
    EXPECT_EQ(body->state, 0);
}

TEST_F(midboss002_test, the_retreat_fans_balls_every_16_frames_by_level_and_leaves_quietly_on_the_right) {
    struct row_t {
        int32_t level;
        std::vector<int32_t> fans;
    };
    for (const row_t& r : {row_t{2, {}}, row_t{3, {4, 3, 4, 3}}, row_t{4, {6, 5, 6, 5}}}) {
        auto* body = hold<body_t>(placed(266, 200, 120, 0, 37), r.level);
        body->state = 51;
        body->speed = -0.96f;
        body->x = 100;
        run(64);
        std::vector<launch_t> expected;
        for (size_t f = 0; f < r.fans.size(); ++f) {
            const int32_t n = r.fans[f];
            for (int32_t k = 0; k < n; ++k) {
                expected.push_back(left_from(uint32_t(16 * f), list_enemy_shots, int32_t(expected.size()),
                                             100 + 16 * float(f), 120, 32 - 2 * (n - 1) + 4 * k, 1.5f));
            }
        }
        EXPECT_EQ(launches(list_enemy_shots), expected) << r.level;
        body->x = 287;
        const uint32_t score = g_score;
        run(1);
        EXPECT_TRUE(body->alive);
        run(1);
        EXPECT_FALSE(body->alive);
        EXPECT_FALSE(body->jets[3]->alive);
        EXPECT_FALSE(death_pattern_shown());
        EXPECT_FALSE(scene->stage.items[0]->alive);
        EXPECT_EQ(g_score, score);
    }
}

TEST_F(midboss002_test, a_spreading_laser_veers_away_from_the_body_holds_and_turns_back_parallel) {
    struct row_t {
        float laser_y;
        bool spreading;
        int32_t target;
    };
    for (const row_t& r :
         {row_t{80, true, 24}, row_t{160, true, 40}, row_t{120, true, 40}, row_t{80, false, 32}}) {
        auto* body = hold<body_t>(placed(266, 200, 120));
        body->alive = 0; // holds still at y 120
        midboss002::laser_t* laser = body->lasers[0];
        laser->set_position(250, r.laser_y);
        laser->spreading = r.spreading;
        laser->start();
        std::vector<std::pair<uint32_t, int32_t>> course, expected;
        const int32_t step = r.target < 32 ? -1 : 1;
        for (int32_t k = 1; r.target != 32 && k <= 8; ++k) {
            expected.emplace_back(24 + 2 * (k - 1), 32 + step * k); // every other frame from frame 24
        }
        for (int32_t k = 1; r.target != 32 && k <= 8; ++k) {
            expected.emplace_back(49 + k, r.target - step * k); // 12 frames on, back a step a frame
        }
        for (uint32_t f = 0; f < 80; ++f) {
            const int32_t before = laser->direction;
            run(1);
            if (laser->direction != before && f > 0) {
                course.emplace_back(f, laser->direction);
            }
            if (f == 38) { // along its course: 45 degrees off for a spreading one
                EXPECT_EQ(laser->pattern, r.target % 32);
                EXPECT_NEAR(laser->vx, laser->speed * (r.target == 32 ? -1 : -0.70711f), 1e-4);
            }
            if (f == 9) {
                EXPECT_NEAR(laser->speed, 1.2f, 1e-4);
            }
        }
        EXPECT_EQ(course, expected) << r.laser_y;
        EXPECT_EQ(laser->speed, 2.4f);
    }
    load({placed(266, 200, 120)});
    scene->scroll_stop = 1;
    midboss002::laser_t* laser = only<body_t>()->lasers[0];
    solid_at(*slot0, 240, 100);
    laser->set_position(250, 100);
    laser->spreading = 1;
    laser->start();
    run(12);
    EXPECT_FALSE(laser->alive); // the terrain stops it, and its effect shows where
    EXPECT_TRUE(laser->effect->alive);
    EXPECT_EQ(laser->spreading, 0); // fired again as an inner laser, it flies straight
}

TEST_F(midboss002_test, damage_sounds_shakes_the_screen_on_death_and_fires_back_from_level_4) {
    struct row_t {
        int32_t level;
        int32_t power;
        float dx;
        int32_t hit_sounds;
        bool dies;
        int32_t revenge;
    };
    const row_t rows[] = {
        {1, 0, 8, 0, false, 0},   {1, 1, 35, 1, false, 0},  {1, 1, 36, 0, false, 0}, // the box lies 8 right
        {1, 1, -19, 1, false, 0}, {1, 1, -20, 0, false, 0}, {3, 9999, 8, 1, true, 0},
        {4, 9999, 8, 1, true, 1},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(266, 200, 120), r.level);
        shoot(body->x + r.dx, body->y, r.power);
        EXPECT_EQ(r.hit_sounds > 0, (body->hp < body->max_hp())) << r.power << " " << r.dx;
        EXPECT_EQ(body->alive == 0, r.dies);
        EXPECT_EQ(body->jets[0]->alive == 0, r.dies);
        EXPECT_EQ(death_pattern_shown(), r.dies);
        EXPECT_EQ(pool_shots_alive(), r.revenge);
        EXPECT_EQ(posted_since(0), (r.dies ? std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 371, -3}}
                                           : std::vector<std::tuple<uint32_t, int32_t, int32_t>>{}));
        run(1);
        EXPECT_EQ(sounds_of(48), r.hit_sounds) << r.power;
        EXPECT_EQ(sounds_of(1), r.dies ? 1 : 0);
    }
}
