// The armoured boss with arms: its assembly in list order, the parts it carries and the arms' lag, the
// core's gate and spare life, the shields' revenge, the volleys, the arms' sweeps and the beams.
#include "bosses/boss004/boss004_arms.h"
#include "bosses/boss004/boss004_body.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "screen/soundctr.h"
#include "tests/bosses/midboss_kit.h"
#include "tests/bosses/phase_trail.h"

namespace {

using boss004_test = midboss_kit_t;
using boss004::body_t;

constexpr int32_t se_requested = 2;

bool requested(int32_t id) {
    return g_soundctr.se_states[size_t(id)] == se_requested;
}

} // namespace

TEST_F(boss004_test, every_part_pool_and_explosion_is_assembled_in_order_or_none_without_a_record) {
    load({placed(311, 300, 128)});
    std::vector<part_t> enemies{{"boss004::body_t", 312}};
    for (int32_t i = 0; i < 3; ++i) {
        enemies.push_back({"jet_t", 93, 2});
    }
    enemies.push_back({"boss004::core_t", 318});
    for (int32_t i = 0; i < 4; ++i) {
        enemies.push_back({"boss004::core_shield_t", 320});
    }
    enemies.insert(enemies.end(), {{"boss004::arm_t", 314},
                                   {"boss004::arm_t", 314},
                                   {"boss004::body_cover_t", 313},
                                   {"boss004::core_cover_t", 319}});
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0), enemies);

    std::vector<part_t> shots, explosions;
    for (int32_t i = 0; i < 32; ++i) {
        explosions.push_back({"explosion_t", i % 2 == 0 ? 68 : 69, i / 6 + 2});
    }
    for (int32_t i = 0; i < 64; ++i) {
        shots.push_back({"boss004::body_laser_t", 28, -1, list_enemies0, 0});
        explosions.push_back({"explosion_t", 29, 6, list_enemy_shots, i});
    }
    for (int32_t i = 0; i < 64; ++i) {
        shots.push_back({"missile_t", 321, -1, list_enemies0, 4});
    }
    explosions.push_back({"explosion_t", 86, 3, list_enemies0, 4});
    for (int32_t i = 0; i < 4; ++i) {
        explosions.push_back({"explosion_t", 50, 2, list_enemies0, 5 + i});
    }
    for (int32_t arm = 0; arm < 2; ++arm) {
        const int32_t beam = 128 + 33 * arm;
        shots.push_back({"boss004::arm_laser1_t", 315, -1, list_enemies0, 9 + arm});
        explosions.push_back({"boss004::flash_t", 316, 2});
        for (int32_t i = 0; i < 48; ++i) {
            explosions.push_back({"boss004::spark_t", 317, 2});
        }
        for (int32_t i = 0; i < 32; ++i) {
            shots.push_back({"missile_t", 28, -1, list_enemies0, 9 + arm});
            explosions.push_back({"explosion_t", 29, 2, list_enemy_shots, beam + 1 + i});
        }
    }
    explosions.push_back({"explosion_t", 50, 2, list_enemies0, 12});
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots), shots);
    const auto made = manifest_of(scene->stage, list_explosions);
    ASSERT_GT(made.size(), explosions.size());
    const size_t pattern = made.size() - explosions.size(); // the boss death pattern first
    EXPECT_EQ(made[0].owner_index, 0);
    EXPECT_EQ(std::vector<part_t>(made.begin() + long(pattern), made.end()), explosions);

    auto* body = only<body_t>();
    const int32_t dx[16] = {16, 0, 0, 48, 28, -24, 26, -48, 32, 26, -46, 48, 16, -12, 20, -20};
    const int32_t dy[16] = {0, -30, 25, -20, 36, -32, -32, 30, -10, 0, -22, 16, -36, 10, -8, 35};
    for (size_t i = 0; i < 32; ++i) {
        EXPECT_EQ(body->explosions.entries[i].dx, dx[i % 16]) << i;
        EXPECT_EQ(body->explosions.entries[i].dy, dy[i % 16]) << i;
    }
    EXPECT_EQ(body->arms[1]->pattern, 1);
    EXPECT_EQ(body->body_lasers[63]->direction, 32);
    const std::vector<boss004::spark_t*>& sparks = body->arms[0]->beam->sparks;
    std::vector<int32_t> directions;
    for (size_t i = 0; i < 10; ++i) {
        directions.push_back(sparks[i]->direction);
    }
    EXPECT_EQ(directions, (std::vector<int32_t>{30, 34, 29, 36, 27, 36, 28, 37, 30, 34}));
    EXPECT_EQ(body->core->cover, body->core_cover);
    EXPECT_EQ(body->arms[0]->beam->alive, 0);
    // A killed arm goes itself, not only its beam.
    body->arms[0]->start();
    body->arms[0]->kill();
    EXPECT_EQ(body->arms[0]->alive, 0);

    for (int32_t record :
         {312, 313, 28, 29, 318, 319, 320, 321, 314, 315, 316, 317, 86, 90, 50, 68, 69, 93}) {
        records({}, {record});
        load({placed(311, 300, 128)});
        EXPECT_EQ(object_total(), 0u) << record;
    }
}

