// Worm007 on the kit: its assembly, the spin slowing until the arms aim, arms breaking both ways from a
// destroyed segment with the spin reversed and the light on, the recoil of a hit, the core's death, and
// the hands' fire by level.
#include "enemies/worms/worm007.h"
#include "objects/score.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using worm007_test = enemy_kit_t;

worm007::core_t* core_at(enemy_kit_t& kit, int32_t level = 1) {
    kit.load({placed(205, 200, 40, 0, 37)}, level);
    kit.scene->scroll_stop = 1;
    kit.ship_at(20, 230); // out of the arms' reach

    return kit.only<worm007::core_t>();
}

std::vector<worm007::arm_t*> arm_of(worm007::core_t* core, size_t k) {
    std::vector<worm007::arm_t*> parts;
    for (worm007::arm_t* s = core->arms[k].first; s != nullptr; s = s->next) {
        parts.push_back(s);
    }
    return parts;
}

} // namespace

TEST_F(worm007_test, a_missing_record_leaves_out_what_it_makes_and_the_core_hunts_and_dies_without_it) {
    struct row_t {
        int32_t missing;
        bool core; // with its eye, light and item
        bool arms;
    };
    const row_t rows[] = {{206, false, false}, {208, false, false}, {209, false, false}, {84, false, false},
                          {207, true, false},  {74, true, false},   {30, true, false},   {31, true, false}};
    for (const row_t& r : rows) {
        records({}, {r.missing});
        worm007::core_t* core = core_at(*this);
        ASSERT_EQ(core != nullptr, r.core) << r.missing;
        if (core == nullptr) {
            EXPECT_EQ(object_total(), 0u) << r.missing;
            continue;
        }
        EXPECT_NE(core->eye, nullptr) << r.missing;
        EXPECT_NE(core->light, nullptr) << r.missing;
        EXPECT_NE(core->carried, nullptr) << r.missing;
        for (const worm007::core_t::arm_record_t& arm : core->arms) {
            EXPECT_EQ(arm.first != nullptr, r.arms) << r.missing;
            EXPECT_EQ(arm.hand != nullptr, r.arms) << r.missing;
        }
        run(100);
        EXPECT_EQ(core->state, 10) << r.missing; // hunting
        core->damage(9999);
        EXPECT_EQ(core->eye->alive, 0) << r.missing;
        EXPECT_EQ(core->light->alive, 0) << r.missing;
    }
}

TEST_F(worm007_test, it_is_assembled_in_order) {
    records({});
    worm007::core_t* core = core_at(*this);
    ASSERT_NE(core, nullptr);
    const std::vector<part_t> enemies = manifest_of(scene->stage, list_enemies0);
    ASSERT_EQ(enemies.size(), 41u);
    EXPECT_EQ(enemies[0].kind, "worm007::core_t");
    EXPECT_EQ(enemies[10].kind, "worm007::hand_t");
    EXPECT_EQ(enemies[11].kind, "worm007::arm_t");
    for (size_t k = 0; k < 4; ++k) {
        const std::vector<worm007::arm_t*> arm = arm_of(core, k);
        ASSERT_EQ(arm.size(), 10u);
        EXPECT_EQ(core->arms[k].hand, arm.back());
        for (worm007::arm_t* s : arm) {
            EXPECT_EQ(s->index, int32_t(k) + 1);
            EXPECT_EQ(s->core, core);
            EXPECT_TRUE(s->prev == nullptr || s->prev->next == s);
        }
        EXPECT_EQ(static_cast<worm007::hand_t*>(arm.back())->shots.size(), 4u);
    }
    EXPECT_EQ(place_of(scene->stage, core->eye).first, list_enemies2);
    EXPECT_NE(core->light, nullptr);
    EXPECT_NE(core->carried, nullptr);
    const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(blasts.size(), 1u + 4u * 14u);
    EXPECT_EQ(blasts[0], (part_t{"explosion_t", 84, 2, list_enemies0, 0}));
    EXPECT_EQ(blasts[10], (part_t{"explosion_t", 74, 2, list_enemies0, 10}));
    EXPECT_EQ(blasts[11], (part_t{"explosion_t", 31, 2, list_enemy_shots, 0}));
    EXPECT_EQ(blasts[15], (part_t{"explosion_t", 74, 2, list_enemies0, 11}));
}

