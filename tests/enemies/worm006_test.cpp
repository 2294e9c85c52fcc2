// Worm006 on the kit: its assembly with a dormant worm001, the swim script's schedule and its one stop
// to attack, the arms' steer, trail and bend, the arms burning out after the body, and the worm001 let
// loose only by a quick kill.
#include "enemies/worms/worm001.h"
#include "enemies/worms/worm006.h"
#include "objects/play_globals.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

#include <cmath>

namespace {

using worm006_test = enemy_kit_t;

worm006::body_t* swimmer(enemy_kit_t& kit, int32_t x = 120, int32_t level = 1) {
    kit.load({placed(202, x, 120, 0, 37)}, level);
    kit.scene->scroll_stop = 1;
    kit.ship_at(40, 200);
    return kit.only<worm006::body_t>();
}

std::vector<worm006::arm_t*> chain_of(worm006::arm_t* first) {
    std::vector<worm006::arm_t*> parts;
    for (worm006::arm_t* s = first; s != nullptr; s = s->next) {
        parts.push_back(s);
    }
    return parts;
}

std::vector<int32_t> directions(worm006::arm_t* first) {
    std::vector<int32_t> d;
    for (worm006::arm_t* s : chain_of(first)) {
        d.push_back(s->direction);
    }
    return d;
}

} // namespace

TEST_F(worm006_test, a_missing_record_leaves_out_what_it_makes_and_the_rest_swims_and_dies) {
    struct row_t {
        int32_t missing;
        bool body; // with its item
        bool arms;
        bool worm;
    };
    const row_t rows[] = {{203, false, false, false}, {84, false, false, false}, {204, true, false, true},
                          {30, true, false, true},    {31, true, false, true},   {74, true, false, true},
                          {189, true, true, false},   {64, true, true, false}};
    for (const row_t& r : rows) {
        records({}, {r.missing});
        worm006::body_t* body = swimmer(*this);
        ASSERT_EQ(body != nullptr, r.body) << r.missing;
        if (body == nullptr) {
            EXPECT_EQ(object_total(), 0u) << r.missing;
            continue;
        }
        EXPECT_NE(body->carried, nullptr) << r.missing;
        EXPECT_EQ((std::vector<bool>{body->arm_a != nullptr, body->arm_b != nullptr, body->hand_a != nullptr,
                                     body->hand_b != nullptr}),
                  std::vector<bool>(4, r.arms))
            << r.missing;
        EXPECT_EQ(body->tail_worm != nullptr, r.worm) << r.missing;
        run(200); // through the strokes to its stop
        EXPECT_GT(body->x, 192) << r.missing;
        body->damage(9999); // a quick kill lets the worm001 loose when there is one
        run(40);
        EXPECT_EQ(alive_count(all<worm006::arm_t>()), 0) << r.missing;
        if (r.worm) {
            EXPECT_EQ(body->tail_worm->alive, 1) << r.missing;
        }
    }
}

TEST_F(worm006_test, it_is_assembled_with_two_arms_and_a_dormant_worm001) {
    records({});
    worm006::body_t* body = swimmer(*this);
    ASSERT_NE(body, nullptr);
    const std::vector<part_t> hit = manifest_of(scene->stage, list_enemies0);
    ASSERT_EQ(hit.size(), 1u + 12u);
    EXPECT_EQ(hit[0].kind, "worm006::body_t");
    EXPECT_EQ(hit[12].kind, "worm001::head_t");
    EXPECT_EQ(manifest_of(scene->stage, list_enemies2).size(), 20u);
    for (auto [first, hand] : {std::pair{body->arm_a, body->hand_a}, std::pair{body->arm_b, body->hand_b}}) {
        const std::vector<worm006::arm_t*> arm = chain_of(first);
        ASSERT_EQ(arm.size(), 10u);
        EXPECT_EQ(arm.back(), hand);
        EXPECT_EQ(hand->body, body);
        EXPECT_EQ(hand->lasers.size(), 32u);
        EXPECT_EQ(hand->lasers[31]->owner, hand);
        EXPECT_FALSE(hand->is_flashing());
        EXPECT_EQ(arm[8]->body, body);
        for (worm006::arm_t* s : arm) {
            ASSERT_NE(s->explosion, nullptr);
            EXPECT_EQ(s->explosion->type_id(), 74);
        }
    }
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots)[32].kind, "worm006::laser_t");
    ASSERT_NE(body->tail_worm, nullptr);
    for (worm001::part_t* p = body->tail_worm; p != nullptr; p = p->back) {
        EXPECT_EQ(p->alive, 0);
    }
    EXPECT_NE(body->carried, nullptr);
}

