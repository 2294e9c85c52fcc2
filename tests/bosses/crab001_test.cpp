// The walking crab: its assembly in list order, the hits it takes and intercepts, the parked formations,
// planting on walls and edges, the step's parabola, ball fans by level, the eyes' lids and time limit,
// the leg falling apart, and the phase script from the climb through the sway to the leaving walk.
#include "bosses/crab/crab001.h"
#include "enemies/twisters/twister005.h"
#include "objects/play_globals.h"
#include "screen/soundctr.h"
#include "tests/bosses/midboss_kit.h"

#include <optional>

namespace {

using crab001_test = midboss_kit_t;
using crab001::body_t;

constexpr int32_t se_requested = 2;

bool requested(int32_t id) {
    return g_soundctr.se_states[size_t(id)] == se_requested;
}

} // namespace

TEST_F(crab001_test, every_part_is_assembled_in_order_and_nothing_without_a_record) {
    load({placed(277, 128, 200, 0, -1, 5)});
    std::vector<part_t> enemies{{"crab001::body_t", 278}};
    enemies.insert(enemies.end(), 64, {"crab001::ball_t", 279});
    enemies.insert(enemies.end(), 40, {"crab001::thigh_t", 284});
    for (int32_t k = 0; k < 4; ++k) {
        enemies.insert(enemies.end(), {{"crab001::foot_t", 282}, {"crab001::shin_t", 283}});
    }
    enemies.insert(enemies.end(), 3, {"crab001::eye_t", 281});
    enemies.insert(enemies.end(), {{"twister005::leader_t", 0}, {"twister005::member_t", 126}});
    const auto made = manifest_of(scene->stage, list_enemies0);
    ASSERT_GT(made.size(), enemies.size());
    for (size_t i = 0; i < enemies.size(); ++i) {
        EXPECT_EQ(made[i], enemies[i]) << i;
    }

    std::vector<part_t> shots, explosions;
    for (int32_t i = 0; i < 16; ++i) {
        explosions.push_back({"explosion_t", 67 + i % 3, (i >> 2) + 1});
    }
    for (int32_t i = 0; i < 32; ++i) {
        shots.push_back({"crab001::body_laser_t", 286, -1, list_enemies0, 0});
        explosions.push_back({"explosion_t", 287, 6, list_enemy_shots, i});
    }
    for (int32_t i = 0; i < 64; ++i) {
        explosions.push_back({"explosion_t", 280, 2, list_enemies0, 1 + i});
    }
    for (int32_t segment : {0, 1, 5, 9, 10, 11, 15, 19, 20, 21, 25, 29, 30, 31, 35, 39}) {
        explosions.push_back({"explosion_t", 69, 2, list_enemies0, 65 + segment});
    }
    for (int32_t k = 0; k < 4; ++k) {
        explosions.push_back({"explosion_t", 83, 2, list_enemies0, 105 + 2 * k});
        explosions.insert(explosions.end(), 18, {"crab001::spark_t", 285, 8});
        explosions.push_back({"explosion_t", 68, 2, list_enemies0, 106 + 2 * k});
    }
    const auto shots_made = manifest_of(scene->stage, list_enemy_shots);
    ASSERT_GT(shots_made.size(), shots.size());
    EXPECT_EQ(std::vector<part_t>(shots_made.begin(), shots_made.begin() + 32), shots);
    const auto effects = manifest_of(scene->stage, list_explosions);
    const auto at = std::search(effects.begin(), effects.end(), explosions.begin(), explosions.end());
    ASSERT_NE(at, effects.end());
    EXPECT_GT(at - effects.begin(), 1);
    EXPECT_EQ(effects[0].owner_index, 0); // the boss death pattern first, of the smaller bosses
    EXPECT_EQ(effects[1].period, 1);

    auto* body = only<body_t>();
    const int32_t dx[8] = {-14, 4, 8, -4, 10, -8, 8, -12};
    const int32_t dy[8] = {-26, -8, 24, 8, -24, 16, 8, 34};
    for (size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(body->death_explosions.entries[i].dx, dx[i % 8]) << i;
        EXPECT_EQ(body->death_explosions.entries[i].dy, dy[i % 8]) << i;
    }
    EXPECT_EQ(alive_count(body->balls), 64);
    EXPECT_FLOAT_EQ(body->balls[63]->x, 128);
    EXPECT_FLOAT_EQ(body->balls[63]->y, 200);
    for (twister005::leader_t* leader : body->twisters) {
        ASSERT_NE(leader, nullptr);
        EXPECT_EQ(leader->alive, 0);
        EXPECT_EQ(leader->key, 5u);
        EXPECT_EQ(leader->members.size(), 8u);
        ASSERT_NE(leader->carried, nullptr);
        EXPECT_EQ(leader->carried->type_id(), 41);
    }
    EXPECT_EQ(body->feet[2]->shin->foot, body->feet[2]);
    EXPECT_EQ(body->feet[2]->shin->last_thigh->next, nullptr);
    EXPECT_EQ(body->thigh_roots[2]->prev, nullptr);

    for (int32_t record : {278, 279, 280, 281, 283, 282, 285, 83, 68, 286, 287, 67, 69}) {
        records({}, {record});
        load({placed(277, 128, 200)});
        EXPECT_EQ(object_total(), 0u) << record;
    }
    records({}, {284});
    load({placed(277, 128, 200)});
    body = only<body_t>();
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->thigh_roots[0], nullptr);
    EXPECT_EQ(body->feet[0]->shin->last_thigh, nullptr);
    EXPECT_EQ(all<crab001::thigh_t>().size(), 0u);
}

