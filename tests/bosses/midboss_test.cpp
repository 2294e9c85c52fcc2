// The three mid-bosses on the enemy kit: the column and its bumps, the firing rhythms by level, the
// carrier's retreat and veering lasers, the cruiser's shields, fans and burst, quiet exits, the draws.
#include "bosses/midboss001.h"
#include "bosses/midboss002.h"
#include "bosses/midboss003.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "objects/score.h"
#include "tests/enemies/enemy_kit.h"

#include <algorithm>

namespace {

using midboss = enemy_kit_t;

} // namespace

TEST_F(midboss, a_column_stands_512_over_n_apart_capped_and_a_missing_record_makes_nothing) {
    struct row_t {
        int32_t count;
        size_t bodies;
    };
    for (const row_t& r : {row_t{3, 3}, row_t{1, 1}, row_t{0, 0}, row_t{-2, 0}, row_t{1000, 16}}) {
        load({placed(262, 200, 40, r.count, 37)});
        auto bodies = all<midboss001::body_t>();
        ASSERT_EQ(bodies.size(), r.bodies) << r.count;
        for (size_t k = 0; k < bodies.size(); ++k) {
            EXPECT_EQ(bodies[k]->y, float(40 + int32_t(k) * (512 / int32_t(r.bodies)))) << r.count;
            EXPECT_EQ(bodies[k]->prev, k == 0 ? nullptr : bodies[k - 1]);
            EXPECT_EQ(bodies[k]->next, k + 1 == bodies.size() ? nullptr : bodies[k + 1]);
            EXPECT_NE(bodies[k]->carried, nullptr);
        }
    }
    struct missing_t {
        int32_t type;
        int32_t record;
    };
    for (const missing_t& m : {missing_t{262, 264}, missing_t{262, 29}, missing_t{266, 235},
                               missing_t{266, 90}, missing_t{267, 269}, missing_t{267, 84}}) {
        records({}, {m.record});
        load({placed(m.type, 200, 100, 2, 37)});
        EXPECT_EQ(object_total(), 0u) << m.type << " " << m.record;
    }
}

TEST_F(midboss, bodies_that_overlap_bump_apart_and_sound_only_on_screen) {
    for (float y : {100.0f, 300.0f}) {
        load({placed(262, 200, 100, 2)});
        scene->scroll_stop = 1;
        auto bodies = all<midboss001::body_t>();
        bodies[0]->set_position(200, y);
        bodies[1]->set_position(204, y + 20);
        ship_at(40, y);
        run(1);
        EXPECT_EQ(bodies[0]->push_speed, 1.5f);
        EXPECT_FLOAT_EQ(bodies[1]->push_speed, 1.45f); // it slid already, later in the frame
        EXPECT_EQ(bodies[1]->push_direction, (bodies[0]->push_direction + 32) & 63);
        EXPECT_LT(bodies[0]->y, y); // pushed up and away from the lower one
        EXPECT_EQ(sounds_of(59), y < 272 ? 1 : 0) << y;
        run(40);
        EXPECT_GT(bodies[1]->y - bodies[0]->y, 20);
    }
}

TEST_F(midboss, the_gunship_fires_its_spread_and_beam_frames_by_level_drawing_only_for_shots) {
    struct row_t {
        int32_t level;
        std::vector<int32_t> spread_timers;
        int32_t beams;
    };
    const row_t rows[] = {{1, {0, 16}, 0},    {2, {0, 12}, 0},        {3, {0, 12}, 3},
                          {4, {0, 8, 16}, 3}, {5, {0, 6, 12, 18}, 3}, {8, {0, 6, 12, 18}, 3}};
    for (const row_t& r : rows) {
        load({placed(262, 200, 120, 1)}, r.level);
        scene->scroll_stop = 1;
        ship_at(40, 120);
        auto* body = all<midboss001::body_t>().at(0);
        std::vector<int32_t> spread_timers;
        int32_t beams = 0;
        const uint32_t draws_from = rng::current_state();
        int32_t spread_shots = 0;
        for (int f = 0; f < 100; ++f) {
            const int32_t spread_before = alive_count(body->spread_shots);
            const int32_t beams_before = alive_count(body->beam_shots);
            run(1);
            const int32_t fired = alive_count(body->spread_shots) - spread_before;
            if (fired > 0) {
                EXPECT_EQ(fired, 2);
                spread_timers.push_back(int32_t(body->timer) - 1);
                spread_shots += fired;
            }
            beams += alive_count(body->beam_shots) > beams_before;
        }
        EXPECT_EQ(spread_timers, r.spread_timers) << r.level;
        EXPECT_EQ(beams, r.beams) << r.level;
        EXPECT_EQ(random_draws_between(draws_from, rng::current_state()), spread_shots) << r.level;
        EXPECT_EQ(sounds_of(45), r.beams);
    }
}

