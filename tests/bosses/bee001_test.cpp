// Bee001 on the kit: its assembly, one flying step in each situation, its balls' pace and flight, the
// fall to the ground.
#include "bosses/bees/bee001.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "player/smoke.h"
#include "tests/bosses/midboss_kit.h"

namespace {

using bee001_test = midboss_kit_t;
using bee001::body_t;

} // namespace

TEST_F(bee001_test, the_body_balls_wing_and_smoke_are_assembled_in_order_or_none_without_a_record) {
    load({placed(219, 128, 128, 0, 37)});
    EXPECT_EQ(
        manifest_of(scene->stage, list_enemies0),
        (std::vector<part_t>{{"bee001::body_t", 220}, {"bee001::ball_t", 222}, {"bee001::ball_t", 222}}));
    EXPECT_EQ(manifest_of(scene->stage, list_enemies2), (std::vector<part_t>{{"bee001::wing_t", 221}}));
    std::vector<part_t> explosions{{"explosion_t", 59, 2, list_enemies0, 0},
                                   {"explosion_t", 223, 1, list_enemies0, 1},
                                   {"explosion_t", 223, 1, list_enemies0, 2}};
    for (int32_t i = 0; i < 8; ++i) {
        explosions.push_back({"smoke_t", 175, 3});
    }
    EXPECT_EQ(manifest_of(scene->stage, list_explosions), explosions);
    auto* body = only<body_t>();
    EXPECT_EQ(body->balls[1]->alive, 0);
    EXPECT_EQ(body->smokes[1]->direction, 18);
    EXPECT_FLOAT_EQ(body->smokes[2]->vx, cos_table[14]);
    EXPECT_NE(body->carried, nullptr);
    uint32_t state = uint32_t(settings.random_seed);
    next_draw(state);
    EXPECT_EQ(body->phase, next_draw(state) / 6554 * 60);

    for (int32_t record : {220, 221, 222, 223, 59, 175}) {
        records({}, {record});
        load({placed(219, 128, 128)});
        EXPECT_EQ(object_total(), 0u) << record;
    }
}

TEST_F(bee001_test, a_flying_step_drifts_recoils_steers_and_ends_by_its_situation) {
    enum terrain_t { none, left, above, below, both, neighbour, right };
    struct row_t {
        const char* name;
        int32_t hp;
        bool hit;
        float x;
        int32_t y; // the terrain stays from row to row: each terrain row has its own height
        bool leaving;
        terrain_t terrain;
        float x_after, base_dy;
        int32_t state, alive, score, hurt;
    };
    const row_t rows[] = {
        {"drift", 16, false, 128, 200, false, none, 127.6f, 0.5f, 0, 1, 0, 0},
        {"recoil", 16, true, 128, 200, false, none, 132, 0.5f, 0, 1, 0, 3},
        {"recoil capped", 16, true, 238, 200, false, none, 240, 0.5f, 0, 1, 0, 3},
        {"no recoil at 240", 16, true, 240, 200, false, none, 240, 0.5f, 0, 1, 0, 3},
        {"leaving", 16, false, 128, 200, true, none, 126.6f, 0.5f, 0, 1, 0, 0},
        {"another bee", 16, false, 128, 200, false, neighbour, 128, 0, 0, 1, 0, 0},
        {"wing lost", 9, false, 128, 200, false, none, 128, 0, 1, 1, 50, 0},
        {"gone left", 16, false, -31.8f, 200, false, none, -31.8f, 0, 1, 0, 0, 0},
        {"wall ahead", 16, false, 128, 40, false, left, 128, -0.5f, 0, 1, 0, 0},
        {"roof", 16, false, 128, 80, false, above, 127.6f, -1, 0, 1, 0, 0},
        {"floor", 16, false, 128, 120, false, below, 127.6f, 1, 0, 1, 0, 0},
        {"pinched", 16, false, 128, 160, false, both, 128, 0, 1, 0, 0, 0},
        {"wall behind", 16, true, 128, 240, false, right, 128, 0.5f, 0, 1, 0, 3},
    };
    for (const row_t& r : rows) {
        std::vector<placement_t> placements{placed(219, int32_t(r.x), r.y, 0, 37)};
        if (r.terrain == neighbour) {
            placements.push_back(placed(219, 120, r.y));
        }
        load(placements);
        scene->scroll_stop = 1;
        auto* body = all<body_t>()[0];
        ship_at(40, 100);
        body->x = r.x;
        body->hp = r.hp;
        body->hit = r.hit;
        body->phase = 90;
        body->counter = 1; // no ball
        if (r.leaving) {
            body->key = uint32_t(-0x20000);
        }
        if (r.terrain == left || r.terrain == right) {
            solid_at(*slot0, r.terrain == left ? 112 : 144, r.y);
        }
        if (r.terrain == above || r.terrain == both) {
            solid_at(*slot0, 127, r.y - 8);
        }
        if (r.terrain == below || r.terrain == both) {
            solid_at(*slot0, 127, r.y + 8);
        }
        const int32_t score = g_score;
        body->update();
        EXPECT_NEAR(body->x, r.x_after, 1e-4) << r.name;
        EXPECT_NEAR(float(r.y) - body->base_y, r.base_dy, 1e-4) << r.name;
        EXPECT_EQ(body->state, r.state) << r.name;
        EXPECT_EQ(body->alive, r.alive) << r.name;
        EXPECT_EQ(body->hp == 0, r.alive == 0) << r.name;
        EXPECT_EQ(body->hurt, r.hurt) << r.name;
        EXPECT_EQ(g_score - score, r.score) << r.name;
        EXPECT_EQ(body->wing->alive, r.state == 0 || r.x < 0) << r.name; // going off leaves it be
        EXPECT_EQ(body->explosion->alive, r.terrain == both) << r.name;
        EXPECT_EQ(body->carried->alive, 0) << r.name;
        if (r.state == 0) { // at the top of its bob
            EXPECT_FLOAT_EQ(body->y, body->base_y + 8) << r.name;
            EXPECT_FLOAT_EQ(body->wing->x, body->x + 16) << r.name;
            EXPECT_FLOAT_EQ(body->wing->y, body->y - 12) << r.name;
        }
        if (r.hp == 9) { // it falls at once: a puff and 1.3 down
            EXPECT_EQ(body->pattern, 9);
            EXPECT_NEAR(body->y, float(r.y) + 1.3f, 1e-4);
            EXPECT_EQ(alive_count(body->smokes), 1);
        }
    }
}

