// The ball-spreading cruiser: its assembly and one draw, each phase's speed and pace, the flames' blink,
// the fans and laser pairs by level, the balls' and lasers' flight, its shields, burst and quiet exit.
#include "bosses/midboss003/midboss003.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "tests/bosses/midboss_kit.h"

namespace {

using midboss003_test = midboss_kit_t;
using midboss003::body_t;

} // namespace

TEST_F(midboss003_test, the_body_flames_dormant_balls_lasers_and_ring_shots_are_assembled_in_order) {
    load({placed(267, 200, 120, 0, 37)});
    std::vector<part_t> enemies{{"midboss003::body_t", 267}, {"jet_t", 93, 2}, {"jet_t", 93, 2}};
    std::vector<part_t> shots, explosions{{"explosion_t", 268, 1}};
    for (int32_t i = 0; i < 32; ++i) {
        enemies.push_back({"midboss003::ball_t", 269});
        explosions.push_back({"explosion_t", 51, 2, list_enemies0, 3 + i});
    }
    for (int32_t i = 0; i < 36; ++i) {
        shots.push_back({i < 4 ? "midboss003::body_laser_t" : "common_missile1_t", i < 4 ? 30 : 17, -1,
                         list_enemies0, 0});
    }
    for (int32_t i = 0; i < 4; ++i) {
        explosions.push_back({"explosion_t", 31, 2, list_enemy_shots, i});
    }
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0), enemies);
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots), shots);
    const auto made = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(made.size(), 20 + explosions.size()); // the medium death pattern first
    EXPECT_EQ(made[0].owner_index, 0);
    EXPECT_EQ(std::vector<part_t>(made.begin() + 20, made.end()), explosions);
    auto* body = only<body_t>();
    EXPECT_EQ(alive_count(body->balls), 0);
    EXPECT_EQ(body->balls[31]->hp, 0);
    EXPECT_NE(body->carried, nullptr);
    uint32_t state = uint32_t(settings.random_seed);
    next_draw(state); // seeding draws one
    EXPECT_EQ(body->pattern, next_draw(state) / 4096);
    EXPECT_EQ(rng::current_state(), state); // and the body the only other

    for (int32_t record : {267, 84, 93, 269, 51, 17, 30, 31, 268, 75}) {
        records({}, {record});
        load({placed(267, 200, 120)});
        EXPECT_EQ(all<body_t>().size(), record == 75 ? 1u : 0u) << record;
        if (record == 75) { // the medium death pattern needs it: the body goes without one
            EXPECT_EQ(only<body_t>()->explosion, nullptr);
        }
    }
}

TEST_F(midboss003_test, each_phase_changes_speed_and_pace_from_arrival_to_exit) {
    struct row_t {
        int32_t state;
        uint32_t timer;
        float x, speed;
        int32_t pattern;
        uint32_t frames;
        int32_t state_after;
        float speed_after, x_after;
        int32_t pattern_after;
        int32_t sound;
    };
    const row_t rows[] = {
        {1, 0, 281, 0, 0, 1, 1, 2, 279, 1, 0}, // entering at 2
        {1, 0, 280, 0, 0, 1, 1, 2, 278, 1, 0},
        {1, 0, 279.5f, 2, 0, 1, 2, 1.95f, 277.55f, 1, 29}, // arrived: braking
        {2, 0, 200, 1, 10, 2, 2, 0.9f, 198.15f, 11, 0},    // every 2nd frame
        {2, 0, 200, 0.24f, 10, 1, 3, 0.2f, 199.8f, 11, 0},
        {3, 0, 200, 0.2f, 50, 4, 3, 0.2f, 199.2f, 52, 0},
        {3, 0, 200, 0.2f, 56, 6, 3, 0.2f, 198.8f, 58, 0}, // every 3rd frame from 56
        {3, 0, 200, 0.2f, 63, 2, 50, 0.2f, 199.6f, 0, 0}, // at 0 the attack
        {50, 0, 200, 0.2f, 0, 4, 50, 0.2f, 199.2f, 0, 0}, // no flapping
        {50, 288, 200, 0.2f, 0, 1, 60, 0.23f, 199.77f, 1, 10},
        {60, 0, 200, 1, 0, 6, 60, 1.18f, 193.37f, 2, 0},
        {60, 0, 200, 1.98f, 0, 1, 61, 2, 198, 1, 0},
        {61, 0, 200, 2, 0, 4, 61, 2, 192, 2, 0},
        {61, 0, -31, 2, 0, 1, 61, 2, -33, 1, 0},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(267, 200, 120));
        body->state = r.state;
        body->timer = r.timer;
        body->x = r.x;
        body->speed = r.speed;
        body->pattern = r.pattern;
        run(r.frames);
        EXPECT_EQ(body->state, r.state_after) << r.state << " " << r.x << " " << r.speed;
        EXPECT_NEAR(body->speed, r.speed_after, 1e-4) << r.state << " " << r.speed;
        EXPECT_NEAR(body->x, r.x_after, 1e-4) << r.state << " " << r.speed;
        EXPECT_EQ(body->pattern, r.pattern_after) << r.state << " " << r.pattern;
        EXPECT_EQ(sounds_of(29), r.sound == 29);
        EXPECT_EQ(sounds_of(10), r.sound == 10);
        EXPECT_TRUE(body->alive);
    }
}

