// The tentacle001 on the kit: its assembly order, the one-joint-a-frame curl held at 4 steps per joint,
// the collapse from the hand to the core, and the spores' rate by level.
#include "enemies/worms/tentacle001.h"
#include "objects/explosion.h"
#include "objects/trig_tables.h"
#include "tests/enemies/enemy_kit.h"

namespace {

class tentacle001_test : public enemy_kit_t {
  protected:
    tentacle001::core_t* arm(int32_t param, float ship_x, int32_t level = 1, int32_t item = -1,
                             int32_t x = 100) {
        load({placed(254, x, 128, param, item)}, level);
        scene->scroll_stop = 1;
        ship_at(ship_x, 128);
        return only<tentacle001::core_t>();
    }
    std::vector<int32_t> directions(tentacle001::core_t* core) {
        std::vector<int32_t> d;
        for (tentacle001::seg_t* e = core->first; e != nullptr; e = e->next) {
            d.push_back(e->direction);
        }
        return d;
    }
};

} // namespace

TEST_F(tentacle001_test, it_is_assembled_core_first_with_the_hand_carrying_the_item) {
    for (int32_t missing : {255, 256, 257, 258, 69, 83, 53}) {
        records({}, {missing});
        load({placed(254, 100, 128, 40, 38)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    for (int32_t param : {40, 40 + 64, 40 - 128}) {
        tentacle001::core_t* core = arm(param, 200, 1, 38);
        ASSERT_NE(core, nullptr);
        const std::vector<part_t> enemies = manifest_of(scene->stage, list_enemies0);
        ASSERT_EQ(enemies.size(), 1u + 6u + 32u);
        EXPECT_EQ(enemies[1], (part_t{"tentacle001::seg_t", 255}));
        EXPECT_EQ(enemies[6], (part_t{"tentacle001::hand_t", 256}));
        EXPECT_EQ(enemies[38], (part_t{"tentacle001::spore_t", 258}));
        const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
        EXPECT_EQ(blasts[31], (part_t{"explosion_t", 53, 2, list_enemies0, 38}));
        EXPECT_EQ(blasts[32], (part_t{"explosion_t", 83, 2, list_enemies0, 0}));
        EXPECT_EQ(blasts[33], (part_t{"explosion_t", 69, 2, list_enemies0, 1}));
        EXPECT_EQ(blasts[38], (part_t{"explosion_t", 83, 2, list_enemies0, 6}));
        EXPECT_EQ(core->hand->carried, objects_of(scene->stage, list_items)[0]);
        EXPECT_EQ(core->carried, nullptr);
        EXPECT_EQ(core->base_direction & 63, 40);
        EXPECT_EQ(core->hand->direction & 63, 40);
        EXPECT_EQ(core->hand->pattern, 8);
        EXPECT_EQ(core->hand->prev->next, core->hand);
        EXPECT_EQ(core->first->prev, nullptr);
    }
}

TEST_F(tentacle001_test, it_curls_one_joint_a_frame_from_the_hand_each_held_within_4_of_the_next_inward) {
    // Frames run, and the directions from the root to the hand after them.
    struct row_t {
        uint32_t frames;
        std::vector<int32_t> directions;
    };
    const row_t behind[] = {
        {1, {0, 0, 0, 0, 0, 1}}, {3, {0, 0, 0, 0, 0, 4}}, {1, {0, 0, 0, 0, 1, 4}},
        {1, {0, 0, 0, 0, 1, 5}}, {3, {0, 0, 0, 0, 3, 6}},
    };
    tentacle001::core_t* core = arm(0, 20);
    for (const row_t& r : behind) {
        run(r.frames);
        EXPECT_EQ(directions(core), r.directions) << r.frames;
    }
    core = arm(0, 250);
    run(5);
    EXPECT_EQ(directions(core), std::vector<int32_t>(6, 0)) << "straight at the ship";
    // Laid out 20 apart along the straight arm.
    EXPECT_NEAR(core->first->x - core->x, 20 * core->stretch, 1e-3);
    EXPECT_NEAR(core->hand->x - core->x, 120 * core->stretch, 1e-3);
}

TEST_F(tentacle001_test,
       when_the_hand_dies_each_joint_follows_five_frames_later_with_its_sounds_and_the_core_last) {
    // From the hand inwards: the frame after which the link is dead, and the sounds of that frame.
    struct row_t {
        const char* link;
        int32_t dies;
        std::vector<int32_t> sounds;
    };
    const row_t rows[] = {
        {"hand", 1, {39, 48}},
        {"segment 5", 5, {48, 55}},
        {"segment 4", 10, {48, 55}},
        {"segment 3", 15, {48, 55}},
        {"segment 2", 20, {48, 55}},
        {"segment 1", 25, {48, 55}},
        {"core", 26, {}},
    };
    tentacle001::core_t* core = arm(16, 200, 1, 38);
    run(1);
    tentacle001::hand_t* hand = core->hand;
    std::vector<object_t*> chain;
    for (tentacle001::seg_t* e = core->first; e != nullptr; e = e->next) {
        chain.insert(chain.begin(), e);
    }
    chain.push_back(core);
    ASSERT_EQ(chain.size(), std::size(rows));
    EXPECT_TRUE(shoot(hand->x, hand->y, 9999));
    EXPECT_TRUE(hand->carried->alive);
    std::vector<int32_t> died(chain.size(), -1);
    for (int32_t f = 1; f <= 30; ++f) {
        run(1);
        for (size_t i = 0; i < chain.size(); ++i) {
            if (died[i] < 0 && !chain[i]->alive) {
                died[i] = f;
            }
        }
    }
    for (size_t i = 0; i < chain.size(); ++i) {
        std::vector<int32_t> heard;
        for (const sound_t& s : sounds) {
            if (s.frame == uint32_t(rows[i].dies)) {
                heard.push_back(s.id);
            }
        }
        EXPECT_EQ(died[i], rows[i].dies) << rows[i].link;
        EXPECT_EQ(heard, rows[i].sounds) << rows[i].link;
    }
}

TEST_F(tentacle001_test, the_hand_fires_a_spore_every_interval_by_level_spread_by_pool_slot) {
    struct row_t {
        int32_t level;
        uint32_t interval;
    };
    for (const row_t& r : {row_t{1, 12}, {2, 10}, {4, 8}, {5, 4}}) {
        tentacle001::core_t* core = arm(0, 250, r.level, -1, 20);
        for (tentacle001::spore_t* s : core->hand->spores) {
            s->alive = 0;
        }
        std::vector<int32_t> expected(24, 0);
        for (size_t f = 0; f < expected.size(); f += r.interval) {
            expected[f] = 1;
        }
        EXPECT_EQ(starts_per_frame(core->hand->spores, 24), expected) << r.level;
    }
    const std::vector<tentacle001::spore_t*>& spores = arm(0, 250, 5, -1, 20)->hand->spores;
    for (tentacle001::spore_t* s : spores) {
        s->alive = 0;
    }
    run(9);
    EXPECT_EQ(spores[0]->direction, 62);
    EXPECT_EQ(spores[1]->direction, 0);
    EXPECT_EQ(spores[2]->direction, 2);
}

TEST_F(tentacle001_test, a_spore_starts_12_ahead_of_the_hand_flies_2_a_frame_and_leaves_the_field_quietly) {
    load({placed(254, 100, 200, 16)});
    scene->scroll_stop = 1;
    ship_at(96, 4); // straight ahead of the arm, off the spore's way
    tentacle001::core_t* core = only<tentacle001::core_t>();
    for (tentacle001::spore_t* s : core->hand->spores) {
        s->alive = 0;
    }
    run(1);
    EXPECT_NEAR(core->hand->y, 80, 1e-3);
    tentacle001::spore_t* spore = core->hand->spores[0];
    ASSERT_TRUE(spore->alive);
    EXPECT_EQ(spore->direction, 14);
    EXPECT_NEAR(spore->x, 100 + 2 * cos_table[14], 1e-3);
    EXPECT_NEAR(spore->y, 68 - 2 * sin_table[14], 1e-3);
    for (int32_t f = 0; f < 80 && spore->alive; ++f) {
        run(1);
    }
    EXPECT_FALSE(spore->alive);
    EXPECT_LT(spore->y, -32);
    EXPECT_GE(spore->y, -34);
    EXPECT_FALSE(spore->explosion->alive) << "no explosion off the field";
    EXPECT_TRUE(shoot(core->hand->x, core->hand->y, 1, 2, 2));
    run(1);
    EXPECT_EQ(sounds_of(48), 1);
}
