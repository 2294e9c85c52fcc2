// Worm006 on the kit: its assembly with a dormant worm001, the swim script's schedule and its one stop
// to attack, the arms' steer, trail and bend, the arms burning out after the body, and the worm001 let
// loose only by a quick kill.
#include "enemies/worms/worm001.h"
#include "enemies/worms/worm006.h"
#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"

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

TEST_F(worm006_test, it_is_assembled_with_two_arms_and_a_dormant_worm001_or_not_at_all) {
    for (int32_t missing : {203, 84, 204, 30, 31, 74, 189, 64}) {
        records({}, {missing});
        load({placed(202, 120, 120, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
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
        EXPECT_EQ(arm[8]->body, body);
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
    std::vector<uint32_t> states;
    uint32_t attack_frame = 0;
    for (uint32_t f = 2; f < 1200; ++f) {
        const uint32_t before = body->state;
        run(1);
        if (body->state != before && (states.empty() || states.back() != body->state)) {
            states.push_back(body->state);
        }
        if (attack_frame == 0 && body->hand_a->firing == 1) {
            attack_frame = f;
            EXPECT_EQ(body->state, 50u);
            EXPECT_EQ(body->timer, 5u);
            EXPECT_EQ(alive_count(body->hand_a->lasers), 1); // fired in the frame it was switched on
        }
    }
    EXPECT_GE(body->x, 192);
    const auto first_stop = std::find(states.begin(), states.end(), 40u);
    ASSERT_NE(first_stop, states.end());
    EXPECT_EQ(std::vector<uint32_t>(first_stop, first_stop + 7),
              (std::vector<uint32_t>{40, 50, 51, 52, 53, 54, 10}));
    EXPECT_EQ(std::count(states.begin(), states.end(), 40u), 1);
    EXPECT_EQ(body->hand_b->firing, 0);
    EXPECT_GT(body->x, 256); // swum off to the right
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
}