TEST_F(worm007_test, its_spin_slows_every_16_frames_and_the_arms_aim_once_it_is_below_3) {
    worm007::core_t* core = core_at(*this);
    struct row_t {
        uint32_t frames; // run before looking
        int32_t state;
        int32_t spin;
        int32_t angle;
    };
    // Inside the screen it hunts at once; the spin drops at timers 0, 16, 32 and 48.
    const row_t rows[] = {
        {1, 10, 5, 5}, {16, 10, 4, 84}, {16, 10, 3, 147}, {15, 10, 3, 192}, {1, 10, 2, 194}};
    for (const row_t& r : rows) {
        run(r.frames);
        EXPECT_EQ(core->state, r.state) << r.frames;
        EXPECT_EQ(core->spin, r.spin) << r.frames;
        EXPECT_EQ(core->angle, r.angle) << r.frames;
    }
    // Each arm holds within three steps of its base until the aim turns it toward the ship.
    const int32_t r = core->angle * 64 / 360;
    for (size_t k = 0; k < 4; ++k) {
        const int32_t d = core->arms[k].first->direction - (r + 16 * int32_t(k));
        EXPECT_LE(std::abs(d), 3) << k;
    }
    EXPECT_NEAR(core->arms[0].reach, 0.5f + 49 * 0.04f, 1e-4f);
}

TEST_F(worm007_test, a_destroyed_segment_breaks_its_arm_both_ways_and_a_hit_makes_it_recoil) {
    worm007::core_t* core = core_at(*this);
    run(2);
    g_score = 0;
    std::vector<worm007::arm_t*> arm = arm_of(core, 1);
    arm[4]->damage(1);
    EXPECT_EQ(core->arms[1].recoil, 8);
    run(1);
    EXPECT_EQ(core->arms[1].recoil, 7);
    run(7);
    EXPECT_EQ(core->arms[1].recoil, 0);
    arm[4]->damage(9999);
    EXPECT_EQ(core->light->alive, 1);
    EXPECT_EQ(core->eye->pattern, 7);
    const uint8_t forward = core->forward;
    std::vector<uint32_t> died(arm.size(), 0);
    for (uint32_t f = 1; f <= 30; ++f) {
        run(1);
        for (size_t i = 0; i < arm.size(); ++i) {
            if (died[i] == 0 && !arm[i]->alive) {
                died[i] = f;
            }
        }
    }
    // Outward each segment sees its neighbour die in the same frame and follows four frames later;
    // inward it is updated first and sees it a frame later.
    EXPECT_EQ(died, (std::vector<uint32_t>{20, 15, 10, 5, 1, 5, 9, 13, 17, 21}));
    EXPECT_EQ(g_score, 10 * arm[0]->score());
    EXPECT_NE(core->forward, forward); // the first segment broke: the spin turned round
    EXPECT_EQ(alive_count(arm_of(core, 0)), 10);
}

TEST_F(worm007_test, the_cores_death_takes_eye_light_and_arms_and_the_hands_fire_by_level) {
    worm007::core_t* core = core_at(*this);
    run(2);
    core->damage(9999);
    EXPECT_EQ(core->eye->alive, 0);
    EXPECT_EQ(core->light->alive, 0);
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(core->arms[k].first->alive, 0) << k;
    }
    run(60);
    EXPECT_EQ(alive_count(all<worm007::arm_t>()), 0);

    struct row_t {
        int32_t level;
        std::vector<uint32_t> frames; // of the first hand's shots within 130 frames
        float speed;
    };
    const row_t rows[] = {{1, {}, 0},
                          {2, {0, 64, 128}, 0.5f},
                          {4, {0, 32, 64, 96, 128}, 1.0f},
                          {6, {0, 32, 64, 96, 128}, 1.5f}};
    for (const row_t& r : rows) {
        worm007::core_t* c = core_at(*this, r.level);
        auto* hand = static_cast<worm007::hand_t*>(c->arms[0].hand);
        run(130);
        std::vector<uint32_t> frames;
        for (const launch_t& l : launches(list_enemy_shots)) {
            if (l.index < 4) {
                frames.push_back(l.frame);
                EXPECT_FLOAT_EQ(l.speed, r.speed);
            }
        }
        EXPECT_EQ(frames, r.frames) << r.level;
        EXPECT_EQ(hand->shots[0]->owner, hand);
    }
}