TEST_F(midboss, the_wings_shield_and_flash_with_their_body_and_die_with_it) {
    load({placed(262, 200, 120, 1)}, 3);
    auto* body = all<midboss001::body_t>().at(0);
    body->upper_wing->damage(100);
    EXPECT_EQ(body->upper_wing->hp, body->upper_wing->max_hp());
    body->last_hit = g_frame_counter;
    EXPECT_TRUE(body->upper_wing->is_flashing());
    EXPECT_TRUE(body->lower_wing->is_flashing());
    body->damage(0);
    EXPECT_EQ(body->hp, body->max_hp());
    body->damage(9999);
    for (enemy_t* part :
         {static_cast<enemy_t*>(body->upper_wing), static_cast<enemy_t*>(body->lower_wing),
          static_cast<enemy_t*>(body->upper_jet), static_cast<enemy_t*>(body->lower_wing->jet)}) {
        EXPECT_FALSE(part->alive);
    }
    EXPECT_EQ(pool_shots_alive(), 1); // the revenge shot from level 3
    run(1);
    EXPECT_EQ(sounds_of(52), 1);
}

TEST_F(midboss, the_hit_box_of_each_body_lies_8_pixels_right) {
    for (int32_t type : {263, 266, 267}) {
        records({{type, 32, 16, 10, 1, 100, -1, 0, 0}});
        load({placed(type == 263 ? 262 : type, 100, 100, 1)});
        auto* body = dynamic_cast<enemy_t*>(scene->stage.enemies[0].items.at(type == 263 ? 2 : 0));
        ASSERT_NE(body, nullptr);
        plat::rect_t box;
        body->get_rect(box);
        EXPECT_EQ(box.left, 92) << type;
        EXPECT_EQ(box.right, 124) << type;
    }
}

TEST_F(midboss, the_carrier_retreats_only_from_a_surge_begun_left_of_64) {
    struct row_t {
        int32_t state;
        float x;
        float speed;
        uint32_t frames;
        int32_t expected;
    };
    const row_t rows[] = {
        {1, 63, 1.0f, 1, 51},  // the surge begins left of 64: stop, then reverse
        {1, 100, 1.0f, 30, 2}, // still right of 64 after 24 frames: brake
        {3, 50, 0.5f, 10, 3},  // left of 64 while firing: no retreat yet
    };
    for (const row_t& r : rows) {
        load({placed(266, 200, 120)});
        scene->scroll_stop = 1;
        auto* body = all<midboss002::body_t>().at(0);
        body->state = r.state;
        body->timer = 0;
        body->speed = r.speed;
        body->x = r.x;
        run(r.frames);
        EXPECT_EQ(body->state >= 50, r.expected >= 50) << r.x;
        if (r.expected < 50) {
            EXPECT_EQ(body->state, r.expected) << r.x;
        }
    }
}

TEST_F(midboss, the_carrier_fans_on_its_retreat_by_level_and_leaves_without_score) {
    struct row_t {
        int32_t level;
        std::vector<int32_t> fans;
    };
    for (const row_t& r : {row_t{2, {}}, row_t{3, {4, 3, 4, 3}}, row_t{4, {6, 5, 6, 5}}}) {
        load({placed(266, 200, 120, 0, 37)}, r.level);
        scene->scroll_stop = 1;
        auto* body = all<midboss002::body_t>().at(0);
        body->state = 51;
        body->speed = -0.96f;
        body->x = 100;
        const auto fans = nonzero(starts_per_frame(body->balls, 64));
        EXPECT_EQ(fans, r.fans) << r.level;
        body->x = 290;
        run(1);
        EXPECT_FALSE(body->alive);
        EXPECT_FALSE(body->jets[3]->alive);
        EXPECT_FALSE(body->explosion->alive);
        EXPECT_FALSE(scene->stage.items[0]->alive);
        EXPECT_EQ(g_score, 0u);
    }
}