TEST_F(boss004_test, the_parts_follow_the_body_and_the_arms_lag_three_moves_behind) {
    auto* body = hold<body_t>(placed(311, 200, 128));
    body->arm_spread = 40;
    const float moves[][2] = {{190, 120}, {180, 110}, {170, 100}, {160, 90}, {150, 80}};
    const float arm_from[][2] = {{200, 128}, {200, 128}, {200, 128}, {190, 120}, {180, 110}};
    for (size_t i = 0; i < 5; ++i) {
        body->set_position(moves[i][0], moves[i][1]);
        EXPECT_FLOAT_EQ(body->arms[0]->x, arm_from[i][0]) << i;
        EXPECT_FLOAT_EQ(body->arms[0]->y, arm_from[i][1] - 40) << i;
        EXPECT_FLOAT_EQ(body->arms[1]->y, arm_from[i][1] + 40) << i;
    }
    const std::pair<object_t*, std::array<float, 2>> parts[] = {
        {body->core, {166, 80}},
        {body->core_cover, {166, 80}},
        {body->body_cover, {162, 80}},
        {body->jets[0], {204, 80}},
        {body->jets[1], {200, 66}},
        {body->jets[2], {200, 94}},
        {body->core_shields[0], {146, 80}},
        {body->core_shields[3], {125, 80}},
    };
    for (const auto& [part, at] : parts) {
        EXPECT_FLOAT_EQ(part->x, at[0]) << part->type_id();
        EXPECT_FLOAT_EQ(part->y, at[1]) << part->type_id();
    }
}