TEST_F(worm006_test, it_swims_in_strokes_stops_once_at_192_to_attack_and_then_swims_off) {
    worm006::body_t* body = swimmer(*this);
    run(1);
    // State 0 runs straight into state 10, which moves only on even timers while the speed drops.
    EXPECT_EQ(body->state, 10u);
    EXPECT_FLOAT_EQ(body->x, 120.99f);
    EXPECT_EQ(directions(body->arm_a).back(), 32);
    run(1);
    EXPECT_FLOAT_EQ(body->x, 120.99f);
    EXPECT_FLOAT_EQ(body->speed, 0.98f);
    struct change_t {
        uint32_t frame;
        uint32_t state;
        float x;
        int32_t hand_a; // directions of the two hands
        int32_t hand_b;
        uint32_t anim_period;
        bool operator==(const change_t& o) const {
            return frame == o.frame && state == o.state && std::fabs(x - o.x) < 0.01f && hand_a == o.hand_a &&
                   hand_b == o.hand_b && anim_period == o.anim_period;
        }
    };
    std::vector<change_t> changes;
    uint32_t attack_frame = 0;
    for (uint32_t f = 2; f < 700; ++f) {
        const uint32_t before = body->state;
        run(1);
        if (body->state != before) {
            changes.push_back({f, body->state, body->x, body->hand_a->direction, body->hand_b->direction,
                               body->anim_period});
        }
        if (attack_frame == 0 && body->hand_a->firing == 1) {
            attack_frame = f;
            EXPECT_EQ(body->state, 50u);
            EXPECT_EQ(body->timer, 5u);
            EXPECT_EQ(alive_count(body->hand_a->lasers), 1); // fired in the frame it was switched on
            // From 10 ahead of the hand, and one step flown.
            const int32_t d = body->hand_a->direction & 63;
            EXPECT_NEAR(body->hand_a->lasers[0]->x, body->hand_a->x + 11 * cos_table[d], 1e-3f);
            EXPECT_NEAR(body->hand_a->lasers[0]->y, body->hand_a->y - 11 * sin_table[d], 1e-3f);
        }
    }
    // Reach 20 steps, stroke, fold, glide; the one stop at 192: brake, coil, uncoil, hold 24 frames,
    // sweep every third frame, return; then the strokes again without a stop, the glide 16 frames.
    const std::vector<change_t> expected{
        {40, 11, 137.19f, 29, 35, 2},  {66, 12, 157.18f, 20, 44, 1},  {88, 13, 182.37f, 32, 32, 1},
        {97, 40, 193.71f, 32, 32, 2},  {152, 50, 222.31f, 33, 31, 3}, {192, 51, 222.31f, 51, 13, 4},
        {232, 52, 222.31f, 12, 52, 4}, {256, 53, 222.31f, 13, 51, 6}, {376, 54, 222.31f, 51, 13, 3},
        {416, 10, 222.51f, 13, 51, 1}, {456, 11, 226.72f, 27, 37, 2}, {482, 12, 236.18f, 18, 46, 1},
        {504, 13, 252.94f, 32, 32, 1}, {520, 10, 266.30f, 32, 32, 1}, {560, 11, 277.67f, 29, 35, 2},
        {586, 12, 291.45f, 20, 44, 1}, {608, 13, 311.89f, 32, 32, 1}, {624, 10, 327.81f, 32, 32, 1},
        {664, 11, 342.54f, 29, 35, 2}, {690, 12, 360.64f, 20, 44, 1}};
    ASSERT_EQ(changes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(changes[i] == expected[i])
            << i << ": frame " << changes[i].frame << " state " << changes[i].state << " x " << changes[i].x;
    }
    EXPECT_EQ(attack_frame, 156u);
    EXPECT_EQ(body->hand_b->firing, 0);
    EXPECT_EQ(body->pattern, 1);
}

