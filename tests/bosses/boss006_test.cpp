// Boss006: its assembly in list order, the hits it takes and the one that starts its death, the lengths
// of its motions, the roll, the barrages by level, the pods' homing, the bolts' and beams' harm to other
// enemies, the charge, and its kill and bonus.
#include "bosses/boss006/boss006.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "player/smoke.h"
#include "tests/bosses/midboss_kit.h"
#include "tests/bosses/phase_trail.h"

namespace {

using boss006_test = midboss_kit_t;
using boss006::body_t;

// Switches the pods off, which stand alive where the boss was placed until they fly off the screen.
body_t* quiet(body_t* body) {
    for (boss006::homing_t* pod : body->homings) {
        pod->alive = 0;
    }
    return body;
}

} // namespace

TEST_F(boss006_test, every_part_is_assembled_in_order_and_nothing_without_a_record) {
    load({placed(331, 200, 100)});
    std::vector<part_t> enemies{{"boss006::body_t", 332}};
    enemies.insert(enemies.end(), 64, {"boss006::homing_t", 335});
    enemies.insert(enemies.end(), 2, {"jet_t", 93, 2});
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0), enemies);

    std::vector<part_t> shots, explosions;
    for (int32_t i = 0; i < 64; ++i) {
        explosions.push_back({"explosion_t", 51, 2, list_enemies0, 1 + i});
    }
    explosions.insert(explosions.end(), 64, {"smoke_t", 175, 4});
    for (int32_t i = 0; i < 32; ++i) {
        explosions.push_back({"explosion_t", i % 2 == 0 ? 68 : 69, i / 6 + 2});
    }
    for (int32_t i = 0; i < 64; ++i) {
        shots.push_back({"boss006::laser_t", 327, -1, list_enemies0, 0});
        explosions.push_back({"explosion_t", 333, 1, list_enemy_shots, i});
    }
    for (int32_t beam = 0; beam < 2; ++beam) {
        shots.push_back({"boss006::big_laser_head_t", 334, -1, list_enemies0, 0});
        shots.insert(shots.end(), 31, {"boss006::big_laser_t", 334, -1, list_enemies0, 0});
    }
    explosions.insert(explosions.end(), {{"boss006::spark_ctr_t", 0, 2}, {"explosion_t", 337, 1}});
    explosions.insert(explosions.end(), 16, {"boss006::spark_t", 336, 2});
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots), shots);
    const auto made = manifest_of(scene->stage, list_explosions);
    ASSERT_GT(made.size(), explosions.size());
    EXPECT_EQ(made[0].owner_index, 0); // the boss death pattern first
    EXPECT_EQ(std::vector<part_t>(made.end() - long(explosions.size()), made.end()), explosions);

    auto* body = only<body_t>();
    EXPECT_EQ(alive_count(body->homings), 64);
    EXPECT_FLOAT_EQ(body->homings[63]->x, 200);
    std::vector<int32_t> directions;
    for (size_t i = 0; i < 10; ++i) {
        directions.push_back(body->smokes[i]->direction);
        EXPECT_FLOAT_EQ(body->smokes[i]->speed, 1.2f);
    }
    EXPECT_EQ(directions, (std::vector<int32_t>{16, 15, 17, 15, 17, 16, 15, 16, 16, 15}));
    const int32_t dx[16] = {16, 0, 0, 38, 18, -14, 16, -38, 22, 16, -36, 38, 6, -12, 10, -16};
    const int32_t dy[16] = {0, -20, 15, -10, 26, -22, -22, 20, 0, 20, -12, 6, -26, 0, -8, 25};
    for (size_t i = 0; i < 32; ++i) {
        EXPECT_EQ(body->death_explosions.entries[i].dx, dx[i % 16]) << i;
        EXPECT_EQ(body->death_explosions.entries[i].dy, dy[i % 16]) << i;
    }
    EXPECT_EQ(made[1].period, 2); // the death pattern of the larger bosses
    EXPECT_EQ(body->spark_ctr->sparks[15]->body, body);
    EXPECT_EQ(body->big_lasers[1]->next->next->get_owner(), body);

    for (int32_t record : {332, 327, 333, 335, 51, 336, 0, 337, 93, 175, 89, 68, 69, 334}) {
        records({}, {record});
        load({placed(331, 200, 100)});
        EXPECT_EQ(object_total(), 0u) << record;
    }
}