TEST_F(crab001_test, only_the_body_and_balls_are_hurt_and_a_lethal_hit_starts_the_death) {
    struct row_t {
        bool invulnerable;
        int32_t power; // 0: the body's hit points exactly
        int32_t hp_lost;
        int32_t phase;
        bool sound;
    };
    const row_t rows[] = {
        {true, 5, 0, 10, false},    // still shielded
        {false, 5, 5, 10, true},    // plain hit
        {false, 0, 0, 1000, false}, // hp - n = 0: intercepted
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(277, 128, 120));
        run(1);
        body->invulnerable = r.invulnerable;
        const int32_t hp = body->hp;
        shoot(body->x, body->y, r.power == 0 ? hp : r.power);
        EXPECT_EQ(body->hp, hp - r.hp_lost) << r.power;
        EXPECT_EQ(body->phase, r.phase) << r.power;
        EXPECT_EQ(body->phase_timer, r.phase == 1000 ? 0u : 1u);
        EXPECT_EQ(body->alive, 1);
        EXPECT_EQ(body->invulnerable != 0, r.invulnerable || r.phase == 1000);
        EXPECT_EQ(requested(47), r.sound);
    }
    auto* body = hold<body_t>(placed(277, 128, 120));
    const std::vector<enemy_t*> untouchable{body->eyes[0], body->feet[0], body->feet[0]->shin,
                                            body->thigh_roots[0]};
    for (enemy_t* part : untouchable) {
        part->damage(9999);
        EXPECT_EQ(part->alive, 1) << part->type_id();
    }
    crab001::ball_t* ball = body->balls[0];
    ball->damage(9999);
    EXPECT_EQ(ball->alive, 0);
    EXPECT_TRUE(requested(31));
    EXPECT_FALSE(ball->is_flashing());
}

TEST_F(crab001_test, its_death_releases_the_parked_formations_only_within_a_section) {
    struct row_t {
        uint32_t position;
        bool released;
    };
    for (const row_t& r : {row_t{0xFFFF, true}, row_t{0x10000, false}}) {
        auto* body = hold<body_t>(placed(277, 128, 120));
        g_stage_position = r.position;
        const size_t before = scene->posted.size();
        body->kill();
        EXPECT_EQ(body->twisters[0]->alive != 0, r.released);
        EXPECT_EQ(body->twisters[1]->alive != 0, r.released);
        if (r.released) {
            EXPECT_FLOAT_EQ(body->twisters[0]->x, 64);
            EXPECT_FLOAT_EQ(body->twisters[0]->y, -256);
            EXPECT_FLOAT_EQ(body->twisters[1]->x, 192);
            EXPECT_FLOAT_EQ(body->twisters[1]->y, 384);
        }
        EXPECT_EQ(body->eyes[2]->alive, 0);
        EXPECT_EQ(body->thigh_roots[3]->alive, 0);
        EXPECT_EQ(posted_since(before), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 389, 0}}));
    }
}

