// The patroller and the flame on the kit: turning at walls, queueing, firing rhythm, death.
#include "enemies/jet.h"
#include "enemies/patroller001.h"
#include "objects/big_explosion.h"
#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"
#include "tools/sample/formation_stage.h"

namespace {

using patroller = enemy_kit_t;

constexpr int32_t wall_x = 120;
constexpr int32_t ceiling_y = 80;
constexpr int32_t floor_y = 176;

} // namespace

TEST_F(patroller, it_brakes_before_a_wall_and_turns_to_the_first_free_way) {
    struct row_t {
        bool ceiling;
        bool floor;
        int32_t way; // -1: boxed in
    };
    const row_t rows[] = {{false, false, 16}, {true, false, 48}, {true, true, -1}};
    for (const row_t& r : rows) {
        load({placed(143, 200, 128)});
        scene->scroll_stop = 1;
        ship_at(40, 240);
        // Walls 8 pixels thick: the probes step by 4.
        for (int32_t i = 0; i < 256; ++i) {
            for (int32_t t = 0; t < 8; ++t) {
                solid_at(*slot0, wall_x - t, i);
                if (r.ceiling) {
                    solid_at(*slot0, i, ceiling_y - t);
                }
                if (r.floor) {
                    solid_at(*slot0, i, floor_y + t);
                }
            }
        }
        auto* body = all<patroller001::body_t>().at(0);
        std::vector<int32_t> headings{body->direction};
        for (int frame = 0; frame < 200; ++frame) {
            run(1);
            if (body->direction != headings.back()) {
                headings.push_back(body->direction);
            }
        }
        EXPECT_GT(body->x, wall_x + 4);
        if (r.way < 0) {
            EXPECT_EQ(body->state, 9999);
            EXPECT_EQ(headings.back(), 32);
            continue;
        }
        // Two units past the new heading, one back past it, and onto it; then off at full speed.
        const int32_t s = r.way == 16 ? -1 : 1;
        std::vector<int32_t> swing;
        for (int32_t d = 32 + s; d != r.way + 3 * s; d += s) {
            swing.push_back(d);
        }
        swing.push_back(r.way + s);
        swing.push_back(r.way);
        swing.push_back(r.way - s);
        swing.push_back(r.way);
        EXPECT_EQ(std::vector<int32_t>(headings.begin() + 2, headings.end()), swing) << r.way;
        EXPECT_EQ(body->speed, 2.0f);
        EXPECT_EQ(sounds_of(29), 1);
    }
}

TEST_F(patroller, the_rear_one_of_two_in_line_waits_until_the_way_is_clear) {
    load({placed(143, 160, 128), placed(143, 200, 128)});
    scene->scroll_stop = 1;
    ship_at(40, 240);
    auto bodies = all<patroller001::body_t>();
    bodies[0]->state = 9999; // the front one holds still
    bodies[0]->speed = 0;
    run(40);
    EXPECT_EQ(bodies[1]->speed, 0);
    EXPECT_LT(bodies[1]->x - bodies[0]->x, 72);
    const float waiting_at = bodies[1]->x;
    run(20);
    EXPECT_EQ(bodies[1]->x, waiting_at);
    bodies[0]->y = 20; // out of the way
    run(1);
    EXPECT_EQ(bodies[1]->speed, 2.0f);
}

TEST_F(patroller, it_fires_pairs_on_its_levels_rhythm_and_revenge_from_level_4) {
    struct row_t {
        int32_t level;
        int32_t pairs_in_128_frames;
        int32_t revenge;
    };
    const row_t rows[] = {{1, 2, 0}, {3, 2, 0}, {4, 4, 1}};
    for (const row_t& r : rows) {
        load({placed(143, 240, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(40, 240);
        int32_t started = 0;
        auto* body = all<patroller001::body_t>().at(0);
        for (int frame = 0; frame < 128; ++frame) {
            std::vector<uint8_t> before;
            for (missile_t* m : body->missiles) {
                before.push_back(m->alive);
            }
            run(1);
            for (size_t i = 0; i < before.size(); ++i) {
                started += !before[i] && body->missiles[i]->alive;
            }
        }
        EXPECT_EQ(started, 2 * r.pairs_in_128_frames) << r.level;
        EXPECT_EQ(body->missiles[0]->direction, 32);
        body->damage(9999);
        EXPECT_EQ(pool_shots_alive(), r.revenge) << r.level;
        EXPECT_FALSE(body->jet_a->alive);
        EXPECT_EQ(sounds_of(2) + sounds_of(42), 0); // requested, played at the frame's end
        run(1);
        EXPECT_EQ(sounds_of(42), 1);
    }
}

TEST_F(patroller, leaving_at_the_left_is_quiet_and_a_missing_record_makes_nothing) {
    load({placed(143, -20, 128, 0, 37)});
    scene->scroll_stop = 1;
    ship_at(40, 240);
    auto* body = all<patroller001::body_t>().at(0);
    run(10);
    EXPECT_FALSE(body->alive);
    EXPECT_FALSE(body->jet_b->alive);
    EXPECT_FALSE(scene->stage.items[0]->alive);
    EXPECT_TRUE(sounds.empty());
    for (int32_t missing : {143, 93, 84, 32, 33, 68}) {
        records({}, {missing});
        load({placed(143, 200, 128, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
}

TEST_F(patroller, a_flame_animates_on_its_period_and_cannot_be_hurt) {
    records({{93, 8, 8, 3, 0, 0, flame_image, 0, 0}});
    load({placed(143, 200, 128)});
    scene->scroll_stop = 1;
    auto* jet = all<jet_t>().at(0);
    std::vector<int32_t> patterns;
    for (int frame = 0; frame < 13; ++frame) {
        run(1);
        patterns.push_back(jet->pattern);
    }
    // Frames 0, 4, 8 and 12 step the pattern.
    EXPECT_EQ(patterns, (std::vector<int32_t>{1, 1, 1, 1, 2, 2, 2, 2, 0, 0, 0, 0, 1}));
    jet->damage(50);
    EXPECT_TRUE(jet->alive);
    EXPECT_EQ(jet->hp, 3);
}
