// The rotators on the kit: the one-step turn, each family's assembly and missing records, the squad's
// relaunches, the shield, the dasher's choice and cadence, the lasers' hardness, the cross and the arms.
#include "enemies/jet.h"
#include "enemies/rotators/rotator001.h"
#include "enemies/rotators/rotator002.h"
#include "enemies/rotators/rotator003.h"
#include "enemies/rotators/rotator004.h"
#include "enemies/rotators/rotator005.h"
#include "enemies/rotators/rotator006.h"
#include "objects/direction.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

#include <cmath>

namespace {

using rotators_kit = enemy_kit_t;

} // namespace

TEST(rotators, turn_one_step_the_shorter_way_and_up_on_a_tie) {
    struct row_t {
        int32_t current;
        int32_t target;
        int32_t next;
        int32_t shortest;
    };
    const row_t rows[] = {
        {0, 32, 1, 32}, {40, 8, 41, 32}, {0, 33, 63, -31}, {62, 2, 63, 4},
        {2, 62, 1, -4}, {10, 10, 10, 0}, {0, 31, 1, 31},   {5, -3, 4, -8},
    };
    for (const row_t& r : rows) {
        EXPECT_EQ(rotators::turn_step(r.current, r.target), r.next) << r.current << " to " << r.target;
        EXPECT_EQ(rotators::shortest_turn(r.current, r.target), r.shortest)
            << r.current << " to " << r.target;
    }
}

TEST_F(rotators_kit, each_family_is_made_whole_or_not_at_all) {
    struct row_t {
        int32_t type;
        int32_t missing; // -1 none
        size_t objects;
    };
    const row_t rows[] = {
        {131, -1, 18}, {131, 31, 0},  {132, -1, 31}, {132, 93, 0},  {132, 18, 0},   {133, -1, 8},
        {133, 32, 0},  {134, -1, 33}, {134, 0, 0},   {134, 33, 1},  {135, -1, 130}, {135, 83, 0},
        {136, 83, 0},  {137, -1, 5},  {137, 137, 5}, {137, 139, 0}, {137, 138, 0},
    };
    for (const row_t& r : rows) {
        if (r.missing >= 0) {
            records({}, {r.missing});
        } else {
            records({});
        }
        load({placed(r.type, 200, 100)});
        EXPECT_EQ(object_total(), r.objects) << r.type << " without " << r.missing;
    }
    records({});
    load({placed(136, 200, 100), placed(132, 200, 60)});
    rotator005::body_t* turret = only<rotator005::body_t>();
    ASSERT_NE(turret, nullptr);
    EXPECT_EQ(turret->shots.size(), 32u);
    EXPECT_EQ(turret->shots[31]->effect->info->id, 31);
    EXPECT_NE(turret->explosion, nullptr);
    EXPECT_EQ(only<rotator002::body_t>()->jet->period, 2);
    EXPECT_EQ(only<rotator002::body_t>()->lasers[5]->effect->info->id, 31);
}

TEST_F(rotators_kit, the_squad_stands_at_the_right_edge_and_relaunches_for_one_section) {
    load({placed(134, 10, 10, 0, 37), placed(133, 100, 60)});
    scene->scroll_stop = 1;
    ship_at(40, 128);
    rotator003::ctr_t* ctr = only<rotator003::ctr_t>();
    ASSERT_NE(ctr, nullptr);
    ASSERT_EQ(ctr->bodies.size(), 4u);
    const float rows[4] = {32, 96, 160, 224};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(ctr->bodies[i]->x, 288) << i;
        EXPECT_EQ(ctr->bodies[i]->y, rows[i]) << i;
        ASSERT_NE(ctr->bodies[i]->get_carried(), nullptr) << i;
        EXPECT_EQ(ctr->bodies[i]->explosion->period, 1u);
        for (size_t j = 0; j < i; ++j) {
            EXPECT_NE(ctr->bodies[i]->get_carried(), ctr->bodies[j]->get_carried());
        }
    }
    std::vector<rotator003::body_t*> bodies = all<rotator003::body_t>();
    ASSERT_EQ(bodies.size(), 5u);
    rotator003::body_t* lone = bodies[4];
    rotator003::body_t* first = ctr->bodies[0];
    run(10);
    first->damage(9999);
    lone->damage(9999);
    ASSERT_FALSE(first->alive);
    uint32_t frames = 0;
    while (!first->alive && frames < 200) {
        EXPECT_FALSE(first->alive && first->explosion->alive);
        run(1);
        ++frames;
    }
    ASSERT_TRUE(first->alive);
    EXPECT_FALSE(first->explosion->alive);
    EXPECT_EQ(first->hp, first->info->hit_points);
    EXPECT_NEAR(first->x, 288, 3.01f);
    EXPECT_NEAR(first->y, 32, 3.01f);
    EXPECT_FALSE(lone->alive); // no controller brings it back

    advance_to(0x10000);
    run(1);
    EXPECT_FALSE(ctr->alive);
    first->damage(9999);
    run(100);
    EXPECT_FALSE(first->alive);
}