TEST_F(midboss, a_spreading_laser_veers_away_from_the_body_line) {
    struct row_t {
        float laser_y;
        int32_t course;
    };
    for (const row_t& r : {row_t{80, 24}, row_t{160, 40}, row_t{120, 40}}) {
        load({placed(266, 200, 120)});
        scene->scroll_stop = 1;
        auto* body = all<midboss002::body_t>().at(0);
        body->alive = 0; // holds still at y 120
        midboss002::laser_t* laser = body->lasers[0];
        laser->set_position(250, r.laser_y);
        laser->spreading = 1;
        laser->start();
        std::vector<int32_t> courses{32};
        for (int f = 0; f < 80; ++f) {
            run(1);
            if (laser->direction != courses.back()) {
                courses.push_back(laser->direction);
            }
        }
        EXPECT_EQ(courses[1], r.course > 32 ? 33 : 31) << r.laser_y;
        EXPECT_NE(std::find(courses.begin(), courses.end(), r.course), courses.end()) << r.laser_y;
        EXPECT_EQ(courses.back(), 32);
        EXPECT_EQ(laser->speed, 2.4f);
    }
}

TEST_F(midboss, the_cruiser_fans_by_its_levels_interval_and_fires_laser_pairs_from_level_5) {
    struct row_t {
        int32_t level;
        std::vector<int32_t> fans;
        int32_t lasers;
    };
    const row_t rows[] = {{1, {4, 3, 4, 3, 4}, 0},
                          {4, {4, 5, 4, 5, 4}, 0},
                          {5, {4, 5, 4, 5, 4, 5}, 10},
                          {8, {4, 5, 4, 5, 4, 5, 4, 5, 4}, 10}};
    for (const row_t& r : rows) {
        load({placed(267, 90, 120)}, r.level);
        scene->scroll_stop = 1;
        auto* body = all<midboss003::body_t>().at(0);
        body->state = 50;
        body->pattern = 0;
        int32_t lasers = 0;
        std::vector<int32_t> fans;
        for (int f = 0; f < 288; ++f) {
            const int32_t lasers_before = alive_count(body->lasers);
            const int32_t balls_before = alive_count(body->balls);
            run(1);
            lasers += std::max(alive_count(body->lasers) - lasers_before, 0);
            if (alive_count(body->balls) > balls_before) {
                fans.push_back(alive_count(body->balls) - balls_before);
            }
            body->x = 90; // holds its place so that its balls leave in time
            if (f == 0) { // the ship is on its left
                for (int32_t k = 0; k < 4; ++k) {
                    EXPECT_EQ(body->balls[size_t(k)]->direction, 20 + 8 * k);
                }
            }
        }
        EXPECT_EQ(fans, r.fans) << r.level;
        EXPECT_EQ(lasers, r.lasers) << r.level;
        run(1);
        EXPECT_EQ(body->state, 60);
    }
}

TEST_F(midboss, the_cruiser_is_shielded_before_its_attack_and_bursts_by_level) {
    struct row_t {
        int32_t level;
        int32_t ring;
    };
    for (const row_t& r : {row_t{2, 0}, row_t{3, 4}, row_t{4, 8}, row_t{5, 16}, row_t{8, 16}}) {
        load({placed(267, 200, 120)}, r.level);
        auto* body = all<midboss003::body_t>().at(0);
        for (int32_t state : {0, 1, 2, 3}) {
            body->state = state;
            body->damage(9999);
            EXPECT_EQ(body->hp, body->max_hp());
        }
        run(1);
        EXPECT_EQ(sounds_of(48), 0);
        body->state = 50;
        body->damage(9999);
        EXPECT_EQ(alive_count(body->ring_shots), r.ring) << r.level;
        if (r.level == 4) {
            for (int32_t k = 0; k < 8; ++k) {
                EXPECT_EQ(body->ring_shots[size_t(k)]->direction, 8 * k);
                EXPECT_FLOAT_EQ(body->ring_shots[size_t(k)]->speed, 1.2f);
            }
        }
    }
}

TEST_F(midboss, the_cruiser_leaves_quietly_and_draws_once_at_load) {
    load({});
    const int32_t draws_without = random_draws_between(uint32_t(settings.random_seed), rng::current_state());
    load({placed(267, 200, 120, 0, 37)});
    EXPECT_EQ(random_draws_between(uint32_t(settings.random_seed), rng::current_state()), draws_without + 1);
    scene->scroll_stop = 1;
    auto* body = all<midboss003::body_t>().at(0);
    body->state = 61;
    body->x = -40;
    run(1);
    EXPECT_FALSE(body->alive);
    EXPECT_FALSE(body->explosion->alive);
    EXPECT_FALSE(scene->stage.items[0]->alive);
    EXPECT_EQ(g_score, 0u);
}
