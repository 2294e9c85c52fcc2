#include "objects/random.h"
#include "player/double_shot.h"
#include "player/ionblast.h"
#include "player/longlaser.h"
#include "player/multiple.h"
#include "player/weapon_factories.h"
#include "tests/player/player_fixture.h"

namespace {

class factories : public player_test {
  protected:
    ~factories() override {
        delete_all(weapons);
        delete_all(effects);
        delete_all(multiples);
    }

    weapon_list_t weapons;
    effect_list_t effects;
    std::vector<multiple_t*> multiples;
};

struct made_t {
    bool (*factory)(weapon_list_t&, effect_list_t&, int32_t);
    uint32_t weapons_per_set;
    uint32_t effects_per_set;
    int32_t first_id;
};

} // namespace

TEST_F(factories, each_makes_its_sets_dormant_with_linked_effects_at_their_speed) {
    ASSERT_TRUE(load_table_without({}));
    const made_t all[] = {{make_shot_pool, 1, 1, 1},       {make_double_shots, 2, 2, 2},
                          {make_snake_missiles, 2, 0, 4},  {make_drip_missiles, 2, 2, 6},
                          {make_homing_missiles, 2, 2, 8}, {make_vertical_missiles, 1, 0, 11},
                          {make_long_laser, 17, 16, 13},   {make_ripple_lasers, 1, 1, 14},
                          {make_power_shots, 1, 1, 15},    {make_ion_blasts, 1, 0, 16}};
    for (const made_t& made : all) {
        ASSERT_TRUE(made.factory(weapons, effects, 3));
        ASSERT_EQ(weapons.size(), 3 * made.weapons_per_set) << made.first_id;
        ASSERT_EQ(effects.size(), 3 * made.effects_per_set) << made.first_id;
        EXPECT_EQ(weapons[0]->type_id(), made.first_id);
        for (uint32_t i = 0; i < weapons.size(); ++i) {
            player_missile_t* w = weapons[i];
            EXPECT_FALSE(w->alive);
            EXPECT_EQ(w->owner, nullptr);
            EXPECT_TRUE(w->speed == 0 || (w->speed == 8.0f && w->vx == 8.0f && w->vy == 0.0f));
            if (w->effect != nullptr) {
                EXPECT_EQ(static_cast<explosion_t*>(w->effect)->owner, w);
            }
        }
        for (uint32_t i = 0; i < effects.size(); ++i) {
            EXPECT_FALSE(effects[i]->alive);
        }
        delete_all(weapons);
        delete_all(effects);
    }
}

TEST_F(factories, the_double_shot_pairs_are_linked_with_one_frame_effects_in_set_order) {
    ASSERT_TRUE(load_table_without({}));
    ASSERT_TRUE(make_double_shots(weapons, effects, 2));
    auto* first = dynamic_cast<dbl::shot1_t*>(weapons[2]);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->partner, weapons[3]);
    EXPECT_EQ(first->partner->speed, 8.0f);
    EXPECT_EQ(first->effect, effects[2]);
    EXPECT_EQ(weapons[3]->effect, effects[3]);
    EXPECT_EQ(effects[3]->type_id(), 63);
    EXPECT_EQ(effects[3]->period, 1u);
}

TEST_F(factories, a_missing_required_record_makes_nothing_and_a_missing_effect_no_effect) {
    ASSERT_TRUE(load_table_without({63, 4, 11, 13, 16, 46, 62, 54}));
    EXPECT_FALSE(make_double_shots(weapons, effects, 15));
    EXPECT_FALSE(make_snake_missiles(weapons, effects, 5));
    EXPECT_FALSE(make_vertical_missiles(weapons, effects, 5));
    EXPECT_FALSE(make_long_laser(weapons, effects, 5));
    EXPECT_FALSE(make_ion_blasts(weapons, effects, 60));
    EXPECT_FALSE(make_multiples(multiples, 4));
    EXPECT_EQ(weapons.size(), 0u);
    EXPECT_EQ(effects.size(), 0u);
    EXPECT_TRUE(multiples.empty());

    EXPECT_TRUE(make_shot_pool(weapons, effects, 2));
    EXPECT_TRUE(make_ripple_lasers(weapons, effects, 2));
    EXPECT_EQ(weapons.size(), 4u);
    EXPECT_EQ(effects.size(), 0u);
    weapons[0]->start();
    weapons[0]->damage(9999); // no effect to start, no fault
    EXPECT_FALSE(weapons[0]->alive);
}

TEST_F(factories, make_long_laser_5_makes_5_chains_of_16_pieces_and_a_controller) {
    ASSERT_TRUE(load_table_without({}));
    ASSERT_TRUE(make_long_laser(weapons, effects, 5));
    ASSERT_EQ(weapons.size(), 5u * 17u);
    ASSERT_EQ(effects.size(), 5u * 16u);
    for (uint32_t chain = 0; chain < 5; ++chain) {
        const uint32_t base = chain * 17;
        auto* control = dynamic_cast<longlaser_ctr_t*>(weapons[base + 16]);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->type_id(), 12);
        EXPECT_NE(dynamic_cast<longlaser_head_t*>(control->head), nullptr);
        EXPECT_EQ(control->next_segment, nullptr);
        EXPECT_EQ(control->head->prev, nullptr);
        longlaser_t* piece = control->head;
        for (uint32_t k = 0; k < 16; ++k) {
            ASSERT_EQ(piece, weapons[base + k]);
            EXPECT_EQ(piece->fragile, k >= 4 ? 1 : 0) << k;
            EXPECT_EQ(piece->effect, effects[chain * 16 + k]);
            EXPECT_EQ(effects[chain * 16 + k]->period, 1u);
            if (k == 15) {
                EXPECT_EQ(control->tail, piece);
                EXPECT_EQ(piece->next, nullptr);
            } else {
                EXPECT_EQ(piece->next->prev, piece);
            }
            piece = piece->next;
        }
    }
}

TEST_F(factories, ion_blasts_draw_one_random_number_each_in_the_order_made) {
    ASSERT_TRUE(load_table_without({}));
    rng::srand(1234);
    std::vector<int32_t> expected;
    for (int i = 0; i < 60; ++i) {
        expected.push_back(28 + rng::rand() / 3641);
    }
    const int32_t after = rng::rand();

    rng::srand(1234);
    ASSERT_TRUE(make_ion_blasts(weapons, effects, 60));
    for (uint32_t i = 0; i < 60; ++i) {
        EXPECT_EQ(static_cast<ionblast_t*>(weapons[i])->drift_direction, expected[i]);
    }
    EXPECT_EQ(rng::rand(), after);

    ASSERT_TRUE(make_multiples(multiples, 4));
    EXPECT_FALSE(multiples[3]->alive) << "multiples are made dormant";
}