TEST_F(boss004_test, the_core_is_shut_until_open_its_cover_is_a_spare_life_and_shields_revenge_by_level) {
    struct core_row_t {
        int32_t pattern;
        bool cover_alive;
        int32_t power; // -1: lethal
        bool core_alive;
        int32_t hp_lost; // -1: refilled
        int32_t body_phase;
        std::vector<int32_t> sounds;
    };
    const core_row_t core_rows[] = {
        {6, true, -1, true, 0, 0, {}},                // still closed
        {7, true, 10, true, 10, 0, {47}},             // open
        {7, true, -1, true, -1, 0, {38}},             // the cover dies in its stead
        {7, false, -1, false, 0, 1000, {47, 38, 57}}, // the core dies: the body's death sequence
    };
    for (const core_row_t& r : core_rows) {
        auto* body = hold<body_t>(placed(311, 200, 128));
        body->set_position(200, 128);
        boss004::core_t* core = body->core;
        core->pattern = r.pattern;
        core->hp -= 5;
        const int32_t hp = core->hp;
        if (!r.cover_alive) {
            body->core_cover->alive = 0;
        }
        shoot(core->x, core->y, r.power < 0 ? hp : r.power);
        EXPECT_EQ(core->alive != 0, r.core_alive) << r.pattern << " " << r.power;
        if (r.core_alive) {
            EXPECT_EQ(core->hp, r.hp_lost < 0 ? core->max_hp() : hp - r.hp_lost) << r.power;
        }
        EXPECT_EQ(body->core_cover->alive != 0, r.cover_alive && r.hp_lost >= 0) << r.power;
        EXPECT_EQ(body->phase, r.body_phase);
        std::vector<int32_t> sounds;
        for (int32_t id : {47, 38, 57}) {
            if (requested(id)) {
                sounds.push_back(id);
            }
        }
        EXPECT_EQ(sounds, r.sounds) << r.pattern << " " << r.power;
    }

    struct shield_row_t {
        int32_t level;
        std::vector<int32_t> directions;
    };
    const shield_row_t shield_rows[] = {
        {2, {}}, {3, {26, 30, 34, 38}}, {4, {28, 30, 32, 34, 36}}, {8, {28, 30, 32, 34, 36}}};
    for (const shield_row_t& r : shield_rows) {
        auto* body = hold<body_t>(placed(311, 200, 128), r.level);
        body->set_position(200, 128);
        shoot(body->core_shields[1]->x, 128, 9999, 4, 4);
        EXPECT_EQ(body->core_shields[1]->alive, 0);
        std::vector<int32_t> directions;
        for (object_t* o : objects_of(scene->stage, list_shot_pool)) {
            if (o->alive) {
                auto* shot = static_cast<missile_t*>(o);
                directions.push_back(shot->direction);
                EXPECT_FLOAT_EQ(shot->speed, 0.2f * float(r.level) + 1.0f);
                EXPECT_FLOAT_EQ(shot->x, 189);
            }
        }
        std::sort(directions.begin(), directions.end());
        EXPECT_EQ(directions, r.directions) << r.level;
        EXPECT_TRUE(requested(7));
    }
}

TEST_F(boss004_test, a_volley_fires_its_pairs_only_when_six_lasers_are_idle) {
    struct row_t {
        int32_t busy;        // lasers 0 .. busy - 1 flying
        int32_t busy_effect; // a laser whose effect alone still runs, -1 none
        int32_t bits;
        std::vector<int32_t> started;
    };
    const row_t rows[] = {
        {0, -1, 1, {0, 1}},    {0, -1, 2, {2, 3}}, {0, -1, 4, {4, 5}}, {0, -1, 7, {0, 1, 2, 3, 4, 5}},
        {58, -1, 1, {58, 59}}, {59, -1, 7, {}},    {0, 0, 1, {1, 2}},  {58, 60, 1, {}},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(311, 200, 128));
        body->arm_spread = 32;
        for (int32_t i = 0; i < 4; ++i) {
            body->set_position(200, 128);
        }
        for (int32_t i = 0; i < r.busy; ++i) {
            body->body_lasers[size_t(i)]->alive = 1;
        }
        if (r.busy_effect >= 0) {
            body->body_lasers[size_t(r.busy_effect)]->effect->start();
        }
        body->fire_volley(r.bits);
        std::vector<int32_t> started;
        for (int32_t i = r.busy; i < 64; ++i) {
            if (body->body_lasers[size_t(i)]->alive) {
                started.push_back(i);
            }
        }
        EXPECT_EQ(started, r.started) << r.busy << " " << r.bits;
        EXPECT_EQ(requested(51), !r.started.empty());
    }
    auto* triple = hold<body_t>(placed(311, 200, 128));
    triple->phase = 252;
    run(13);
    EXPECT_EQ(sound_frames(51), (std::vector<uint32_t>{0, 4, 8}));
    EXPECT_EQ(alive_count(triple->body_lasers), 6);
    EXPECT_EQ(triple->phase, 251);
    const float spots[][2] = {{187, 104}, {187, 152}, {168, 118}, {168, 138}, {140, 96}, {140, 160}};
    auto* body = hold<body_t>(placed(311, 200, 128));
    body->arm_spread = 32;
    for (int32_t i = 0; i < 4; ++i) {
        body->set_position(200, 128);
    }
    body->fire_volley(7);
    for (size_t i = 0; i < 6; ++i) {
        const boss004::body_laser_t* laser = body->body_lasers[i];
        EXPECT_FLOAT_EQ(laser->x, spots[i][0]) << i;
        EXPECT_FLOAT_EQ(laser->y, spots[i][1]) << i;
        EXPECT_FLOAT_EQ(laser->vx, -2) << i;
        EXPECT_EQ(laser->effect->alive, 1) << i;
    }
    boss004::body_laser_t* first = body->body_lasers[0];
    first->update();
    EXPECT_EQ(std::pair(first->effect->x, first->effect->y), std::pair(185.0f, 104.0f))
        << "its flash goes along";
}