TEST_F(boss006_test, a_hit_that_would_leave_500_or_fewer_starts_the_death_instead) {
    struct row_t {
        bool invulnerable;
        int32_t left; // hit points the hit would leave
        int32_t hp_lost;
        int32_t phase;
    };
    const row_t rows[] = {{true, 600, 0, 15}, {false, 501, 10, 15}, {false, 500, 0, 1000}};
    for (const row_t& r : rows) {
        auto* body = quiet(hold<body_t>(placed(331, 200, 100)));
        body->phase = 15;
        body->invulnerable = r.invulnerable;
        body->hp = r.left + 10;
        body->damage(10);
        EXPECT_EQ(body->hp, r.left + 10 - r.hp_lost) << r.left;
        EXPECT_EQ(body->phase, r.phase) << r.left;
        EXPECT_EQ(body->invulnerable != 0, r.invulnerable || r.phase == 1000);
    }
}

TEST_F(boss006_test, each_motion_moves_for_its_number_of_frames) {
    struct row_t {
        int32_t motion; // 0 ease home, 1 ease to, 2 track, 3 recoil
        float step;
        int32_t frames;
        float x;
        float y;
    };
    const row_t rows[] = {
        {0, 2, 91, 216, 128}, {0, 0.6f, 300, 216, 128}, {1, 4, 46, 150, 60},
        {2, 5, 37, 100, 132}, {3, 5, 19, 148, 100},
    };
    for (const row_t& r : rows) {
        auto* body = quiet(hold<body_t>(placed(331, 100, 100), 2));
        ship_at(40, 180);
        switch (r.motion) {
        case 0:
            body->ease_home(r.step);
            break;
        case 1:
            body->ease_to(150, 60);
            break;
        case 2:
            body->start_track(); // 80 below, held to 32 at level 2
            break;
        default:
            body->start_recoil();
        }
        int32_t frames = 0;
        while (body->step_motion() && frames < 1000) {
            ++frames;
            if (r.motion == 1 && frames == 10) { // read at 216 degrees
                EXPECT_NEAR(body->x, 125 - 25 * 0.809017f, 0.001);
                EXPECT_NEAR(body->y, 80 + 20 * 0.809017f, 0.001);
            }
        }
        EXPECT_EQ(frames, r.frames) << r.motion << " " << r.step;
        EXPECT_NEAR(body->x, r.x, 0.01) << r.motion;
        EXPECT_NEAR(body->y, r.y, 0.01) << r.motion;
        EXPECT_EQ(body->motion_done, 1);
    }
}

TEST_F(boss006_test, the_roll_turns_and_eases_back_by_the_shorter_way) {
    const int32_t rows[][3] = {{0, 1, 1}, {0, -1, 31}, {31, 1, 0}, {5, 0, 4}, {16, 0, 17}, {0, 0, 0}};
    auto* body = quiet(hold<body_t>(placed(331, 100, 100)));
    for (const auto& r : rows) {
        body->pattern = r[0];
        body->roll(r[1]);
        EXPECT_EQ(body->pattern, r[2]) << r[0] << " " << r[1];
    }
}