TEST_F(crab001_test, feet_plant_on_the_wall_beside_the_toe_or_at_the_screen_edges) {
    struct row_t {
        int32_t body_x;
        std::vector<int32_t> walls; // solid columns of layer 0, which repeat every 512 pixels
        float left_foot_x;
        float right_foot_x; // a foot that starts beyond its edge is never placed: 0, where it was made
    };
    // Placed above the climb's end, so that the first frame plants and steps nothing.
    const row_t rows[] = {
        {128, {}, 12, 244}, // nothing: the edges
        {15, {}, 15, 243},  // within 16 of the left edge: at once
        {250, {}, 14, 250},
        // Far off the screen each foot walks from the body itself: to the edge the whole walk would reach,
        // or to a repeat of the wall.
        {2001, {}, 13, 0},
        {-1999, {}, 0, 241},
        {900, {350}, 884, 0},
        {903, {}, 883, 0},
        {-601, {}, 0, -185},
        // Walls stay from row to row: the left probe spans x - 24 .. x - 13, the right x + 12 .. x + 23.
        {128, {60, 203}, 84, 180},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(277, r.body_x, 30));
        for (int32_t wall : r.walls) {
            // One pixel, on the probes' top row, 4 above the toe.
            solid_at(*slot0, wall, 26);
        }
        run(1);
        EXPECT_FLOAT_EQ(body->feet[1]->x, r.left_foot_x) << r.body_x;
        EXPECT_FLOAT_EQ(body->feet[3]->x, r.right_foot_x) << r.body_x;
        EXPECT_EQ(body->feet[3]->side, 2);
        EXPECT_EQ(body->feet[3]->pattern, 1);
    }
    // Six sparks burst at the toe, fanning out from the wall.
    auto* body = hold<body_t>(placed(277, 128, 30));
    run(1);
    crab001::foot_t* foot = body->feet[0];
    EXPECT_EQ(alive_count(foot->sparks), 6);
    EXPECT_FLOAT_EQ(foot->shin->x, foot->x + 14);
    EXPECT_FLOAT_EQ(foot->sparks[5]->x, foot->x - 24 + foot->sparks[5]->speed * cos_table[62]);
    EXPECT_FLOAT_EQ(foot->sparks[5]->y, foot->y - foot->sparks[5]->speed * sin_table[62]);
    std::vector<int32_t> directions;
    std::vector<float> speeds;
    for (size_t i = 0; i < 9; ++i) {
        directions.push_back(foot->sparks[i]->direction);
        speeds.push_back(foot->sparks[i]->speed);
    }
    EXPECT_EQ(directions, (std::vector<int32_t>{6, 4, 2, 1, 63, 62, 60, 58, 6}));
    EXPECT_EQ(speeds, (std::vector<float>{1, 2, 3, 1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(body->feet[2]->sparks[3]->direction, 31);

    // Each thigh chain runs from its hip on the body to beside the shin, segment i at i tenths of the way.
    const float hips[4][2] = {{-16, -16}, {-16, 12}, {16, -16}, {16, 12}};
    for (size_t k = 0; k < 4; ++k) {
        const crab001::shin_t* shin = body->feet[k]->shin;
        const crab001::thigh_t* fifth = body->thigh_roots[k]->next->next->next->next->next;
        const float from_x = 128 + hips[k][0];
        const float from_y = 30 + hips[k][1];
        const float to_x = shin->x + (k < 2 ? 16 : -16);
        EXPECT_FLOAT_EQ(body->thigh_roots[k]->x, from_x) << k;
        EXPECT_FLOAT_EQ(body->thigh_roots[k]->y, from_y) << k;
        EXPECT_FLOAT_EQ(fifth->x, from_x + (to_x - from_x) * 5 / 10) << k;
        EXPECT_FLOAT_EQ(fifth->y, from_y + (shin->y - from_y) * 5 / 10) << k;
    }
    // The body places its eyes wherever it is placed.
    body->set_position(100, 50);
    const float eyes[3][2] = {{97, 63}, {103, 63}, {100, 67}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(body->eyes[i]->x, eyes[i][0]) << i;
        EXPECT_FLOAT_EQ(body->eyes[i]->y, eyes[i][1]) << i;
    }
}

TEST_F(crab001_test, a_step_swings_along_a_parabola_of_float_curvature_back_onto_the_wall) {
    auto* body = hold<body_t>(placed(277, 128, 30));
    run(1);
    crab001::foot_t* foot = body->feet[0]; // planted at (12, 30)
    foot->step(-1.5f);
    EXPECT_FLOAT_EQ(foot->arc_k, -40.0f / 256.0f);
    EXPECT_FLOAT_EQ(foot->arc_apex_x, 52);
    EXPECT_FLOAT_EQ(foot->arc_center_y, 14);
    EXPECT_FLOAT_EQ(foot->x, -40.0f / 256.0f * 14.5f * 14.5f + 52);
    EXPECT_EQ(foot->airborne, 1);
    EXPECT_FLOAT_EQ(foot->shin->x, foot->x + 14);
    int32_t frames = 1;
    while (foot->airborne && frames < 100) {
        foot->step(-1.5f);
        ++frames;
    }
    EXPECT_EQ(frames, 21); // over 30 pixels up, at 1.5 a frame
    EXPECT_LT(foot->x, 16);
    EXPECT_FLOAT_EQ(foot->shin->y, foot->y);
}

TEST_F(crab001_test, the_climb_throws_ball_fans_by_level) {
    struct row_t {
        int32_t level;
        std::vector<int32_t> directions; // of the balls started in the first frame
    };
    const row_t rows[] = {
        {2, {}},
        {3, {40, 44, 48, 52, 56}},
        {4, {8, 12, 16, 20, 24, 40, 44, 48, 52, 56}},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(277, 128, 120), r.level);
        for (crab001::ball_t* ball : body->balls) {
            ball->alive = 0;
        }
        run(1);
        std::vector<int32_t> directions;
        for (crab001::ball_t* ball : body->balls) {
            if (ball->alive) {
                directions.push_back(ball->direction);
                EXPECT_FLOAT_EQ(ball->speed, 1);
            }
        }
        EXPECT_EQ(directions, r.directions) << r.level;
        EXPECT_EQ(body->phase, 10);
    }
}

TEST_F(crab001_test, the_eyes_lids_follow_the_moods_and_the_time_limit_sends_the_body_away) {
    struct row_t {
        int32_t mode;
        int32_t pattern;
        uint32_t frames;
        int32_t pattern_after;
        int32_t mode_after;
    };
    const row_t rows[] = {
        {10, 0, 25, 7, 11},                                         // opens one step every 4 frames
        {10, 7, 1, 7, 11},  {12, 7, 25, 4, 1},                      // and rests half open
        {20, 4, 49, 0, 20},                                         // closes one step every 16 frames
        {20, 4, 65, 0, 1},  {30, 4, 4, 3, 30},  {30, 4, 13, 1, 31}, // blinks down to 1
        {32, 1, 25, 4, 1},                                          // and back to 4
        {11, 7, 96, 7, 11}, {11, 7, 97, 6, 12},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(277, 128, 120));
        crab001::eye_t* eye = body->eyes[0];
        eye->update(); // mode 0 sets the limit
        EXPECT_EQ(eye->mode, 1);
        EXPECT_EQ(eye->time_limit, 131208u);
        body->set_eyes(r.mode);
        eye->pattern = r.pattern;
        for (uint32_t f = 0; f < r.frames; ++f) {
            eye->update();
        }
        EXPECT_EQ(eye->pattern, r.pattern_after) << r.mode;
        EXPECT_EQ(eye->mode, r.mode_after) << r.mode;
    }
    struct limit_row_t {
        int32_t mode;
        int32_t phase;
        uint32_t position;
        int32_t phase_after;
    };
    const limit_row_t limit_rows[] = {
        {1, 10, 131207, 10}, {1, 10, 131208, 500}, {11, 10, 200000, 10}, {1, 1000, 200000, 1000}};
    for (const limit_row_t& r : limit_rows) {
        auto* body = hold<body_t>(placed(277, 128, 120));
        body->eyes[1]->update();
        body->eyes[1]->mode = r.mode;
        body->phase = r.phase;
        g_stage_position = r.position;
        body->eyes[1]->update();
        EXPECT_EQ(body->phase, r.phase_after) << r.position;
    }
}