TEST_F(bee001_test,
       a_ball_goes_at_the_ship_every_64_frames_while_one_is_idle_and_ends_off_screen_or_on_terrain) {
    auto* body = hold<body_t>(placed(219, 200, 128));
    ship_at(40, 100);
    body->phase = 0; // at (199.6, 127.5) after its first step
    const float from[2] = {199.6f, 127.5f}, ship[2] = {40, 100};
    const int32_t d = direction_to(from, ship);
    std::vector<uint32_t> frames;
    for (uint32_t f = 0; f < 260; ++f) {
        const size_t traced = trace.size();
        run(1);
        for (size_t i = traced; i < trace.size(); ++i) {
            if (trace[i].list == list_enemies0) {
                frames.push_back(trace[i].frame);
            }
        }
        if (f == 0) {
            EXPECT_EQ(body->balls[0]->direction, d);
            EXPECT_EQ(launches(list_enemies0).at(0),
                      (launch_t{0, list_enemies0, 1, 199.6f + cos_table[d], 127.5f - sin_table[d], -1, 0}));
        }
    }
    EXPECT_EQ(frames, (std::vector<uint32_t>{0, 64, 256})); // both busy at 128 and 192

    bee001::ball_t* ball = body->balls[0];
    for (const auto& [x, y, direction, frames_to_end] :
         {std::tuple{-6.5f, 60.0f, 32, 2}, std::tuple{100.0f, -6.5f, 16, 2},
          std::tuple{100.0f, 60.0f, 0, 3}}) {
        ball->explosion->kill();
        ball->set_position(x, y);
        ball->direction = direction;
        ball->start();
        solid_at(*slot0, 103, 60);
        run(uint32_t(frames_to_end - 1));
        EXPECT_EQ(ball->alive, 1) << x;
        run(1);
        EXPECT_EQ(ball->alive, 0) << x;
        EXPECT_EQ(ball->explosion->alive, 1) << x;
    }
}

TEST_F(bee001_test, a_wingless_bee_falls_puffing_smoke_and_dies_on_the_ground_without_score) {
    auto* body = hold<body_t>(placed(219, 128, 100, 0, 37));
    for (int32_t x = 96; x < 160; ++x) {
        for (int32_t y = 130; y < 134; ++y) {
            solid_at(*slot0, x, y);
        }
    }
    body->hp = 5;
    const int32_t score = g_score;
    std::vector<int32_t> patterns;
    while (body->alive && patterns.size() < 40) {
        run(1);
        patterns.push_back(body->pattern);
    }
    // 8 when the fall starts, a puff and a pattern on every 4th frame up to 16; 1.3 pixels a frame.
    EXPECT_EQ(patterns.size(), 24u);
    EXPECT_EQ(std::vector<int32_t>(patterns.begin(), patterns.begin() + 6),
              (std::vector<int32_t>{9, 9, 9, 9, 10, 10}));
    EXPECT_EQ(patterns.back(), 14);
    EXPECT_EQ(body->state, 2);
    EXPECT_EQ(body->explosion->alive, 1);
    EXPECT_EQ(body->carried->alive, 0);
    EXPECT_EQ(g_score - score, 50); // the wing's only
    EXPECT_EQ(sounds_of(34), 0);
    body = hold<body_t>(placed(219, 128, 100));
    body->damage(20);
    run(1);
    EXPECT_EQ(sounds_of(47), 1);
    EXPECT_EQ(sounds_of(34), 1);
}
