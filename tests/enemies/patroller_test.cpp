// The patroller and the flame on the kit: braking at walls and turning to the first free way, queueing,
// its pairs of shots by level, where its flames trail, its death; the flame's own animation.
#include "enemies/formations/patroller001.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"
#include "tools/sample/formation_stage.h"

namespace {

using patroller001_test = enemy_kit_t;
using jet_test = enemy_kit_t;

constexpr int32_t wall_x = 120;
constexpr int32_t ceiling_y = 80;
constexpr int32_t floor_y = 176;

patroller001::body_t* patrol(enemy_kit_t& kit, float x, float y, int32_t level = 1, int32_t item = -1) {
    kit.load({placed(143, int32_t(x), int32_t(y), 0, item)}, level);
    kit.scene->scroll_stop = 1;
    kit.ship_at(40, 240);
    return kit.only<patroller001::body_t>();
}

} // namespace

TEST_F(patroller001_test, it_brakes_20_frames_before_a_wall_and_turns_past_the_first_free_way_and_back) {
    struct row_t {
        bool ceiling;
        bool floor;
        int32_t way; // -1: boxed in
    };
    const row_t rows[] = {{false, false, 16}, {true, false, 48}, {true, true, -1}};
    for (const row_t& r : rows) {
        auto* body = patrol(*this, 200, 128);
        // The wall ahead 8 pixels thick; ceiling and floor one pixel thin, 48 above and below: found only
        // by probes 64, 60 .. 4 pixels out.
        for (int32_t i = 0; i < 256; ++i) {
            for (int32_t t = 0; t < 8; ++t) {
                solid_at(*slot0, wall_x - t, i);
            }
            if (r.ceiling) {
                solid_at(*slot0, i, ceiling_y);
            }
            if (r.floor) {
                solid_at(*slot0, i, floor_y);
            }
        }
        std::vector<int32_t> headings{32};
        std::vector<std::pair<uint32_t, int32_t>> states;
        for (uint32_t frame = 0; frame < 200; ++frame) {
            run(1);
            if (body->direction != headings.back()) {
                headings.push_back(body->direction);
            }
            if (states.empty() || states.back().second != body->state) {
                states.emplace_back(frame, body->state);
            }
        }
        // The wall enters the 64-pixel probe at x 184 in frame 8; 2.0 falls by 0.1 to 0 over frames 9 to
        // 28; the turn takes a step every second frame, the acceleration 20 frames.
        using steps_t = std::vector<std::pair<uint32_t, int32_t>>;
        const steps_t boxed{{0, 1}, {8, 2}, {28, 10}, {29, 9999}};
        const steps_t turned{{0, 1}, {8, 2}, {28, 10}, {29, 11}, {78, 12}, {98, 1}};
        EXPECT_EQ(states, r.way < 0 ? boxed : turned) << r.way;
        EXPECT_GT(body->x, wall_x + 4);
        if (r.way < 0) {
            EXPECT_EQ(body->state, 9999);
            EXPECT_EQ(headings.back(), 32);
            continue;
        }
        const int32_t s = r.way == 16 ? -1 : 1;
        std::vector<int32_t> swing;
        for (int32_t d = 32 + s; d != r.way + 3 * s; d += s) {
            swing.push_back(d);
        }
        for (int32_t d : {r.way + s, r.way, r.way - s, r.way}) {
            swing.push_back(d);
        }
        EXPECT_EQ(std::vector<int32_t>(headings.begin() + 1, headings.end()), swing) << r.way;
        EXPECT_EQ(body->speed, 2.0f);
        EXPECT_EQ(sounds_of(29), 1);
    }
}