TEST_F(crab001_test, a_dead_body_leaves_its_legs_to_fall_apart_from_the_body_outward) {
    struct row_t {
        int32_t level;
        int32_t bullets; // revenge bullets of the four feet
    };
    for (const row_t r : {row_t{2, 0}, row_t{3, 4}}) {
        auto* body = hold<body_t>(placed(277, 128, 120), r.level);
        ship_at(200, 120);
        run(1);
        body->kill();
        std::vector<object_t*> leg;
        for (crab001::thigh_t* t = body->thigh_roots[1]; t != nullptr; t = t->next) {
            leg.push_back(t);
        }
        leg.push_back(body->feet[1]->shin);
        leg.push_back(body->feet[1]);
        std::vector<int32_t> died(leg.size(), -1);
        for (int32_t f = 1; f <= 100; ++f) {
            run(1);
            for (size_t i = 0; i < leg.size(); ++i) {
                if (died[i] < 0 && !leg[i]->alive) {
                    died[i] = f;
                }
            }
            if (f == died.back()) {
                EXPECT_EQ(pool_shots_alive(), r.bullets) << r.level;
            }
        }
        // A segment sees its neighbour die in the same frame when it comes after it in the list; the foot,
        // which comes before its shin, one frame later.
        EXPECT_EQ(died, (std::vector<int32_t>{1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 43, 67})) << r.level;
        EXPECT_EQ(sound_frames(38), (std::vector<uint32_t>{67})) << r.level;
    }
}