TEST_F(boss006_test, the_barrages_fire_their_kinds_by_level) {
    struct row_t {
        int32_t level;
        int32_t phase;
        std::vector<std::pair<int32_t, int32_t>> kinds; // (frame, kind) in the first 16 frames, in order
    };
    const row_t rows[] = {
        {1, 100, {{0, 3}, {8, 2}}},
        {2, 110, {{0, 3}, {4, 2}, {8, 3}, {12, 2}}},
        {3, 120, {{0, 1}, {0, 3}, {4, 0}, {8, 1}, {8, 2}, {12, 0}}},
        {4, 130, {{0, 1}, {0, 3}, {4, 0}, {4, 2}, {8, 1}, {8, 3}, {12, 0}, {12, 2}}},
        {5,
         140,
         {{0, 1},
          {0, 3},
          {2, 2},
          {4, 0},
          {4, 3},
          {6, 2},
          {8, 1},
          {8, 3},
          {10, 2},
          {12, 0},
          {12, 3},
          {14, 2}}},
    };
    for (const row_t& r : rows) {
        auto* body = quiet(hold<body_t>(placed(331, 150, 128), r.level));
        body->invulnerable = 0;
        body->phase = 53;
        std::vector<std::pair<int32_t, int32_t>> kinds;
        for (int32_t f = 0; f < 16; ++f) {
            std::vector<uint8_t> before;
            for (const boss006::homing_t* pod : body->homings) {
                before.push_back(pod->alive);
            }
            run(1);
            for (size_t i = 0; i < body->homings.size(); ++i) {
                if (!before[i] && body->homings[i]->alive) {
                    const float dy = body->homings[i]->explosion->y - body->y; // the muzzle flash
                    kinds.push_back({f, dy == -40 ? 0 : dy == 40 ? 1 : dy == -22 ? 2 : 3});
                }
            }
        }
        EXPECT_EQ(body->phase, r.phase) << r.level;
        EXPECT_EQ(kinds, r.kinds) << r.level;
    }
}

TEST_F(boss006_test, a_pod_turns_toward_the_ship_by_the_shorter_way_for_64_frames) {
    struct row_t {
        int32_t direction;
        uint32_t timer;
        int32_t direction_after; // ship straight right of the pod: direction 0
    };
    const row_t rows[] = {{10, 0, 9}, {54, 0, 55}, {32, 0, 33}, {0, 5, 0}, {10, 63, 9}, {10, 64, 10}};
    for (const row_t& r : rows) {
        auto* body = quiet(hold<body_t>(placed(331, 300, 100)));
        ship_at(200, 100);
        boss006::homing_t* pod = body->homings[0];
        pod->set_position(100, 100);
        pod->start();
        pod->direction = r.direction;
        pod->timer = r.timer;
        pod->update();
        EXPECT_EQ(pod->direction, r.direction_after) << r.direction << " " << r.timer;
        EXPECT_EQ(pod->pattern, r.direction_after);
        EXPECT_FLOAT_EQ(pod->x, 100 + 2.5f * cos_table[r.direction_after]);
        EXPECT_FLOAT_EQ(pod->y, 100 - 2.5f * sin_table[r.direction_after]);
    }
    // Off the area it goes silently, without its explosion; on its edge it flies on. A relaunch homes anew.
    const std::tuple<float, float, bool> edges[] = {
        {320, 100, false}, {319, 100, true}, {-16, 100, true}, {100, -16, true}, {100, 272, false}};
    for (const auto& [x, y, stays] : edges) {
        auto* body = quiet(hold<body_t>(placed(331, 300, 100)));
        boss006::homing_t* pod = body->homings[0];
        pod->timer = 70;
        pod->start();
        EXPECT_EQ(pod->timer, 0u);
        pod->set_position(x, y);
        pod->update();
        EXPECT_EQ(pod->alive != 0, stays) << x << " " << y;
        EXPECT_EQ(pod->explosion->alive, 0);
    }
}

TEST_F(boss006_test, bolts_and_beams_hurt_other_enemies_of_list_0_without_score) {
    struct row_t {
        int32_t contact; // of the bolt's record
        int32_t hp_lost;
    };
    for (const row_t& r : {row_t{3, 3}, row_t{0, 0}}) {
        objectinfo_t bolt = *objectinfo_find(327);
        bolt.contact_damage = r.contact;
        records({bolt});
        auto* body = quiet(hold<body_t>(placed(331, 200, 100)));
        boss006::homing_t* pod = body->homings[5];
        pod->start();
        pod->set_position(60, 100);
        pod->hp = 10;
        const int32_t hp = pod->hp;
        const int32_t score = g_score;
        boss006::laser_t* laser = body->lasers[0];
        laser->set_position(62, 100);
        laser->vx = -1;
        laser->vy = 0;
        laser->start();
        laser->update();
        EXPECT_EQ(laser->alive, 0) << r.contact;
        EXPECT_EQ(pod->hp, hp - r.hp_lost) << r.contact;
        EXPECT_EQ(g_score, score);
        // Its owner it passes.
        boss006::laser_t* other = body->lasers[1];
        other->set_position(body->x - 20, body->y);
        other->start();
        other->update();
        EXPECT_EQ(other->alive, 1);
    }
    // The beam's front goes 4 left a frame, a segment more a frame, and stays on the boss's y from level 5.
    for (int32_t level : {4, 5}) {
        auto* body = quiet(hold<body_t>(placed(331, 200, 100), level));
        body->set_position(200, 100);
        body->fire_big_laser();
        boss006::big_laser_head_t* head = body->big_lasers[0];
        body->set_position(200, 120);
        for (int32_t f = 0; f < 3; ++f) {
            head->update();
        }
        EXPECT_FLOAT_EQ(head->x, 176); // from 12 before the body
        EXPECT_FLOAT_EQ(head->y, level >= 5 ? 120 : 100);
        EXPECT_EQ(head->next->next->next->alive, 1);
        EXPECT_EQ(head->next->next->next->next->alive, 0);
        EXPECT_FLOAT_EQ(head->next->next->x, 184); // where the front was two frames ago
    }
}