TEST_F(worm007_test, each_aim_turns_one_segment_of_an_arm_one_step_within_three_of_its_base) {
    worm007::core_t* core = core_at(*this);
    ship_at(core->x + 16, 230); // straight below the arms
    run(1);
    core->state = 999; // no script: the test aims
    for (worm007::arm_t* s : arm_of(core, 0)) {
        s->direction = 0;
    }
    arm_of(core, 0)[1]->direction = 3;
    core->arms[0].reach = 0.5f;
    core->place_arms();
    struct row_t {
        bool recoil;
        std::vector<int32_t> first_three;
    };
    // The ship lies a quarter turn clockwise (48): the shorter way is down; at the window's edge of
    // three the next segment takes the turn; a recoil aims half a circle away, back up.
    const row_t rows[] = {{false, {-1, 2, 0}},  {false, {-2, 1, 0}},  {false, {-3, 0, 0}},
                          {false, {-3, -1, 0}}, {false, {-3, -2, 0}}, {true, {-2, -2, 0}}};
    for (const row_t& r : rows) {
        core->arms[0].recoil = r.recoil ? 8 : 0;
        core->aim_arms(0);
        const std::vector<worm007::arm_t*> arm = arm_of(core, 0);
        EXPECT_EQ((std::vector<int32_t>{arm[0]->direction, arm[1]->direction, arm[2]->direction}),
                  r.first_three);
        EXPECT_EQ(arm[0]->pattern, arm[0]->direction & 63);
    }
}

TEST_F(worm007_test, it_brakes_after_two_sections_then_leaves_left_and_its_eye_blinks_when_hit) {
    // Off screen it only comes in, hunting once inside 16..239.
    load({placed(205, 260, 40)});
    ship_at(20, 230);
    worm007::core_t* coming = only<worm007::core_t>();
    run(1);
    EXPECT_EQ(coming->state, 1);
    for (uint32_t f = 0; f < 100 && coming->state == 1; ++f) {
        run(1);
    }
    EXPECT_EQ(coming->state, 10);
    EXPECT_LT(coming->x, 240);
    EXPECT_GE(coming->x, 239);
    worm007::core_t* core = core_at(*this);
    run(40);
    worm007::eye_t* eye = core->eye;
    EXPECT_EQ(eye->pattern, 0); // opened once on screen
    core->damage(1);
    std::vector<int32_t> patterns;
    for (int32_t f = 0; f < 8; ++f) {
        run(1);
        patterns.push_back(eye->pattern);
    }
    // Shut one step at once, held while it blinks, then opening on every second frame.
    EXPECT_EQ(patterns, (std::vector<int32_t>{1, 1, 1, 1, 0, 0, 0, 0}));
    advance_to(0x20000 - 1);
    run(1);
    EXPECT_EQ(core->state, 10);
    advance_to(0x20000);
    run(1);
    EXPECT_EQ(core->state, 30);
    EXPECT_EQ(core->spin, 1);
    // Its speed of 0.5 falls by 0.01 a frame; at 0 it turns and speeds up to the left.
    uint32_t frames = 0;
    while (core->state == 30 && frames < 100) {
        run(1);
        ++frames;
    }
    EXPECT_EQ(frames, 51u);
    EXPECT_FLOAT_EQ(core->speed, 0.02f);
    const float x = core->x;
    run(1);
    EXPECT_FLOAT_EQ(core->x, x - 0.04f);
}