TEST_F(worm006_test, its_arms_steer_trail_and_bend_within_the_bodys_limits) {
    worm006::body_t* body = swimmer(*this);
    run(1);
    body->state = 999; // no handler: the test drives the arm
    body->bend_max = 2;
    body->bend_min = -2;
    worm006::arm_t* first = body->arm_a;
    for (worm006::arm_t* s : chain_of(first)) {
        s->direction = 32;
    }
    // Bending by one: each segment at most two past the one before, the tip moving until the 21st call.
    for (int32_t k = 1; k <= 21; ++k) {
        const bool moved = worm006::arm_t::bend(first, 32, 1);
        EXPECT_EQ(moved, k <= 20) << k;
        const std::vector<int32_t> d = directions(first);
        for (size_t i = 0; i < d.size(); ++i) {
            EXPECT_EQ(d[i], std::min(32 + k, 34 + 2 * int32_t(i))) << k << " " << i;
        }
    }
    for (worm006::arm_t* s : chain_of(first)) {
        s->direction = 32;
    }
    body->bend_max = 3;
    body->bend_min = -3;
    // Half a circle turns counter-clockwise from either side.
    for (const auto& [from, target, turned] : {std::tuple{0, 32, 1}, std::tuple{40, 8, 41}}) {
        first->direction = from;
        worm006::arm_t::steer(first, from, target);
        EXPECT_EQ(first->direction, turned) << from;
    }
    for (worm006::arm_t* s : chain_of(first)) {
        s->direction = 32;
    }
    // Already on the target: no turn and no clamp, though the base moved far away.
    EXPECT_FALSE(worm006::arm_t::steer(first, 40, 32));
    EXPECT_EQ(first->direction, 32);
    // Trailing always clamps.
    worm006::arm_t::trail(first, 40, false);
    EXPECT_EQ(directions(first), (std::vector<int32_t>{37, 34, 32, 32, 32, 32, 32, 32, 32, 32}));
    // A turn of the first segment: one step the shorter way; the next turns toward its bearing from
    // the first (32, as the chain was placed) and is held within three of it all the same.
    EXPECT_TRUE(worm006::arm_t::steer(first, 37, 56));
    EXPECT_EQ(first->direction, 38);
    EXPECT_EQ(first->pattern, 38);
    EXPECT_EQ(first->next->direction, 35);
}

TEST_F(worm006_test, its_arms_burn_out_after_the_body_and_only_a_quick_kill_lets_the_worm_loose) {
    struct row_t {
        uint32_t advance; // stage position units past its key when it dies
        bool released;
    };
    for (const row_t r : {row_t{95, true}, row_t{96, false}}) {
        worm006::body_t* body = swimmer(*this);
        run(2);
        g_stage_position += r.advance;
        body->damage(9999);
        worm001::head_t* worm = body->tail_worm;
        EXPECT_EQ(worm->alive, r.released ? 1 : 0) << r.advance;
        if (r.released) {
            EXPECT_FLOAT_EQ(worm->x, 448);
            EXPECT_FLOAT_EQ(worm->y, 136);
            EXPECT_EQ(worm->dir, 32);
        }
    }
    worm006::body_t* body = swimmer(*this);
    run(2);
    body->damage(0); // nothing at all
    body->damage(9999);
    const std::vector<worm006::arm_t*> arm = chain_of(body->arm_b);
    std::vector<uint32_t> died(arm.size(), 0);
    for (uint32_t f = 1; f <= 45; ++f) {
        run(1);
        for (size_t i = 0; i < arm.size(); ++i) {
            if (died[i] == 0 && !arm[i]->alive) {
                died[i] = f;
            }
        }
    }
    // The first segment finds the body dead on the next frame, each further one in the frame the one
    // before it died, as it is updated after it.
    EXPECT_EQ(died, (std::vector<uint32_t>{4, 7, 10, 13, 16, 19, 22, 25, 28, 31}));
    EXPECT_EQ(sound_frames(55).size(), 10u);
    EXPECT_EQ(sounds_of(48), 1);
    EXPECT_EQ(sounds_of(39), 1);
}

TEST_F(worm006_test, its_lasers_end_on_either_terrain_layer_whatever_the_terrain_switch) {
    struct row_t {
        bool layer1;
        int32_t terrain_mode;
    };
    for (const row_t r : {row_t{false, 0}, row_t{true, 0}, row_t{true, 2}}) {
        worm006::body_t* body = swimmer(*this);
        g_terrain_mode = r.terrain_mode;
        const float y = 40 + 20 * float(r.layer1) + 40 * float(r.terrain_mode); // a pixel of its own per row
        solid_at(r.layer1 ? *slot1 : *slot0, 99, int32_t(y));
        missile_t* laser = body->hand_a->lasers[0];
        laser->set_position(100, y);
        laser->vx = -1;
        laser->vy = 0;
        laser->start();
        run(1);
        EXPECT_EQ(laser->alive, 0) << r.layer1 << " " << r.terrain_mode;
        EXPECT_EQ(laser->effect->alive, 1);
        missile_t* free_flight = body->hand_a->lasers[1];
        free_flight->set_position(100, 200);
        free_flight->vx = -1;
        free_flight->start();
        run(1);
        EXPECT_EQ(free_flight->alive, 1);
    }
}