TEST_F(boss004_test, the_arms_sweep_missiles_every_six_frames_by_level) {
    struct row_t {
        int32_t level;
        int32_t start;
        int32_t g;
        int32_t count, step;
    };
    for (const row_t& r : {row_t{1, 28, 1, 4, 4}, row_t{3, 36, -1, 12, -2}, row_t{5, 28, 1, 20, 1}}) {
        auto* body = hold<body_t>(placed(311, 200, 128), r.level);
        body->sweep_arms(r.start, r.g);
        EXPECT_EQ(body->arms[0]->sweep_direction, r.start);
        EXPECT_EQ(body->arms[1]->sweep_direction, 64 - r.start);
        EXPECT_EQ(body->arms[0]->shots_left, r.count);
        EXPECT_EQ(body->arms[1]->shots_left, r.count);
        EXPECT_EQ(body->arms[0]->sweep_step, r.step);
        EXPECT_EQ(body->arms[1]->sweep_step, -r.step);
        EXPECT_EQ(body->arms[1]->state, 200);
    }

    struct fire_row_t {
        int32_t arm;
        int32_t shots;
        std::vector<uint32_t> frames;
        std::vector<int32_t> directions;
    };
    const fire_row_t rows[] = {{0, 3, {0, 6, 12}, {60, 0, 4}}, {1, 2, {0, 6}, {60, 0}}, {0, 0, {}, {}}};
    for (const fire_row_t& r : rows) {
        auto* body = hold<body_t>(placed(311, 200, 128));
        boss004::arm_t* arm = body->arms[size_t(r.arm)];
        arm->set_position(150, 100);
        arm->state = 200;
        arm->state_timer = 0;
        arm->shots_left = r.shots;
        arm->sweep_direction = 60;
        arm->sweep_step = 4;
        std::vector<uint32_t> frames;
        std::vector<int32_t> directions;
        for (uint32_t f = 0; f < 24; ++f) {
            const int32_t before = alive_count(arm->missiles);
            arm->update();
            if (alive_count(arm->missiles) > before) {
                missile_t* shot = arm->missiles[size_t(before)];
                frames.push_back(f);
                directions.push_back(shot->direction);
                EXPECT_EQ(shot->pattern, shot->direction % 32);
                EXPECT_FLOAT_EQ(shot->x, 174);
                EXPECT_FLOAT_EQ(shot->y, r.arm == 0 ? 96 : 104);
                EXPECT_FLOAT_EQ(shot->speed, 3);
                EXPECT_EQ(shot->effect->alive, 1);
            }
        }
        EXPECT_EQ(frames, r.frames);
        EXPECT_EQ(directions, r.directions);
        EXPECT_EQ(arm->state, 1);
        EXPECT_EQ(requested(94), r.shots > 0);
    }
}