TEST_F(boss006_test, the_charge_emits_seven_sparks_and_ends_after_45_frames) {
    auto* body = quiet(hold<body_t>(placed(331, 200, 100)));
    boss006::spark_ctr_t* ctr = body->spark_ctr;
    for (int32_t charge = 0; charge < 2; ++charge) {
        ctr->start();
        int32_t frames = 0;
        while (ctr->alive && frames < 100) {
            ctr->update();
            ++frames;
        }
        EXPECT_EQ(frames, 45);
        EXPECT_EQ(ctr->next_offset, 7u * uint32_t(charge + 1)); // carries over
        EXPECT_EQ(ctr->effect->alive, 0);
        EXPECT_EQ(alive_count(ctr->sparks), 7 * (charge + 1));
    }
    const float spark_dx[14] = {46, 54, 53, 52, 50, 47, 52, 53, 59, 44, 59, 55, 51, 58};
    const float spark_dy[14] = {15, -11, 21, 18, 6, -9, -16, -3, 12, 23, 16, -19, -6, 9};
    for (size_t i = 0; i < 14; ++i) {
        EXPECT_FLOAT_EQ(ctr->sparks[i]->x, 200 - 112 + spark_dx[i]) << i;
        EXPECT_FLOAT_EQ(ctr->sparks[i]->y, 100 + spark_dy[i]) << i;
    }
    // A spark flies to the nose, 20 before the body.
    boss006::spark_t* spark = ctr->sparks[0];
    spark->set_position(220, 100);
    spark->update();
    EXPECT_FLOAT_EQ(spark->x, 220 - 1.75f);
}

TEST_F(boss006_test, its_kill_takes_list_0_with_it_and_the_bonus_falls_with_time) {
    auto* body = hold<body_t>(placed(331, 200, 100));
    EXPECT_EQ(alive_count(body->homings), 64);
    body->kill();
    EXPECT_EQ(alive_count(body->homings), 0);
    EXPECT_EQ(body->homings[3]->explosion->alive, 1);
    EXPECT_EQ(body->jets[1]->alive, 0);
    const uint32_t frames[][2] = {{0, 60000}, {5999, 10}, {6000, 0}, {7000, 0}};
    for (const auto& f : frames) {
        body->frames_alive = f[0];
        EXPECT_EQ(body->bonus(), int32_t(f[1])) << f[0];
    }
}

TEST_F(boss006_test, the_dashes_fire_bolt_pairs_and_the_route_leads_to_the_barrage) {
    struct row_t {
        int32_t level;
        size_t pair_frames; // over the four rounds of three dashes
    };
    for (const row_t& r : {row_t{1, 64}, row_t{2, 152}}) {
        auto* body = quiet(hold<body_t>(placed(331, 200, 128), r.level));
        ship_at(40, 128);
        body->invulnerable = 0;
        body->phase = 20;
        const std::vector<int32_t> starts = starts_per_frame(body->lasers, 444);
        EXPECT_EQ(body->phase, 24) << r.level;
        EXPECT_EQ(nonzero(starts), std::vector<int32_t>(r.pair_frames, 2)) << r.level;
        run(1);
        EXPECT_EQ(body->phase, 32) << r.level;
    }
    auto* body = quiet(hold<body_t>(placed(331, 200, 100)));
    body->phase = 40;
    run(46);
    EXPECT_EQ(body->phase, 41);
    run(1);
    EXPECT_EQ(body->phase, 42); // rolled by the descent: it waits for level
    EXPECT_FLOAT_EQ(body->y, 128);
    body->pattern = 0;
    run(1);
    EXPECT_EQ(body->phase, 52);
    EXPECT_EQ(body->repeat, 1u);
    // Above the ship, a barrage round hops up.
    ship_at(40, 200);
    body->phase = 51;
    run(46);
    EXPECT_FLOAT_EQ(body->y, 128 - 64);
}