TEST_F(patroller001_test, the_rear_one_of_two_waits_while_the_front_one_is_in_the_box_40_ahead) {
    struct row_t {
        float front_x;
        float front_y;
        bool waits;
    };
    // In its first frame the rear one at (200, 128) looks at the box [128, 192) x [96, 160) around (160,
    // 128).
    const row_t rows[] = {{128, 128, true},  {191, 96, true},  {191, 159, true},
                          {127, 128, false}, {160, 95, false}, {160, 160, false}};
    for (const row_t& r : rows) {
        load({placed(143, int32_t(r.front_x), int32_t(r.front_y)), placed(143, 200, 128)});
        scene->scroll_stop = 1;
        ship_at(40, 240);
        auto bodies = all<patroller001::body_t>();
        auto* rear = bodies[0]->x == 200 ? bodies[0] : bodies[1];
        (rear == bodies[0] ? bodies[1] : bodies[0])->state = 9999; // the front one holds still
        run(1);
        EXPECT_EQ(rear->state == 3, r.waits) << r.front_x << "," << r.front_y;
    }
    load({placed(143, 160, 128), placed(143, 200, 128)});
    scene->scroll_stop = 1;
    auto bodies = all<patroller001::body_t>();
    bodies[0]->state = 9999;
    run(8); // 2.0 down by 0.3 a frame after the first
    EXPECT_EQ(bodies[1]->speed, 0);
    EXPECT_NEAR(bodies[1]->x, 200 - (2.0f + 1.7f + 1.4f + 1.1f + 0.8f + 0.5f + 0.2f), 1e-3f);
    bodies[0]->y = 20; // out of the way
    run(1);
    EXPECT_EQ(bodies[1]->speed, 2.0f);
}

TEST_F(patroller001_test, pairs_leave_24_out_at_six_steps_either_side_on_the_levels_rhythm) {
    struct row_t {
        int32_t level;
        int32_t heading;
        std::vector<uint32_t> frames; // pairs in the first 130 frames
    };
    const row_t rows[] = {
        {1, 32, {0, 64, 128}},         {2, 32, {0, 64, 128}}, {3, 32, {0, 64, 128}},
        {4, 32, {0, 32, 64, 96, 128}}, {2, 31, {}},           {3, 31, {0, 64, 128}},
        {8, 31, {0, 32, 64, 96, 128}},
    };
    for (const row_t& r : rows) {
        auto* body = patrol(*this, 240, 128, r.level);
        body->state = 9999; // held still on its heading
        body->direction = r.heading;
        run(130);
        std::vector<uint32_t> pairs;
        for (const launch_t& l : launches(list_enemy_shots)) {
            if (pairs.empty() || pairs.back() != l.frame) {
                pairs.push_back(l.frame);
            }
        }
        EXPECT_EQ(pairs, r.frames) << r.level << " heading " << r.heading;
    }
    auto* body = patrol(*this, 240, 128);
    run(1);
    // From 238: at heading 32 + 6 and 32 - 6, 24 out, then a first step of 3 along 32.
    EXPECT_EQ(launches(list_enemy_shots),
              (std::vector<launch_t>{{0, list_enemy_shots, 0, 215.04f, 141.33f, 32, 3},
                                     {0, list_enemy_shots, 1, 215.04f, 114.67f, 32, 3}}));
    EXPECT_EQ(look_of(*body->missiles[0]).pattern, 0);
    // The flames trail 26 out at the rear (0), 8 steps either side.
    EXPECT_NEAR(body->jet_a->x, body->x + 18.38f, 0.01f);
    EXPECT_NEAR(body->jet_a->y, body->y - 18.38f, 0.01f);
    EXPECT_NEAR(body->jet_b->x, body->x + 18.38f, 0.01f);
    EXPECT_NEAR(body->jet_b->y, body->y + 18.38f, 0.01f);
    EXPECT_EQ(look_of(*body).pattern, 32);
}