TEST_F(boss004_test, a_beam_widens_touches_only_at_full_width_and_narrows_out) {
    struct row_t {
        bool kill_at_full;
        uint32_t updates;
        int32_t pattern;
        bool alive, flash, hurts;
    };
    const row_t rows[] = {
        {false, 1, 8, true, false, false},   {false, 17, 16, true, true, false},
        {false, 19, 16, true, false, false}, {false, 33, 24, true, true, false},
        {false, 81, 48, true, true, false},  {false, 96, 48, true, true, false},
        {false, 97, 56, true, true, true},   {false, 200, 56, true, true, true},
        {true, 1, 48, true, true, false},    {true, 56, 0, true, false, false},
        {true, 57, 0, false, false, false},
    };
    for (const row_t& r : rows) {
        auto* body = hold<body_t>(placed(311, 200, 128));
        boss004::arm_laser1_t* beam = body->arms[0]->beam;
        beam->start();
        if (r.kill_at_full) {
            beam->pattern = 56;
            beam->beam_timer = 5;
            beam->kill();
        }
        for (uint32_t i = 0; i < r.updates; ++i) {
            if (r.kill_at_full && i == 4) {
                beam->kill(); // a closing beam goes on narrowing as it was
            }
            if (i + 1 == r.updates) {
                g_soundctr.se_states.fill(0);
            }
            beam->update();
        }
        EXPECT_EQ(beam->pattern, r.pattern) << r.kill_at_full << " " << r.updates;
        EXPECT_EQ(beam->alive != 0, r.alive) << r.kill_at_full << " " << r.updates;
        EXPECT_EQ(beam->flash->alive != 0, r.flash) << r.kill_at_full << " " << r.updates;
        EXPECT_EQ(beam->contact_damage(), r.hurts ? beam->info->contact_damage : 0) << r.updates;
        EXPECT_EQ(requested(19), r.alive && r.pattern >= 40) << r.updates;
    }

    struct spark_row_t {
        int32_t pattern;
        uint32_t timer;
        std::vector<int32_t> starts;
    };
    for (const spark_row_t& r :
         {spark_row_t{56, 0, {1, 0, 0, 0, 0, 0, 0, 1, 0}}, spark_row_t{48, 1, {1, 1, 1}}}) {
        auto* body = hold<body_t>(placed(311, 200, 128));
        boss004::arm_laser1_t* beam = body->arms[0]->beam;
        beam->start();
        beam->pattern = r.pattern;
        beam->beam_timer = r.timer;
        beam->set_position(100, 60);
        std::vector<int32_t> starts;
        for (size_t i = 0; i < r.starts.size(); ++i) {
            const int32_t before = alive_count(beam->sparks);
            beam->update();
            starts.push_back(alive_count(beam->sparks) - before);
        }
        EXPECT_EQ(starts, r.starts) << r.pattern;
        EXPECT_FLOAT_EQ(beam->sparks[0]->x, 228); // at the muzzle
        EXPECT_FLOAT_EQ(beam->sparks[0]->y, 60);
    }

    struct flight_row_t {
        uint32_t updates;
        int32_t pattern;
        bool alive;
    };
    for (const flight_row_t& r :
         {flight_row_t{1, 0, true}, flight_row_t{8, 0, true}, flight_row_t{9, 1, true},
          flight_row_t{25, 3, true}, flight_row_t{32, 3, true}, flight_row_t{33, 3, false}}) {
        auto* body = hold<body_t>(placed(311, 200, 128));
        boss004::spark_t* spark = body->arms[0]->beam->sparks[3]; // direction 36
        spark->set_position(200, 60);
        spark->start();
        for (uint32_t i = 0; i < r.updates; ++i) {
            spark->update();
        }
        EXPECT_EQ(spark->pattern, r.pattern) << r.updates;
        EXPECT_EQ(spark->alive != 0, r.alive) << r.updates;
        EXPECT_NEAR(spark->x, 200 + 3 * cos_table[36] * float(r.updates), 1e-3) << r.updates;
        EXPECT_NEAR(spark->y, 60 - 3 * sin_table[36] * float(r.updates), 1e-3) << r.updates;
    }
}