TEST_F(crab001_test, a_foot_steps_when_airborne_or_when_due_with_the_other_diagonal_on_the_wall) {
    struct row_t {
        float dy;
        float upper_y; // feet 0 and 2; the body stands at y 100
        float lower_y; // feet 1 and 3
        bool first_airborne;
        std::vector<int32_t> stepped;
    };
    const row_t rows[] = {
        {1.5f, 40, 140, false, {1, 0, 0, 0}},  // down: a far upper foot lifts, the other upper waits for it
        {-1.5f, 80, 160, false, {1, 0, 0, 1}}, // up: a near upper and a far lower foot, one per diagonal
        {-1.5f, 90, 120, true, {1, 0, 1, 0}}, // airborne steps on, lands (its arc is flat at x 0) and frees 2
        {0, 40, 160, true, {0, 0, 0, 0}},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(277, 128, 100));
        for (int32_t k = 0; k < 4; ++k) {
            crab001::foot_t* foot = body->feet[k];
            foot->side = k < 2 ? 1 : 2;
            foot->object_t::set_position(k < 2 ? 12 : 244, k % 2 == 0 ? r.upper_y : r.lower_y);
            foot->airborne = k == 0 && r.first_airborne;
        }
        body->step_legs(r.dy);
        std::vector<int32_t> stepped;
        for (int32_t k = 0; k < 4; ++k) {
            stepped.push_back(body->feet[k]->y != (k % 2 == 0 ? r.upper_y : r.lower_y));
        }
        EXPECT_EQ(stepped, r.stepped) << r.dy << " " << r.upper_y;
    }
}

TEST_F(crab001_test, the_death_sequence_wobbles_toward_the_gap_and_ends_in_its_145th_frame) {
    auto* body = hold<body_t>(placed(277, 100, 30));
    ship_at(200, 120);
    run(1);
    body->invulnerable = 0;
    shoot(body->x, body->y, body->hp);
    const size_t before = scene->posted.size();
    run(17);
    EXPECT_EQ(body->target_center_x, 128);
    EXPECT_GE(body->center_x, 104);
    EXPECT_LE(body->center_x, 105);
    EXPECT_EQ(body->death_explosions.next, 3);
    int32_t frames = 17;
    while (body->alive && frames < 300) {
        run(1);
        ++frames;
    }
    EXPECT_EQ(frames, 145);
    const auto posted = posted_since(before);
    ASSERT_GE(posted.size(), 2u);
    EXPECT_EQ(std::get<1>(posted.front()), 371);
    EXPECT_EQ(std::get<2>(posted.front()), 4);
    EXPECT_EQ(std::get<2>(posted[1]), 3);
    EXPECT_EQ(body->twisters[0]->alive, 1);
}

TEST_F(crab001_test, a_flash_runs_down_the_thigh_and_the_lasers_fall_with_their_effect) {
    auto* body = hold<body_t>(placed(277, 128, 30));
    crab001::thigh_t* root = body->thigh_roots[0];
    root->flash = 11;
    root->update();
    EXPECT_EQ(root->next->flash, 12);
    EXPECT_TRUE(root->is_flashing());
    root->flash = 0;
    EXPECT_FALSE(root->is_flashing());

    body->fire_body_laser();
    crab001::body_laser_t* laser = body->body_lasers[0];
    laser->update();
    EXPECT_FLOAT_EQ(laser->y, 30 + 24 + 3);
    EXPECT_FLOAT_EQ(laser->x, 128);
    EXPECT_FLOAT_EQ(laser->effect->y, laser->y);
    EXPECT_EQ(laser->effect->alive, 1);
}