TEST_F(boss006_test, shots_leave_from_their_points_and_take_the_first_idle_member) {
    auto* body = quiet(hold<body_t>(placed(331, 200, 100)));
    body->set_position(200, 100);
    body->fire_laser_pair(0);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(body->lasers[i]->alive, 1);
        EXPECT_FLOAT_EQ(body->lasers[i]->x, 164);
        EXPECT_FLOAT_EQ(body->lasers[i]->y, i == 0 ? 84 : 116);
        EXPECT_EQ(body->lasers[i]->direction, 32);
        EXPECT_FLOAT_EQ(body->lasers[i]->speed, 4);
    }
    EXPECT_EQ(body->lasers[2]->alive, 0);
    // Rolled, the pair closes in by the cosine of 11.25 degrees a pattern, as the jets do: at 60 degrees
    // by half; in a dash's frame a pattern of 5 eases to 4 first, 45 degrees.
    body->fire_laser_pair(60);
    EXPECT_FLOAT_EQ(body->lasers[2]->y, 92);
    EXPECT_FLOAT_EQ(body->lasers[3]->y, 108);
    ship_at(40, 100);
    body->start_track();
    body->phase = 22;
    body->phase_timer = 0;
    body->pattern = 5;
    run(1);
    EXPECT_EQ(body->pattern, 4);
    EXPECT_NEAR(body->lasers[4]->y, 100 - 16 * 0.7071f, 0.001);
    EXPECT_NEAR(body->lasers[5]->y, 100 + 16 * 0.7071f, 0.001);
    EXPECT_NEAR(body->jets[0]->y, 100 - 12 * 0.7071f, 0.001);
    EXPECT_NEAR(body->jets[1]->y, 100 + 12 * 0.7071f, 0.001);
    EXPECT_FLOAT_EQ(body->jets[1]->x, 226);
    struct pod_row_t {
        int32_t kind;
        float dx;
        float dy;
        int32_t direction;
    };
    const pod_row_t rows[] = {{0, 8, -40, 16}, {1, 8, 40, 48}, {2, 34, -22, 60}, {3, 34, 22, 4}};
    body->homings[0]->explosion->start(); // a pod whose explosion still runs is passed over
    for (const pod_row_t& r : rows) {
        body->fire_homing(r.kind);
        boss006::homing_t* pod = body->homings[size_t(r.kind) + 1];
        EXPECT_EQ(pod->alive, 1) << r.kind;
        EXPECT_EQ(pod->direction, r.direction) << r.kind;
        EXPECT_EQ(pod->pattern, r.direction) << r.kind;
        EXPECT_FLOAT_EQ(pod->x, 200 + r.dx) << r.kind;
        EXPECT_FLOAT_EQ(pod->explosion->y, 100 + r.dy) << r.kind;
    }
    EXPECT_EQ(body->homings[0]->alive, 0);
}