TEST_F(boss004_test, the_core_sweeps_its_lasers_along_the_cover_and_fires_at_the_levels_pace) {
    struct row_t {
        uint32_t frame;
        int32_t direction;
        int32_t state;
    };
    const row_t rows[] = {{0, 33, 510},   {15, 40, 510},  {16, 39, 560},  {47, 24, 560},  {48, 25, 561},
                          {79, 40, 561},  {80, 39, 560},  {271, 40, 561}, {272, 39, 570}, {275, 39, 570},
                          {276, 38, 570}, {300, 32, 570}, {301, 32, 1}};
    struct level_row_t {
        int32_t level, fired, second_direction;
    };
    for (const auto& [x, state, pattern] : {std::tuple{127.0f, 100, 0}, std::tuple{128.0f, 101, 1}}) {
        auto* body = hold<body_t>(placed(311, 200, 128));
        body->core->x = x;
        body->core->state = 100;
        body->core->update();
        EXPECT_EQ(body->core->state, state) << x; // opens only once in place
        EXPECT_EQ(body->core->pattern, pattern) << x;
    }
    for (const auto& [level, fired, second_direction] : {level_row_t{1, 34, 37}, level_row_t{2, 64, 35}}) {
        auto* body = hold<body_t>(placed(311, 200, 128), level);
        boss004::core_t* core = body->core;
        body->core_cover->direction = 32; // as the closed core holds it
        core->state = 500;
        size_t next = 0;
        for (uint32_t f = 0; f < 310; ++f) {
            g_frame_counter = f;
            core->update();
            if (next < std::size(rows) && rows[next].frame == f) {
                EXPECT_EQ(body->core_cover->direction, rows[next].direction) << f;
                EXPECT_EQ(body->core_cover->pattern, rows[next].direction) << f;
                EXPECT_EQ(core->state, rows[next].state) << f;
                ++next;
            }
        }
        EXPECT_EQ(alive_count(core->lasers), fired) << level;
        EXPECT_EQ(core->lasers[0]->direction, 33);
        EXPECT_FLOAT_EQ(core->lasers[1]->vx, 3 * cos_table[second_direction]);
        EXPECT_FLOAT_EQ(core->lasers[0]->x, core->x);
    }
}

TEST_F(boss004_test, the_entrance_holds_the_stage_opens_the_core_and_closes_the_arms) {
    auto* body = hold<body_t>(placed(311, 300, 60));
    ship_at(40, 200);
    struct row_t {
        uint32_t frames; // run so far
        int32_t phase, core_state, core_pattern;
        float spread;
    };
    const row_t rows[] = {{1, 2, 0, 0, 200},     {64, 2, 0, 0, 200},   {65, 2, 101, 1, 200},
                          {92, 2, 101, 7, 200},  {93, 2, 1, 7, 200},   {181, 2, 1, 7, 200},
                          {182, 151, 1, 7, 198}, {265, 151, 1, 7, 32}, {266, 151, 1, 7, 32}};
    uint32_t done = 0;
    for (const row_t& r : rows) {
        run(r.frames - done);
        done = r.frames;
        EXPECT_EQ(body->phase, r.phase) << r.frames;
        EXPECT_EQ(body->core->state, r.core_state) << r.frames;
        EXPECT_EQ(body->core->pattern, r.core_pattern) << r.frames;
        EXPECT_FLOAT_EQ(body->arm_spread, r.spread) << r.frames;
    }
    EXPECT_EQ(posted_since(0),
              (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{0, 389, 1}, {32, 385, 1}}));
    EXPECT_EQ(sound_frames(58), std::vector<uint32_t>{265});
}

