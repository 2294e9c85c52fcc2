// Worm008 on the kit: its assembly, the sway of its segments toward the anchor, its bursts of pairs, the
// sway lost under fire, and the sinking death that pays its score 64 frames after the lethal hit.
#include "enemies/worms/worm008.h"
#include "objects/score.h"
#include "player/smoke.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using worm008_test = enemy_kit_t;

worm008::head_t* wall_worm(enemy_kit_t& kit, int32_t x = 300, int32_t y = 120) {
    kit.load({placed(210, x, y, 0, 37)});
    kit.scene->scroll_stop = 1;
    return kit.only<worm008::head_t>();
}

} // namespace

TEST_F(worm008_test, it_is_assembled_in_order_and_not_at_all_without_a_record) {
    for (int32_t missing : {211, 212, 213, 84, 69, 30, 31, 67, 68}) {
        records({}, {missing});
        load({placed(210, 300, 120, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    worm008::head_t* head = wall_worm(*this);
    ASSERT_NE(head, nullptr);
    ASSERT_EQ(head->bodies.size(), 4u);
    EXPECT_EQ(head->bodies[3]->head, head);
    EXPECT_EQ(head->bodies[0]->pattern, 4);
    EXPECT_NE(head->carried, nullptr);
    const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(blasts.size(), 1u + 4u + 16u + 32u + 16u);
    EXPECT_EQ(blasts[0], (part_t{"explosion_t", 84, 2, list_enemies0, 0}));
    EXPECT_EQ(blasts[5], (part_t{"explosion_t", 67, 1}));
    EXPECT_EQ(blasts[15], (part_t{"explosion_t", 68, 3}));
    EXPECT_EQ(blasts[19], (part_t{"explosion_t", 69, 4}));
    EXPECT_EQ(blasts[21], (part_t{"smoke_t", 213, 2}));
    EXPECT_EQ(blasts[53], (part_t{"explosion_t", 31, 3, list_enemy_shots, 0}));
    std::vector<int32_t> dx;
    std::vector<int32_t> dy;
    for (const mul_explosion_t::data_t& blast : head->blasts.entries) {
        dx.push_back(blast.dx);
        dy.push_back(blast.dy);
    }
    EXPECT_EQ(dx, (std::vector<int32_t>{0, 8, 24, -24, -8, -16, 20, -8, 0, 8, 24, -24, -8, -16, 20, -8}));
    EXPECT_EQ(dy, (std::vector<int32_t>{-8, 4, 8, -8, 12, -16, 0, 12, -8, 4, 8, -8, 12, -16, 0, 12}));
    std::vector<int32_t> directions;
    for (const mul_explosion_t::data_t& puff : head->puffs.entries) {
        directions.push_back(static_cast<smoke_t*>(puff.explosion)->direction);
    }
    EXPECT_EQ(std::vector<int32_t>(directions.begin() + 24, directions.end()),
              (std::vector<int32_t>{16, 13, 19, 15, 16, 17, 14, 18}));
    EXPECT_NEAR(static_cast<smoke_t*>(head->puffs.entries[1].explosion)->vy, -2.0f * 0.9569f, 1e-3f);
    ASSERT_EQ(head->shots.size(), 16u);
    EXPECT_EQ(head->shots[15]->owner, nullptr);
}

TEST_F(worm008_test, it_sways_toward_its_anchor_and_fires_three_pairs_a_cycle) {
    // Out of reach (x 288 or more) it waits at 72 left of the anchor; in reach the sway and the fire begin.
    for (const int32_t anchor : {360, 359}) {
        worm008::head_t* head = wall_worm(*this, anchor);
        run(5);
        EXPECT_EQ(head->x, float(anchor - 72));
        EXPECT_EQ(launches(list_enemy_shots).empty(), anchor == 360);
    }

    worm008::head_t* head = wall_worm(*this);
    run(16);
    // Phase 90 at the 16th frame: the head 20 above the anchor; each segment sways less, the last not at all.
    EXPECT_FLOAT_EQ(head->y, 100);
    const float factor[4] = {1.0f, 0.6f, 0.2f, 0};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(head->bodies[i]->x, 248 + 12 * float(i)) << i;
        const float entry_y = head->trail.entry(4 * uint32_t(i + 1)).y;
        EXPECT_NEAR(head->bodies[i]->y, 120 + (entry_y - 120) * factor[i], 1e-4f) << i;
    }
    EXPECT_FLOAT_EQ(head->bodies[3]->y, 120);
    run(128 - 16);
    std::vector<uint32_t> frames;
    for (const launch_t& l : launches(list_enemy_shots)) {
        frames.push_back(l.frame);
    }
    EXPECT_EQ(frames, (std::vector<uint32_t>{0, 0, 8, 8, 16, 16, 64, 64, 72, 72, 80, 80}));
    EXPECT_EQ(launches(list_enemy_shots)[0], (launch_t{0, list_enemy_shots, 0, 210.5f, 118, 32, 1.5f}));
    EXPECT_EQ(launches(list_enemy_shots)[1], (launch_t{0, list_enemy_shots, 1, 210.5f, 122, 32, 1.5f}));
    EXPECT_EQ(sounds_of(49), 6);
}

TEST_F(worm008_test, its_sway_shrinks_under_fire_down_to_4_and_recovers_up_to_20) {
    worm008::head_t* head = wall_worm(*this);
    head->hp = 1000;
    run(1);
    struct row_t {
        uint32_t frames;
        bool firing;
        int32_t amplitude;
    };
    // Hits take one on even frames, the recovery gives one back on every fourth: at the floor of 4 it
    // wavers between 4 and 5.
    const row_t rows[] = {{8, true, 18}, {80, true, 5}, {8, false, 7}, {100, false, 20}};
    for (const row_t& r : rows) {
        for (uint32_t f = 0; f < r.frames; ++f) {
            run(1);
            if (r.firing) {
                head->damage(1);
            }
        }
        EXPECT_EQ(head->amplitude, r.amplitude) << r.frames;
    }
}

TEST_F(worm008_test, a_lethal_hit_sinks_it_and_it_dies_64_frames_later) {
    worm008::head_t* head = wall_worm(*this);
    run(20);
    g_score = 0;
    const float hit_y = head->y;
    head->damage(head->hp);
    head->damage(head->hp); // a second lethal hit restarts nothing
    EXPECT_EQ(head->state, 100);
    EXPECT_EQ(head->hp, head->max_hp());
    float deepest = 0;
    for (uint32_t f = 0; f < 64; ++f) {
        run(1);
        EXPECT_EQ(head->alive, 1) << f;
        deepest = std::max(deepest, head->y);
    }
    EXPECT_FLOAT_EQ(deepest, 144);
    EXPECT_EQ(g_score, 0);
    run(1);
    EXPECT_EQ(head->alive, 0);
    EXPECT_EQ(g_score, head->score());
    EXPECT_EQ(alive_count(head->bodies), 0);
    EXPECT_EQ(sounds_of(75), 1);
    EXPECT_EQ(sounds_of(42), 1);
    // Five puffs (timers 16 .. 48) and eleven blasts (every sixth timer up to 60) went off.
    EXPECT_EQ(head->puffs.next, 5);
    // The first blast at its offset (0, -8) from where the head was hit; the first puff, rising
    // straight up, 12 left of the head.
    EXPECT_FLOAT_EQ(head->blasts.entries[0].explosion->x, 228);
    EXPECT_FLOAT_EQ(head->blasts.entries[0].explosion->y, float(int32_t(hit_y) - 8));
    EXPECT_NEAR(head->puffs.entries[0].explosion->x, 216, 0.01f);
    EXPECT_EQ(head->blasts.next, 11);
}