TEST_F(rotators_kit, rotator004_is_shielded_until_it_first_faces_the_ship) {
    struct row_t {
        uint32_t frames; // run before the hit
        int32_t ship_y;
        bool hurt;
    };
    const row_t rows[] = {
        {1, 128, false}, {12, 128, false}, {22, 128, true}, {20, 20, false}, {40, 20, true}};
    for (const row_t& r : rows) {
        load({placed(135, 240, 128)});
        scene->scroll_stop = 1;
        ship_at(40, float(r.ship_y));
        rotator004::body_t* body = only<rotator004::body_t>();
        run(r.frames);
        const int32_t hp = body->hp;
        body->damage(1);
        EXPECT_EQ(body->hp, r.hurt ? hp - 1 : hp) << r.frames << " " << r.ship_y;
        run(1);
        EXPECT_EQ(sounds_of(48), 1);
    }
}

TEST_F(rotators_kit, rotator001_chooses_its_manoeuvre_by_the_ships_distance) {
    struct row_t {
        float body_x;
        float ship_dx;
        float ship_dy;
        int32_t phase;
    };
    const row_t rows[] = {
        {128, 96, 0, 101}, {128, 0, -95, 400}, {128, 32, 0, 400},  {128, 31, 0, 210},
        {20, 40, 0, 301},  {128, 200, 0, 101}, {128, -20, 0, 210},
    };
    for (const row_t& r : rows) {
        load({placed(131, int32_t(r.body_x), 128)});
        scene->scroll_stop = 1;
        ship_at(r.body_x + r.ship_dx, 128 + r.ship_dy);
        run(1);
        EXPECT_EQ(only<rotator001::body_t>()->p.phase, r.phase) << r.body_x << " " << r.ship_dx;
    }
    // Turned tail: the ship behind it, close.
    load({placed(131, 128, 128)});
    scene->scroll_stop = 1;
    ship_at(200, 128);
    run(1);
    rotator001::body_t* body = only<rotator001::body_t>();
    ship_at(body->x - 10, body->y);
    body->p.go(1);
    body->update();
    EXPECT_EQ(body->p.phase, 220);
    run(27);
    EXPECT_EQ(body->p.phase, 220);
    run(1);
    EXPECT_NE(body->p.phase, 220);
}