TEST_F(boss004_test, the_wave_brings_beams_sweeps_the_core_sweep_and_volleys_then_the_return_home) {
    auto* body = hold<body_t>(placed(311, 224, 128));
    ship_at(40, 200);
    body->arm_spread = 32;
    body->phase = 350;
    std::vector<uint32_t> beam_on, beam_closing;
    int32_t off_arm = 0; // frames a beam already lit is not 188 left of its arm
    for (uint32_t f = 0; f < 780; ++f) {
        const bool was_on = body->arms[0]->beam->alive && !body->arms[0]->beam->closing;
        const bool lit[2] = {body->arms[0]->beam->alive != 0, body->arms[1]->beam->alive != 0};
        run(1);
        for (size_t a = 0; a < 2; ++a) {
            const boss004::arm_t* arm = body->arms[a];
            off_arm += lit[a] && (arm->beam->x != arm->x - 188 || arm->beam->y != arm->y);
        }
        const bool on = body->arms[0]->beam->alive && !body->arms[0]->beam->closing;
        if (on && !was_on) {
            beam_on.push_back(f);
        }
        if (!on && was_on) {
            beam_closing.push_back(f);
        }
        if (f == 330) {
            EXPECT_EQ(body->arms[0]->sweep_step, -4);
        }
        if (f == 600) {
            EXPECT_FLOAT_EQ(body->arm_spread, 64);
        }
        if (f == 400) {
            EXPECT_EQ(body->core->state, 510);
        }
    }
    constexpr uint32_t home = 676; // the wave's last frame
    EXPECT_EQ(beam_on, std::vector<uint32_t>{80});
    EXPECT_EQ(off_arm, 0);
    EXPECT_EQ(beam_closing, std::vector<uint32_t>{512});
    EXPECT_EQ(sound_frames(51),
              (std::vector<uint32_t>{440, 448, 480, 488, home + 16, home + 24, home + 64, home + 72}));
    EXPECT_EQ(sound_frames(94),
              (std::vector<uint32_t>{256, 262, 268, 274, 320, 326, 332, 338, home, home + 6, home + 12,
                                     home + 18, home + 64, home + 70, home + 76, home + 82}));
    EXPECT_EQ(body->phase, 401);
    run(80); // home, with the arms in
    EXPECT_EQ(body->phase, 151);
    EXPECT_FLOAT_EQ(body->x, 221); // home at 224 three frames ago, since when the aim slides it left
    // Level with the ship, an aim still moves: 16 down.
    const float y = body->y;
    ship_at(40, y);
    body->phase = 150;
    run(32);
    EXPECT_EQ(body->phase, 153);
    EXPECT_FLOAT_EQ(body->y, y + 16);
    // The wave sets out toward the ship, also when level with it. At 0.8 degrees a frame from 180 its
    // angle is past 300, 420 and 600 in its frames 151, 301 and 526: 1.5, 1 and -1.5 times its 32 off.
    for (const auto& [ship_y, off] : {std::pair(200.0f, 32.0f), {128.0f, 32.0f}, {40.0f, -32.0f}}) {
        auto* waving = hold<body_t>(placed(311, 224, 128));
        ship_at(40, ship_y);
        waving->phase = 350;
        std::vector<float> ys;
        for (const uint32_t frames : {152u, 150u, 225u}) {
            run(frames);
            ys.push_back(waving->y);
        }
        EXPECT_EQ(ys, (std::vector<float>{128 + 1.5f * off, 128 + off, 128 - 1.5f * off})) << ship_y;
    }
}

TEST_F(boss004_test, the_death_sequence_sinks_the_body_bursts_its_row_and_ends_in_its_kill) {
    for (int32_t level : {1, 3}) {
        auto* body = hold<body_t>(placed(311, 224, 128), level);
        ship_at(40, 200);
        body->arms[0]->beam->start();
        body->arm_spread = 64;
        body->phase = 1000;
        run(1);
        EXPECT_EQ(body->arms[0]->beam->closing, 1);
        EXPECT_EQ(body->jets[0]->alive, 0);
        run(96);
        EXPECT_NEAR(body->arm_spread, 64 - 97 * 0.2f, 1e-3) << "the arms close in slowly";
        EXPECT_EQ(body->explosions.entries[0].explosion->alive, 1); // the first at 96
        EXPECT_EQ(body->explosions.entries[1].explosion->alive, 0);
        run(381); // the frame that ends the sink runs two death steps
        EXPECT_EQ(body->alive, 1);
        EXPECT_EQ(body->explosions.next, 23); // 87 started
        run(1);
        EXPECT_EQ(body->alive, 0);
        EXPECT_EQ(body->core_shields[2]->alive, 0);
        EXPECT_EQ(sound_frames(46), std::vector<uint32_t>{478});
        EXPECT_EQ(posted_since(0), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{160, 389, 0}}));
        EXPECT_EQ(pool_shots_alive() > 0, level == 3) << level;
    }
}

