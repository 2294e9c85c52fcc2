// The twinbarrel on the kit: its assembly, the hop to the ship's height and its pair of trailing bolts,
// the bolts' spread and end, the smoke, the retreat, the shifted hit box and the death ring by level.
#include "enemies/gunships/twinbarrel.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "player/smoke.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using twinbarrel_test = enemy_kit_t;

twinbarrel::body_t* hover(enemy_kit_t& kit, float x, float y, float ship_y, int32_t level = 1,
                          float ship_x = 40) {
    kit.load({placed(144, int32_t(x), int32_t(y))}, level);
    kit.scene->scroll_stop = 1;
    kit.ship_at(ship_x, ship_y);
    return kit.only<twinbarrel::body_t>();
}

} // namespace

TEST_F(twinbarrel_test, it_is_assembled_in_order_and_not_at_all_without_a_record) {
    for (int32_t missing : {144, 84, 17, 175, 145, 29}) {
        records({}, {missing});
        load({placed(144, 200, 120, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    auto* body = hover(*this, 200, 120, 120);
    ASSERT_NE(body, nullptr);
    const std::vector<part_t> shots = manifest_of(scene->stage, list_enemy_shots);
    ASSERT_EQ(shots.size(), 12u + 64u);
    for (int32_t i = 0; i < 12; ++i) {
        const bool head = i % 3 == 0;
        EXPECT_EQ(shots[size_t(i)],
                  (part_t{"twinbarrel::laser_t", 145, -1, head ? list_enemies0 : -1, head ? 0 : -1}))
            << i;
    }
    EXPECT_EQ(shots[12], (part_t{"common_missile1_t", 17, -1, list_enemies0, 0}));
    EXPECT_EQ(shots[75], (part_t{"common_missile1_t", 17, -1, list_enemies0, 0}));
    const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(blasts.size(), 1u + 4u + 16u);
    EXPECT_EQ(blasts[0], (part_t{"explosion_t", 84, 2, list_enemies0, 0}));
    EXPECT_EQ(blasts[4], (part_t{"explosion_t", 29, 6, list_enemy_shots, 9}));
    EXPECT_EQ(blasts[20], (part_t{"smoke_t", 175, 2}));
    // Pieces linked both ways, head to last.
    for (twinbarrel::laser_t* head : body->lasers) {
        ASSERT_NE(head->tail, nullptr);
        EXPECT_EQ(head->front, nullptr);
        EXPECT_EQ(head->tail->front, head);
        EXPECT_EQ(head->tail->tail->front, head->tail);
        EXPECT_EQ(head->tail->tail->tail, nullptr);
    }
    std::vector<int32_t> directions;
    for (smoke_t* puff : body->smokes) {
        directions.push_back(puff->direction);
    }
    EXPECT_EQ(directions,
              (std::vector<int32_t>{36, 28, 33, 30, 32, 29, 34, 31, 36, 28, 33, 30, 32, 29, 34, 31}));
    EXPECT_NEAR(body->smokes[0]->vx, 2.5f * -0.9239f, 1e-3f);
    EXPECT_NEAR(body->smokes[0]->vy, 2.5f * 0.3827f, 1e-3f);
}

TEST_F(twinbarrel_test, it_hops_to_the_ships_height_within_64_and_fires_a_pair_after_every_hop) {
    struct row_t {
        float x;
        float ship_y; // ship x 40 unless given
        float end_x;  // after the 37 moves of a hop
        float end_y;
        float mid_y; // after 19 moves (angle 270)
        float ship_x = 40;
        int32_t tilt_sign = 0; // the hop's: +1 up
    };
    const row_t rows[] = {
        {240, 160, 203, 160, 140, 40, -1}, // right of 192 and of the ship: one pixel left per move
        {240, 20, 203, 56, 88, 40, 1},     // 100 up held to 64
        {150, 220, 187, 184, 152, 40, -1}, // left of 192: one right per move
        {300, 120, 263, 120, 120},         // past 256: left
        {240, 20, 241, 56, 88, 240, 1},    // at the ship's x: right first, then to and fro
    };
    for (const row_t& r : rows) {
        auto* body = hover(*this, r.x, 120, r.ship_y, 1, r.ship_x);
        run(19);
        EXPECT_NEAR(body->y, r.mid_y, 0.01f) << r.ship_y;
        EXPECT_EQ(look_of(*body).pattern, (3 * r.tilt_sign) & 7) << "tilted all the way";
        run(18);
        EXPECT_NEAR(body->x, r.end_x, 0.01f) << r.x;
        EXPECT_NEAR(body->y, r.end_y, 0.01f) << r.ship_y;
        run(1);
        EXPECT_NEAR(body->x, r.end_x, 0.01f) << "no move in the finishing frame";
        EXPECT_EQ(body->state, 1);
        EXPECT_EQ(look_of(*body).pattern, (2 * r.tilt_sign) & 7) << "a step back when still";
    }
    // Pairs at the pause's first frame: 38, then every 51 frames; the heads at (x - 36, y - 8) and
    // (x - 16, y + 8) take their first 2.5 step in that frame, the pieces behind them still at the muzzle.
    auto* body = hover(*this, 240, 120, 120);
    run(39);
    EXPECT_EQ(launches(list_enemy_shots),
              (std::vector<launch_t>{{38, list_enemy_shots, 0, 164.5f, 112, 32, 2.5f},
                                     {38, list_enemy_shots, 1, 167, 112, 0, 0},
                                     {38, list_enemy_shots, 2, 167, 112, 0, 0},
                                     {38, list_enemy_shots, 3, 184.5f, 128, 32, 2.5f},
                                     {38, list_enemy_shots, 4, 187, 128, 0, 0},
                                     {38, list_enemy_shots, 5, 187, 128, 0, 0}}));
    EXPECT_TRUE(body->lasers[0]->effect->alive);
    run(200);
    EXPECT_EQ(sound_frames(40), (std::vector<uint32_t>{38, 89, 140, 191}));
}

TEST_F(twinbarrel_test, a_bolts_pieces_spread_to_15_apart_and_the_last_leaving_ends_it) {
    auto* body = hover(*this, 240, 120, 120);
    run(39);
    twinbarrel::laser_t* head = body->lasers[0];
    struct row_t {
        uint32_t frames; // after the firing frame
        float head_x;
        float middle_x;
        float last_x;
    };
    // The middle piece waits until the head is more than 15 ahead, the last one for the middle.
    const row_t rows[] = {{6, 149.5f, 164.5f, 167},
                          {1, 147, 162, 167},
                          {3, 139.5f, 154.5f, 167},
                          {1, 137, 152, 167},
                          {1, 134.5f, 149.5f, 164.5f}};
    for (const row_t& r : rows) {
        run(r.frames);
        EXPECT_NEAR(head->x, r.head_x, 0.01f);
        EXPECT_NEAR(head->tail->x, r.middle_x, 0.01f);
        EXPECT_NEAR(head->tail->tail->x, r.last_x, 0.01f);
    }
    for (int32_t f = 0; f < 200 && head->tail->tail->x >= -32; ++f) {
        ASSERT_TRUE(head->alive) << head->x;
        run(1);
    }
    EXPECT_LT(head->x, -32); // the head out of bounds lives while the last piece is in
    EXPECT_FALSE(head->alive);
    EXPECT_FALSE(head->tail->alive);
    EXPECT_FALSE(head->tail->tail->alive);
}

TEST_F(twinbarrel_test, it_smokes_below_80_and_retreats_a_section_after_its_key) {
    auto* body = hover(*this, 240, 120, 200);
    body->hp = 80;
    EXPECT_EQ(starts_per_frame(body->smokes, 9), std::vector<int32_t>(9, 0));
    body->hp = 79;
    // On frame counts divisible by 3, the first idle puff in order.
    EXPECT_EQ(starts_per_frame(body->smokes, 9), (std::vector<int32_t>{1, 0, 0, 1, 0, 0, 1, 0, 0}));
    EXPECT_TRUE(body->smokes[2]->alive);
    EXPECT_FALSE(body->smokes[3]->alive);
    EXPECT_NEAR(body->smokes[2]->y, body->y, 8); // started at the body hopping down

    body = hover(*this, 240, 120, 120);
    advance_to(0xFFFF);
    run(1);
    EXPECT_EQ(body->state, 0);
    advance_to(0x10000);
    run(1);
    EXPECT_EQ(body->state, 1000);
    const float x = body->x;
    run(10);
    EXPECT_NEAR(body->x, x - 15, 0.01f);
}

TEST_F(twinbarrel_test, hits_land_20_right_of_it_and_its_death_rings_by_level) {
    struct row_t {
        int32_t level;
        int32_t shots;
        int32_t first;
        int32_t step;
    };
    const row_t rows[] = {{1, 0, 0, 0},  {2, 0, 0, 0},  {3, 8, 4, 8}, {4, 16, 0, 4},
                          {5, 32, 1, 2}, {6, 64, 0, 1}, {8, 64, 0, 1}};
    for (const row_t& r : rows) {
        auto* body = hover(*this, 200, 120, 120, r.level);
        run(1);
        const float x = body->x;
        EXPECT_FALSE(shoot(x - 8, 120, 1)) << "the sprite's left half";
        EXPECT_TRUE(shoot(x + 30, 120, 0));
        run(1);
        EXPECT_EQ(sounds_of(48), 0);
        const float dying_x = body->x;
        EXPECT_TRUE(shoot(dying_x + 30, 120, 9999));
        EXPECT_FALSE(body->alive);
        run(1);
        EXPECT_EQ(sounds_of(48), 1);
        EXPECT_EQ(sounds_of(1), 1);
        EXPECT_EQ(alive_count(body->shots), r.shots) << r.level;
        for (int32_t i = 0; i < r.shots; ++i) {
            const missile_t* shot = body->shots[size_t(i)];
            EXPECT_EQ(shot->direction, r.first + i * r.step) << r.level;
            EXPECT_EQ(shot->speed, 2.0f);
            EXPECT_NEAR(shot->x, dying_x + 2.0f * cos_table[shot->direction],
                        1e-3f); // from the body, one step
        }
    }
}