TEST_F(boss006_test, the_fight_runs_five_cycles_from_home_and_escapes_or_dies_in_its_sequence) {
    struct row_t {
        int32_t level;
        int32_t barrage;
        int32_t bolt_pairs; // of the whole fight
        int32_t pod_frames;
        size_t death_bullets;
    };
    const row_t rows[] = {{1, 100, 320, 320, 0}, {5, 140, 760, 1280, 87}};
    using events_t = std::vector<std::tuple<uint32_t, int32_t, int32_t>>;
    const auto boss_events = [this](size_t n) {
        events_t events = posted_since(n);
        std::erase_if(events, [](const auto& e) { return std::get<1>(e) == 411; }); // a fade's own end
        return events;
    };
    for (const row_t& r : rows) {
        // Level with the ship, so that the dashes stand still and each barrage round hops down and back.
        auto* body = quiet(hold<body_t>(placed(331, 216, 128), r.level));
        ship_at(40, 128);
        const int32_t b = r.barrage;
        std::vector<entered_t> route{
            {0, 10},    {91, 22},  {128, 23},  {165, 24},  {202, 22},  {239, 23},   {276, 24}, {313, 22},
            {350, 23},  {387, 24}, {424, 22},  {461, 23},  {498, 24},  {535, 32},   {581, 33}, {604, 35},
            {636, 32},  {682, 33}, {705, 35},  {737, 32},  {783, 33},  {806, 35},   {838, 32}, {884, 33},
            {907, 35},  {939, 41}, {985, 52},  {1031, b},  {1159, 52}, {1205, 52},  {1251, b}, {1379, 52},
            {1425, 52}, {1471, b}, {1599, 52}, {1645, 52}, {1691, b},  {1819, 201},
        };
        const uint32_t cycle = 1774;
        std::vector<float> barrage_y;
        std::vector<entered_t> seen = phases_entered(*this, body, 1865, [&]() {
            if (body->phase == b && body->phase_timer == 1) {
                barrage_y.push_back(body->y);
            }
        });
        EXPECT_EQ(seen, route) << r.level;
        EXPECT_EQ(barrage_y, std::vector<float>(4, 192)) << r.level; // down a hop, then down and back
        // The four cycles after run alike, then it turns invulnerable and leaves 96 frames later.
        seen = phases_entered(*this, body, 4 * cycle + 96);
        ASSERT_EQ(seen.size(), 4 * (route.size() - 1) + 1) << r.level;
        for (uint32_t c = 1; c < 5; ++c) {
            EXPECT_EQ(seen[(c - 1) * (route.size() - 1)], (entered_t{91 + c * cycle, 22})) << c;
        }
        EXPECT_EQ(seen.back(), (entered_t{8961, 501})) << r.level;
        EXPECT_EQ(body->cycle, 6u);
        // Its flag down, the stage scrolls again: held here so that only its own flight shows.
        scene->scroll_stop = 1;
        const float x = body->x;
        EXPECT_FLOAT_EQ(body->escape_speed, 0);
        run(100);
        EXPECT_NEAR(body->x, x - 0.005f * 5050, 0.01) << r.level;
        EXPECT_EQ(body->invulnerable, 1);
        EXPECT_EQ(boss_events(0), (events_t{{0, 389, 1}, {8961, 389, 0}}));
        const std::vector<launch_t> shots = launches(list_enemy_shots);
        EXPECT_EQ(std::count_if(shots.begin(), shots.end(), [](const launch_t& l) { return l.index < 64; }),
                  2 * r.bolt_pairs)
            << r.level;
        EXPECT_EQ(int32_t(sound_frames(23).size()), r.pod_frames) << r.level;
        EXPECT_EQ(sound_frames(64).size(), 20u) << r.level;

        // Hit down to 500 in its first dash: recoil, 480 dying frames, then its end.
        body = quiet(hold<body_t>(placed(331, 216, 128), r.level));
        ship_at(40, 128);
        run(100);
        const int32_t score = g_score + g_pending_bonus;
        body->damage(body->hp - 500);
        EXPECT_EQ(phases_entered(*this, body, 500),
                  (std::vector<entered_t>{{100, 1001}, {119, 1002}, {599, 1003}}))
            << r.level;
        EXPECT_EQ(boss_events(1), (events_t{{135, 389, 0}, {519, 415, 2}, {599, 413, 2}}));
        EXPECT_EQ(body->alive, 0);
        EXPECT_EQ(g_score + g_pending_bonus - score, body->score() + 10 * (6000 - 599));
        EXPECT_EQ(sound_frames(57), std::vector<uint32_t>{100});
        EXPECT_EQ(sound_frames(46), std::vector<uint32_t>{599});
        EXPECT_EQ(launches(list_shot_pool).size(), r.death_bullets) << r.level;
    }
}