TEST_F(midboss003_test, the_flames_blink_on_during_the_exit_and_circle_with_the_pattern) {
    load({placed(267, 200, 120)});
    scene->scroll_stop = 1;
    auto* body = only<body_t>();
    run(1); // hides them
    body->state = 60;
    body->timer = 0;
    std::string lit;
    for (int f = 0; f < 40; ++f) {
        run(1);
        lit += body->upper_jet->alive && body->lower_jet->alive ? '1' : '0';
    }
    EXPECT_EQ(lit, std::string(16, '0') + "1100110011001100" + std::string(8, '1'));
    for (const auto& [pattern, c] : {std::pair{0, 12.0f}, std::pair{16, 0.0f}}) {
        body->pattern = pattern;
        run(1);
        EXPECT_FLOAT_EQ(body->upper_jet->x, body->x + 28);
        EXPECT_NEAR(body->upper_jet->y, 120 - c, 1e-4);
        EXPECT_NEAR(body->lower_jet->y, 120 + c, 1e-4);
    }
}

TEST_F(midboss003_test, the_attack_fans_balls_at_the_levels_interval_and_laser_pairs_from_level_5) {
    struct row_t {
        int32_t level;
        float ship_x;
        uint32_t interval;
        std::vector<int32_t> fans;
    };
    const row_t rows[] = {{3, 40, 64, {4, 3, 4, 3, 4}},
                          {4, 40, 64, {4, 5, 4, 5, 4}},
                          {5, 200, 48, {4, 5, 4, 5, 4, 5}}, // the ship behind it: fans open around 0
                          {8, 40, 32, {4, 5, 4, 5, 4, 5, 4, 5, 4}}};
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(267, 90, 120), r.level);
        ship_at(r.ship_x, 40);
        body->state = 50;
        body->pattern = 0;
        body->speed = 0.2f;
        std::vector<uint32_t> fan_frames, laser_frames;
        std::vector<int32_t> fans;
        for (uint32_t f = 0; f < 288; ++f) {
            const size_t traced = trace.size();
            run(1);
            body->x = 90; // holds its place so that its balls leave in time
            int32_t balls = 0, lasers = 0;
            for (size_t i = traced; i < trace.size(); ++i) {
                balls += trace[i].list == list_enemies0;
                lasers += trace[i].list == list_enemy_shots;
            }
            if (balls > 0) {
                fans.push_back(balls);
            }
            if (lasers > 0) {
                EXPECT_EQ(lasers, 2);
                laser_frames.push_back(f);
            }
            if (f % r.interval == 0) {
                fan_frames.push_back(f);
            }
            for (int32_t k = 0; f == 0 && k < 4; ++k) {
                const int32_t d = ((r.ship_x > 90 ? 0 : 32) - 12 + 8 * k) & 63;
                EXPECT_EQ(body->balls[size_t(k)]->direction, d);
                EXPECT_EQ(trace[size_t(k)], (launch_t{0, list_enemies0, 3 + k, 69.8f + 0.2f * cos_table[d],
                                                      120 - 0.2f * sin_table[d], -1, 0}));
            }
        }
        EXPECT_EQ(fans, r.fans) << r.level;
        EXPECT_EQ(sound_frames(23), fan_frames) << r.level;
        EXPECT_EQ(laser_frames,
                  (r.level >= 5 ? std::vector<uint32_t>{0, 64, 128, 192, 256} : std::vector<uint32_t>{}));
        if (r.level >= 5) { // at the body moved on by its 0.2
            EXPECT_EQ(launches(list_enemy_shots)[0],
                      (launch_t{0, list_enemy_shots, 0, 73.7f, 99, 32, 0.15f}));
            EXPECT_EQ(launches(list_enemy_shots)[1],
                      (launch_t{0, list_enemy_shots, 1, 73.7f, 140, 32, 0.15f}));
        }
        run(1);
        EXPECT_EQ(body->state, 60);
        EXPECT_EQ(sounds_of(10), 1);
    }
}