TEST_F(patroller001_test, hit_it_sounds_dies_with_its_pattern_and_flames_and_avenges_from_level_4) {
    for (const auto& [level, revenge] : {std::pair{3, 0}, {4, 1}}) {
        auto* body = patrol(*this, 200, 128, level, 37);
        run(1);
        EXPECT_TRUE(shoot(body->x, body->y, 0));
        run(2);
        EXPECT_TRUE(shoot(body->x, body->y, 1));
        EXPECT_EQ(body->hp, body->max_hp() - 1);
        run(2);
        EXPECT_TRUE(shoot(body->x, body->y, 9999));
        EXPECT_FALSE(body->alive);
        EXPECT_FALSE(body->jet_a->alive);
        EXPECT_FALSE(body->jet_b->alive);
        EXPECT_EQ(pool_shots_alive(), revenge) << level;
        run(1);
        EXPECT_EQ(sound_frames(48), (std::vector<uint32_t>{3, 5}));
        EXPECT_EQ(sound_frames(42), std::vector<uint32_t>{5});
        EXPECT_EQ(sound_frames(2), std::vector<uint32_t>{5});
        EXPECT_FALSE(launches(list_explosions).empty()); // the death pattern's first blasts
        EXPECT_TRUE(scene->stage.items[0]->alive);
    }
    // Past x -32 it leaves without a sound, explosion or item.
    auto* body = patrol(*this, -20, 128, 1, 37);
    run(10);
    EXPECT_FALSE(body->alive);
    EXPECT_FALSE(body->jet_b->alive);
    EXPECT_EQ(body->jet_a->hp + body->jet_b->hp, 0); // both flames dead with 0 hit points
    EXPECT_FALSE(scene->stage.items[0]->alive);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(patroller001_test,
       its_own_records_make_all_or_nothing_and_a_missing_pattern_leaves_it_without_explosion) {
    for (int32_t missing : {143, 93, 84, 32, 33}) {
        records({}, {missing});
        load({placed(143, 200, 128, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({}, {68});
    auto* body = patrol(*this, 200, 128);
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->explosion, nullptr);
    EXPECT_EQ(body->missiles.size(), 8u);
    const std::vector<part_t> enemies = manifest_of(scene->stage, list_enemies0);
    ASSERT_EQ(enemies.size(), 3u);
    EXPECT_EQ(enemies[0], (part_t{"jet_t", 93, 4}));
    EXPECT_EQ(enemies[2], (part_t{"patroller001::body_t", 143}));
    EXPECT_EQ(manifest_of(scene->stage, list_explosions)[0],
              (part_t{"explosion_t", 33, 4, list_enemy_shots, 0}));
}

TEST_F(jet_test, a_flame_steps_its_patterns_on_its_period_and_cannot_be_hurt) {
    records({{93, 8, 8, 3, 0, 0, flame_image, 0, 0}});
    patrol(*this, 200, 128);
    auto* jet = all<jet_t>().at(0);
    std::vector<int32_t> patterns;
    for (int frame = 0; frame < 13; ++frame) {
        run(1);
        patterns.push_back(jet->pattern);
    }
    // Frames 0, 4, 8 and 12 step the pattern.
    EXPECT_EQ(patterns, (std::vector<int32_t>{1, 1, 1, 1, 2, 2, 2, 2, 0, 0, 0, 0, 1}));
    EXPECT_FALSE(shoot(jet->x, jet->y, 50)); // the flame's record is not in the shots' way
    jet->damage(50);
    EXPECT_TRUE(jet->alive);
    EXPECT_EQ(jet->hp, 3);
    const int32_t bursting = alive_count(scene->stage.explosions.items);
    jet->kill();
    EXPECT_FALSE(jet->alive);
    EXPECT_EQ(alive_count(scene->stage.explosions.items), bursting);
    // Period 2 steps on even frames, 1 on every frame; bad data (period 0, no patterns) leaves it still.
    for (const auto& [period, patterns, pattern] : {std::tuple{2, 3, 1}, {1, 3, 2}, {0, 3, 0}, {4, 0, 0}}) {
        records({{93, 8, 8, patterns, 0, 0, flame_image, 0, 0}});
        patrol(*this, 200, 128);
        jet = all<jet_t>().at(0);
        jet->period = period;
        run(2);
        EXPECT_EQ(jet->pattern, pattern) << period << " " << patterns;
    }
}