TEST_F(rotators_kit, a_revenge_bullet_comes_from_level_4_for_dashers_and_3_for_the_fan) {
    struct row_t {
        int32_t type;
        int32_t level;
        int32_t bullets;
    };
    const row_t rows[] = {{131, 3, 0}, {131, 4, 1}, {135, 2, 0}, {135, 3, 1}};
    for (const row_t& r : rows) {
        load({placed(r.type, 128, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(40, 40);
        enemy_t* body = r.type == 131 ? static_cast<enemy_t*>(only<rotator001::body_t>())
                                      : static_cast<enemy_t*>(only<rotator004::body_t>());
        if (r.type == 135) {
            only<rotator004::body_t>()->shielded = 0;
        }
        body->damage(9999);
        EXPECT_EQ(pool_shots_alive(), r.bullets) << r.type << " at " << r.level;
    }
}

TEST_F(rotators_kit, rotator004_fans_by_level_and_its_lasers_surge) {
    struct row_t {
        int32_t level;
        int32_t lasers; // in the first volley: three per fan, a fan on even frames below 4, 8 or 12
    };
    const row_t rows[] = {{1, 6}, {2, 12}, {3, 18}, {5, 18}};
    for (const row_t& r : rows) {
        load({placed(135, 240, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(40, 128); // straight ahead: it faces the ship as soon as it stops
        rotator004::body_t* body = only<rotator004::body_t>();
        run(45); // 21 frames of glide, then the 24 of the volley
        for (const launch_t& l : launches(list_enemy_shots)) {
            EXPECT_NEAR(l.x, body->x, 3.01f) << r.level;
            EXPECT_NEAR(l.y, 128, 3.01f) << r.level;
        }
        EXPECT_EQ(alive_count(body->lasers), r.lasers) << r.level;
    }
    // 3.0 for 8 frames, down by 0.1 to 1.5, 16 frames there, then up by 0.25 to 3.0.
    struct speed_t {
        uint32_t frame;
        float speed;
    };
    const speed_t speeds[] = {{0, 3.0f}, {7, 3.0f}, {8, 2.9f}, {23, 1.5f}, {38, 1.5f}, {46, 3.0f}};
    load({placed(135, 200, 200)});
    scene->scroll_stop = 1;
    missile_t* laser = only<rotator004::body_t>()->lasers[0];
    laser->set_position(250, 100);
    laser->direction = 32;
    laser->start();
    uint32_t frame = 0;
    for (const speed_t& s : speeds) {
        run(s.frame + 1 - frame);
        frame = s.frame + 1;
        EXPECT_NEAR(laser->speed, s.speed, 0.001f) << s.frame;
    }
}

TEST_F(rotators_kit, a_laser_flies_along_its_direction_until_terrain_stops_it) {
    load({placed(132, 200, 200)});
    scene->scroll_stop = 1;
    solid_at(*slot0, 110, 60);
    rotator002::body_t* body = only<rotator002::body_t>();
    missile_t* free_laser = body->lasers[0];
    free_laser->set_position(100, 100);
    free_laser->direction = 8;
    free_laser->start();
    missile_t* stopped = body->lasers[1];
    stopped->set_position(100, 60);
    stopped->direction = 0;
    stopped->start();
    run(1);
    EXPECT_NEAR(free_laser->x, 100 + cos_table[8], 0.001f);
    EXPECT_NEAR(free_laser->y, 100 - sin_table[8], 0.001f);
    run(12);
    EXPECT_TRUE(free_laser->alive);
    EXPECT_FALSE(stopped->alive);
}

TEST_F(rotators_kit, rotator001_fires_by_level_while_it_stands) {
    struct row_t {
        int32_t level;
        std::vector<uint32_t> frames;
        float speed;
    };
    // Frame 16 ends the visit and, the ship unmoved, starts the next one.
    const row_t rows[] = {
        {1, {0, 16}, 1.0f}, {2, {0, 16}, 1.0f}, {3, {0, 16}, 1.2f}, {4, {0, 8, 16}, 1.5f}, {6, {0, 8, 16}, 2.0f}};
    for (const row_t& r : rows) {
        load({placed(131, 128, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(178, 128);
        run(17);
        const std::vector<launch_t> shots = launches(list_enemy_shots);
        std::vector<uint32_t> frames;
        for (const launch_t& l : shots) {
            if (l.speed > 0) {
                frames.push_back(l.frame);
                EXPECT_FLOAT_EQ(l.speed, r.speed) << r.level;
            }
        }
        EXPECT_EQ(frames, r.frames) << r.level;
        EXPECT_EQ(sounds_of(94), int32_t(r.frames.size())) << r.level;
    }
    // Off the axis: the shot takes the nose's direction, half of it as pattern, its effect where it starts.
    load({placed(131, 128, 128)});
    scene->scroll_stop = 1;
    ship_at(158, 88);
    run(1);
    missile_t* shot = only<rotator001::body_t>()->shots[0];
    ASSERT_TRUE(shot->alive);
    EXPECT_EQ(shot->direction, 9);
    EXPECT_EQ(shot->pattern, 9);
    EXPECT_TRUE(shot->effect->alive);
    EXPECT_NEAR(shot->effect->x, 128, 2.01f);
}

TEST_F(rotators_kit, rotator001_dashes_29_moves_and_then_decides_again) {
    struct row_t {
        const char* manoeuvre;
        float x, ship_x, ship_y;
        uint32_t past_key;
        int32_t phase; // after 28 frames
        float dx, dy;  // signs of the move, or 0
        int32_t dir;
        int32_t next_phase; // after the 29th
    };
    const row_t rows[] = {
        {"at the ship", 128, 228, 128, 0, 101, 1, 0, 0, 400},
        {"back away", 128, 148, 128, 0, 210, -1, 0, 0, 400},
        {"dash right", 20, 20, 178, 0, 301, 1, 1, 62, 220},
        {"leave", 128, 228, 128, 0x10080, 901, 1, -1, 14, 901},
    };
    for (const row_t& r : rows) {
        load({placed(131, int32_t(r.x), 128)});
        scene->scroll_stop = 1;
        if (r.past_key != 0) {
            advance_to(r.past_key);
        }
        ship_at(r.ship_x, r.ship_y);
        rotator001::body_t* body = only<rotator001::body_t>();
        run(28);
        EXPECT_EQ(body->p.phase, r.phase) << r.manoeuvre;
        EXPECT_EQ(body->dir, r.dir) << r.manoeuvre;
        EXPECT_EQ(body->pattern, r.dir) << r.manoeuvre;
        const float travelled = std::hypot(body->x - r.x, body->y - 128);
        if (r.dir == 0) {
            EXPECT_NEAR(body->x - r.x, r.dx * 46.2f, 0.05f) << r.manoeuvre;
        } else {
            EXPECT_GT(travelled, 40) << r.manoeuvre;
            EXPECT_GT((body->x - r.x) * r.dx, 0) << r.manoeuvre;
        }
        EXPECT_GE((body->y - 128) * r.dy, 0) << r.manoeuvre;
        run(1);
        EXPECT_EQ(body->p.phase, r.next_phase) << r.manoeuvre;
    }
    // Where a dash ends the nose turns on by a step in each dash, not at once.
    load({placed(131, 128, 128)});
    scene->scroll_stop = 1;
    ship_at(228, 128);
    rotator001::body_t* body = only<rotator001::body_t>();
    run(28);
    ship_at(body->x, body->y + 150);
    run(1);
    EXPECT_EQ(body->dir, 62);
}

TEST_F(rotators_kit, lasers_only_give_way_to_9000_or_more) {
    struct row_t {
        int32_t damage;
        bool alive;
    };
    const row_t rows[] = {{1, true}, {8999, true}, {-9000, true}, {9000, false}, {12000, false}};
    load({placed(132, 200, 60), placed(135, 200, 160)});
    for (missile_t* laser : {only<rotator002::body_t>()->lasers[0], only<rotator004::body_t>()->lasers[0]}) {
        for (const row_t& r : rows) {
            laser->start();
            laser->damage(r.damage);
            laser->damage(r.damage);
            EXPECT_EQ(bool(laser->alive), r.alive) << r.damage;
            EXPECT_EQ(laser->hp <= 0, !r.alive) << r.damage;
        }
    }
}

TEST_F(rotators_kit, rotator005_fires_its_cross_24_pixels_out_on_the_global_beat) {
    load({placed(136, 128, 128, 0, 37), placed(136, 340, 128), placed(136, 128, 300)});
    scene->scroll_stop = 1;
    const std::vector<rotator005::body_t*> turrets = all<rotator005::body_t>();
    EXPECT_NE(turrets[0]->get_carried(), nullptr);
    run(48);
    EXPECT_EQ(turrets[0]->dir, 56); // a step clockwise every sixth frame, from frame 0
    EXPECT_EQ(turrets[1]->frames, 0u); // off screen it neither turns nor fires
    EXPECT_EQ(turrets[2]->frames, 0u);
    std::vector<launch_t> shots;
    for (const launch_t& l : launches(list_enemy_shots)) {
        if (l.speed > 0) {
            shots.push_back(l);
        }
    }
    ASSERT_EQ(shots.size(), 12u);
    EXPECT_EQ(sounds_of(49), 3);
    for (size_t i = 0; i < shots.size(); ++i) {
        const launch_t& s = shots[i];
        EXPECT_EQ(s.frame, shots[i - i % 4].frame);
        EXPECT_EQ(s.direction, (shots[i - i % 4].direction + 16 * int32_t(i % 4)) & 63);
        EXPECT_NEAR(s.x, 128 + 25 * cos_table[s.direction], 0.01f) << i;
        EXPECT_NEAR(s.y, 128 - 25 * sin_table[s.direction], 0.01f) << i;
    }
    EXPECT_EQ(shots[4].frame - shots[0].frame, 16u);
    EXPECT_EQ(turrets[0]->pattern, turrets[0]->dir & 15);
    turrets[0]->damage(1);
    turrets[0]->damage(9999);
    EXPECT_FALSE(turrets[0]->alive);
    run(1);
    EXPECT_EQ(sounds_of(47), 1); // one request a frame
    EXPECT_EQ(sounds_of(52), 1);
}

TEST_F(rotators_kit, rotator006_turns_its_arms_every_fourth_frame_and_takes_no_harm) {
    struct row_t {
        uint32_t frames;
        int32_t angle;
    };
    const row_t rows[] = {{1, 1}, {4, 1}, {5, 2}, {9, 3}, {256, 64 & 63}, {257, 1}};
    for (const row_t& r : rows) {
        load({placed(137, 128, 128)});
        scene->scroll_stop = 1;
        rotator006::body_t* hub = only<rotator006::body_t>();
        run(r.frames);
        EXPECT_EQ(hub->angle, r.angle) << r.frames;
        EXPECT_EQ(hub->pattern, r.angle & 15);
        for (int32_t k = 0; k < 4; ++k) {
            const int32_t d = (r.angle + 16 * k) & 63;
            rotator006::arm_t* arm = hub->arms[size_t(k)];
            EXPECT_NEAR(arm->x, 128 + 36 * cos_table[d], 0.01f) << r.frames << " arm " << k;
            EXPECT_NEAR(arm->y, 128 - 36 * sin_table[d], 0.01f) << r.frames << " arm " << k;
            EXPECT_EQ(arm->pattern, d);
            arm->damage(9999);
            EXPECT_TRUE(arm->alive);
        }
        hub->damage(9999);
        EXPECT_TRUE(hub->alive);
        EXPECT_EQ(hub->hp, hub->info->hit_points);
    }
}

TEST_F(rotators_kit, rotator002_spreads_from_level_2_in_its_first_dash_and_fires_lasers_at_every_level) {
    struct row_t {
        int32_t level;
        int32_t bullets;
    };
    const row_t rows[] = {{1, 0}, {2, 4}, {5, 4}};
    for (const row_t& r : rows) {
        load({placed(132, 200, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(40, 128);
        rotator002::body_t* body = only<rotator002::body_t>();
        // Two dashes and a laser volley, 8 frames apart: the next cycle's first dash starts at frame 70.
        const std::vector<int32_t> starts = starts_per_frame(body->lasers, 70);
        std::vector<size_t> volley;
        for (size_t f = 0; f < starts.size(); ++f) {
            if (starts[f] != 0) {
                volley.push_back(f);
            }
        }
        ASSERT_EQ(volley.size(), 2u) << r.level;
        EXPECT_EQ(volley[1] - volley[0], 8u) << r.level;
        EXPECT_EQ(alive_count(body->bullets), r.bullets) << r.level;
        EXPECT_EQ(alive_count(body->lasers), 2) << r.level;
        for (missile_t* b : body->bullets) {
            if (b->alive) {
                EXPECT_LE(std::abs(b->direction - 32), 2) << r.level;
            }
        }
        // The lasers fly at 1.0 for 16 frames, then speed up to 2.0.
        EXPECT_FLOAT_EQ(body->lasers[0]->speed, 2.0f);
        EXPECT_GT(body->lasers[1]->speed, 1.0f);
        EXPECT_LT(body->lasers[1]->speed, 2.0f);
        run(1);
        EXPECT_EQ(alive_count(body->bullets), r.bullets * 5 / 4) << r.level;
    }
}

TEST_F(rotators_kit, rotator003_fires_its_volley_by_level_once_its_launch_ends) {
    struct row_t {
        int32_t level;
        std::vector<uint32_t> frames;
        float speed;
    };
    const row_t rows[] = {{1, {60}, 1.0f}, {2, {60}, 1.0f}, {3, {60}, 2.0f}, {4, {60, 76}, 3.0f}};
    for (const row_t& r : rows) {
        load({placed(133, 200, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(40, 128);
        run(92);
        std::vector<uint32_t> frames;
        for (const launch_t& l : launches(list_enemy_shots)) {
            if (l.speed > 0) {
                frames.push_back(l.frame);
                EXPECT_FLOAT_EQ(l.speed, r.speed) << r.level;
                EXPECT_EQ(l.direction, 32) << r.level;
            }
        }
        EXPECT_EQ(frames, r.frames) << r.level;
    }
}

TEST_F(rotators_kit, rotator002_turns_back_after_a_section_and_dashes_out_with_its_jet_behind) {
    struct row_t {
        int32_t level;
        int32_t bullets;
    };
    for (const row_t& r : {row_t{1, 0}, row_t{2, 4}}) {
        load({placed(132, 128, 128)}, r.level);
        scene->scroll_stop = 1;
        advance_to(0x10000);
        ship_at(40, 128);
        rotator002::body_t* body = only<rotator002::body_t>();
        run(33); // half a turn, then the first frame of the dash
        EXPECT_EQ(body->dir, 0) << r.level;
        EXPECT_GT(body->x, 128) << r.level;
        EXPECT_NEAR(body->jet->x, body->x - 10, 0.01f) << r.level;
        EXPECT_NEAR(body->jet->y, body->y, 0.01f) << r.level;
        run(8);
        EXPECT_EQ(alive_count(body->bullets), r.bullets) << r.level;
        uint32_t frames = 0;
        while (body->alive && frames < 100) {
            run(1);
            ++frames;
        }
        EXPECT_FALSE(body->alive);
        EXPECT_FALSE(body->jet->alive);
        EXPECT_GE(body->x, 272) << r.level;
    }
}

TEST_F(rotators_kit, rotator003_fires_four_volleys_then_turns_from_the_centre_and_leaves) {
    struct row_t {
        int32_t level;
        std::vector<uint32_t> frames;
    };
    const row_t rows[] = {{1, {60, 92, 124, 156}}, {4, {60, 76, 92, 108, 124, 140, 156, 172}}};
    for (const row_t& r : rows) {
        load({placed(133, 200, 60)}, r.level);
        scene->scroll_stop = 1;
        ship_at(40, 60);
        rotator003::body_t* body = only<rotator003::body_t>();
        run(189);
        std::vector<uint32_t> frames;
        for (const launch_t& l : launches(list_enemy_shots)) {
            if (l.speed > 0) {
                frames.push_back(l.frame);
            }
        }
        EXPECT_EQ(frames, r.frames) << r.level;
        EXPECT_EQ(body->p.phase, 301) << r.level;
        const float centre[2] = {128, 128};
        const int32_t away = direction_to(centre, body->position());
        uint32_t turned = 0;
        while (body->dir != away && turned < 64) {
            run(1);
            ++turned;
        }
        // A step a frame, the first in frame 188 itself.
        EXPECT_EQ(turned + 1, uint32_t(std::abs(rotators::shortest_turn(32, away)))) << r.level;
        // Then from 0.5 it gains 0.05 a frame up to 3 and flies on at 3 until 32 pixels off the screen.
        run(1);
        EXPECT_EQ(body->p.phase, 302);
        run(49);
        EXPECT_EQ(body->p.phase, 302);
        run(1);
        EXPECT_EQ(body->p.phase, 303);
        uint32_t frames_out = 0;
        while (body->alive && frames_out < 100) {
            run(1);
            ++frames_out;
        }
        EXPECT_FALSE(body->alive) << r.level;
        EXPECT_TRUE(body->x < -32 || body->y < -32) << r.level;
    }
}