TEST_F(midboss003_test,
       a_ball_drifts_then_speeds_up_and_spins_and_a_laser_slides_left_whatever_its_direction) {
    load({placed(267, 200, 120)});
    scene->scroll_stop = 1;
    auto* body = only<body_t>();
    body->alive = 0;
    midboss003::ball_t* ball = body->balls[0];
    ball->set_position(250, 100);
    ball->direction = 0;
    ball->start();
    missile_t* laser = body->lasers[0];
    laser->set_position(100, 50);
    laser->direction = 8;
    laser->start();
    solid_at(*slot0, 90, 50); // lasers ignore the terrain
    struct row_t {
        uint32_t frames;
        float ball_x;
        int32_t ball_pattern;
        float laser_x, laser_speed;
    };
    const row_t rows[] = {
        {1, 250.2f, 7, 99.9f, 0.15f},  {4, 251, 0, 99, 0.35f},       {27, 256.4f, 6, 72, 1.7f},
        {1, 256.65f, 7, 70.3f, 1.75f}, {19, 270.9f, 3, 28.5f, 2.7f}, {1, 272.1f, 4, 25.8f, 2.75f},
    };
    for (const row_t& r : rows) {
        run(r.frames);
        EXPECT_NEAR(ball->x, r.ball_x, 1e-3) << g_frame_counter;
        EXPECT_EQ(ball->pattern, r.ball_pattern) << g_frame_counter;
        EXPECT_NEAR(laser->x, r.laser_x, 1e-3) << g_frame_counter;
        EXPECT_NEAR(laser->speed, r.laser_speed, 1e-4) << g_frame_counter;
        EXPECT_NEAR(laser->vx, 0.70711f * r.laser_speed, 1e-4); // its velocity follows its direction
    }
    EXPECT_FALSE(ball->alive); // out of the area at 272, without an explosion
    EXPECT_FALSE(ball->explosion->alive);
    run(30);
    EXPECT_EQ(laser->speed, 3.0f);
    EXPECT_FALSE(laser->alive); // past -32
    EXPECT_FALSE(laser->effect->alive);
}

TEST_F(midboss003_test, it_is_shielded_before_its_attack_bursts_into_a_ring_by_level_and_leaves_quietly) {
    struct row_t {
        int32_t level;
        int32_t state;
        int32_t power;
        float dx;
        int32_t hit_sounds;
        bool dies;
        float ring_speed;
        int32_t ring;
    };
    const row_t rows[] = {
        {1, 0, 9999, 8, 0, false, 0, 0},      {1, 3, 9999, 8, 0, false, 0, 0}, // shields up
        {1, 50, 0, 8, 0, false, 0, 0},        {1, 50, 1, 35, 1, false, 0, 0},
        {1, 50, 1, 36, 0, false, 0, 0}, // the box
        {1, 60, 1, -19, 1, false, 0, 0},      {1, 60, 1, -20, 0, false, 0, 0},
        {2, 50, 9999, 8, 1, true, 0, 0}, // lies 8 right
        {3, 50, 9999, 8, 1, true, 1.15f, 4},  {4, 61, 9999, 8, 1, true, 1.2f, 8},
        {5, 50, 9999, 8, 1, true, 1.25f, 16}, {8, 50, 9999, 8, 1, true, 1.4f, 16},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(267, 200, 120), r.level);
        body->state = r.state;
        shoot(body->x + r.dx, body->y, r.power);
        EXPECT_EQ(r.hit_sounds > 0, (body->hp < body->max_hp())) << r.state << " " << r.dx;
        EXPECT_EQ(body->alive == 0, r.dies);
        EXPECT_EQ(death_pattern_shown(), r.dies);
        EXPECT_EQ(body->upper_jet->alive == 0, r.dies);
        std::vector<std::pair<int32_t, float>> ring, expected;
        for (const missile_t* shot : body->ring_shots) {
            if (shot->alive) {
                ring.emplace_back(shot->direction, shot->speed);
                EXPECT_EQ(shot->x, 200);
            }
        }
        for (int32_t k = 0; k < r.ring; ++k) {
            expected.emplace_back(k * 64 / r.ring, r.ring_speed);
        }
        EXPECT_EQ(ring, expected) << r.level;
        run(1);
        EXPECT_EQ(sounds_of(48), r.hit_sounds);
        EXPECT_EQ(sounds_of(1), r.dies ? 1 : 0);
    }
    for (const auto& [power, sounds] :
         {std::pair{1, std::vector<int32_t>{47}}, std::pair{9, std::vector<int32_t>{47, 69}}}) {
        load({placed(267, 200, 120)});
        midboss003::ball_t* ball = only<body_t>()->balls[0];
        ball->set_position(100, 60);
        ball->start();
        shoot(100, 60, power);
        run(1);
        EXPECT_EQ(sounds_of(47) + sounds_of(69), int32_t(sounds.size()));
        EXPECT_EQ(sounds_of(69), power == 9 ? 1 : 0);
        EXPECT_EQ(ball->explosion->alive == 1, power == 9);
    }

    load({placed(267, 200, 120, 0, 37)});
    auto* body = only<body_t>();
    body->state = 61;
    body->x = -33;
    const uint32_t score = g_score;
    run(1);
    EXPECT_FALSE(body->alive);
    EXPECT_FALSE(body->lower_jet->alive);
    EXPECT_FALSE(death_pattern_shown());
    EXPECT_FALSE(scene->stage.items[0]->alive);
    EXPECT_EQ(g_score, score);
}