TEST_F(boss004_test, the_fight_runs_its_cycle_from_the_entrance_and_the_core_s_death_ends_it) {
    // The ship below: the first aim is held to 64 down, the others to 16 across the ship's height.
    std::vector<entered_t> route{{0, 2}};
    for (uint32_t k = 0; k < 8; ++k) {
        route.insert(route.end(), {{181 + 39 * k, 151}, {212 + 39 * k, 153}});
    }
    for (uint32_t k = 0; k < 6; ++k) {
        route.insert(route.end(),
                     {{493 + 43 * k, 251}, {524 + 43 * k, 253}, {528 + 43 * k, 255}, {532 + 43 * k, 257}});
    }
    route.insert(route.end(), {{751, 301}, {842, 351}, {1518, 401}, {1699, 151}});
    struct row_t {
        int32_t level;
        size_t sweep_frames; // of the cycle
        size_t bullets;      // of the death blasts
    };
    for (const row_t& r : {row_t{1, 16, 0}, row_t{5, 62, 87}}) {
        auto* body = hold<body_t>(placed(311, 300, 60), r.level);
        ship_at(40, 200);
        std::vector<float> aimed;
        const std::vector<entered_t> seen = phases_entered(*this, body, 1700, [&]() {
            if ((body->phase == 153 || body->phase == 253) && body->phase_timer == 1) {
                aimed.insert(aimed.end(), {body->x, body->y});
            }
        });
        EXPECT_EQ(seen, route) << r.level;
        ASSERT_EQ(aimed.size(), 28u);
        for (size_t i = 0; i < 14; ++i) {
            EXPECT_FLOAT_EQ(aimed[2 * i], i == 0 ? 193 : 192) << i;
            EXPECT_FLOAT_EQ(aimed[2 * i + 1], i % 2 == 0 ? 192 : 208) << i;
        }
        EXPECT_EQ(sound_frames(51).size(), 8 + 18 + 4 + 4u) << r.level;
        EXPECT_EQ(sound_frames(94).size(), r.sweep_frames) << r.level;
        // The triple volley: from the arms' muzzles, then the front, then the nose (x after the first move).
        std::vector<std::pair<uint32_t, float>> triple;
        for (const launch_t& l : launches(list_enemy_shots)) {
            if (l.frame >= 524 && l.frame <= 532) {
                triple.push_back({l.frame, l.x});
            }
        }
        EXPECT_EQ(triple, (std::vector<std::pair<uint32_t, float>>{
                              {524, 130}, {524, 130}, {528, 158}, {528, 158}, {532, 177}, {532, 177}}));

        // Two lethal hits on the open core: the cover, then the core with its bonus for the time left.
        boss004::core_t* core = body->core;
        const uint32_t hit = g_frame_counter;
        int32_t score = g_score + g_pending_bonus;
        core->damage(core->hp);
        EXPECT_EQ(g_score + g_pending_bonus - score, body->core_cover->info->score);
        score = g_score + g_pending_bonus;
        core->damage(core->hp);
        EXPECT_EQ(g_score + g_pending_bonus - score, core->info->score + 10 * (2500 - int32_t(hit)));
        EXPECT_EQ(pool_shots_alive(), r.bullets > 0 ? 1 : 0); // the core's revenge
        EXPECT_EQ(phases_entered(*this, body, 479), (std::vector<entered_t>{{hit, 1001}, {hit + 361, 1002}}));
        EXPECT_EQ(body->alive, 0);
        EXPECT_EQ(sound_frames(46), std::vector<uint32_t>{hit + 478});
        EXPECT_EQ(posted_since(0), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{
                                       {0, 389, 1}, {32, 385, 1}, {hit + 160, 389, 0}}));
        EXPECT_EQ(launches(list_shot_pool).size(), r.bullets) << r.level;
    }
}