TEST_F(crab001_test, its_script_climbs_settles_sways_with_lasers_descends_and_leaves) {
    struct sound_row_t {
        int32_t id;
        uint32_t first; // frame of the first request
        uint32_t every;
        size_t count;
    };
    struct row_t {
        const char* what;
        int32_t level;
        int32_t phase; // entered at the row's frame 0, the feet on the wall
        float y;
        bool invulnerable;
        uint32_t frames;
        std::vector<std::pair<uint32_t, int32_t>> phases; // (frame, phase after it) at each change
        std::vector<std::tuple<uint32_t, int32_t, int32_t>> events;
        std::vector<sound_row_t> sounds;
        float y_after;                // the climbs move 0.4 a frame straight to the gap's middle
        std::optional<float> foot_dy; // of the first foot: 1.5 a frame climbing, 0.4 settling
    };
    const row_t rows[] = {
        {"up to 40", 1, 10, 40.2f, true, 2, {{1, 11}}, {}, {}, 39.8f, -1.9f},
        {"settled at the top", 1, 11, 60, true, 65, {{64, 13}}, {{64, 389, 1}}, {{45, 64, 4, 1}}, 60, {}},
        {"sway, level 1", 1, 13, 60, false, 362, {{361, 20}}, {{361, 389, 0}}, {{45, 0, 4, 91}}, 60.4f, {}},
        {"sway, level 3", 3, 13, 60, false, 362, {{361, 20}}, {{361, 389, 0}}, {{45, 0, 4, 91}}, 60.4f, {}},
        {"descent", 3, 20, 100, true, 129, {}, {{80, 385, 0}}, {{10, 64, 0, 1}, {94, 96, 32, 2}}, 151.6f, {}},
        {"down to 216", 1, 20, 215.8f, false, 2, {{1, 21}}, {}, {}, 216.2f, 1.9f},
        {"settled at the bottom", 1, 21, 150, false, 65, {{64, 10}}, {}, {}, 149.6f, {}},
        {"time is up", 1, 500, 150, false, 193, {{192, 501}}, {}, {{29, 64, 0, 1}}, 150.4f, {}},
        {"gone below 384", 1, 501, 383.8f, false, 3, {{1, 502}}, {{1, 388, 0}}, {}, 384.2f, {}},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(277, 128, 120), r.level);
        ship_at(20, 230);
        run(1);
        for (crab001::ball_t* ball : body->balls) {
            ball->alive = 0;
        }
        for (crab001::foot_t* foot : body->feet) {
            foot->airborne = 0;
        }
        body->set_position(128, r.y);
        body->phase = r.phase;
        body->phase_timer = 0;
        body->invulnerable = r.invulnerable;
        const float start_x = body->x;
        const float foot_y = body->feet[0]->y;
        const uint32_t first = g_frame_counter;
        const size_t before = scene->posted.size();
        sounds.clear();
        std::vector<std::pair<uint32_t, int32_t>> phases;
        std::vector<float> sway;
        for (uint32_t f = 0; f < r.frames; ++f) {
            const int32_t phase = body->phase;
            run(1);
            if (body->phase != phase) {
                phases.emplace_back(f, body->phase);
            }
            if (r.phase == 13 && f % 120 == 0) {
                sway.push_back(body->x - start_x);
            }
        }
        EXPECT_EQ(phases, r.phases) << r.what;
        std::vector<std::tuple<uint32_t, int32_t, int32_t>> events;
        for (auto [frame, type, param] : posted_since(before)) {
            events.emplace_back(frame - first, type, param);
        }
        EXPECT_EQ(events, r.events) << r.what;
        for (const sound_row_t& s : r.sounds) {
            std::vector<uint32_t> expected;
            for (size_t i = 0; i < s.count; ++i) {
                expected.push_back(first + s.first + uint32_t(i) * s.every);
            }
            EXPECT_EQ(sound_frames(s.id), expected) << r.what << " " << s.id;
        }
        EXPECT_NEAR(body->y, r.y_after, 1e-3) << r.what;
        if (r.foot_dy) {
            EXPECT_NEAR(body->feet[0]->y - foot_y, *r.foot_dy, 1e-3) << r.what;
        }
        if (r.phase == 13) {
            // Out by twice the amplitude of -3 x level, over to the other side and back, 1.5 degrees a frame.
            const float a = -3.0f * float(r.level);
            const std::vector<float> expected{0, 2 * a, -2 * a, 0};
            ASSERT_EQ(sway.size(), expected.size()) << r.what;
            for (size_t i = 0; i < sway.size(); ++i) {
                EXPECT_NEAR(sway[i], expected[i], 1e-3) << r.what << " " << i;
            }
        }
    }
}
