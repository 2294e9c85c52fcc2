// The equipper: bit sets, shot and missile types, multiples, and the gauge's slots.
#include "player/multiple.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "tests/player/ship_fixture.h"

#include <vector>

namespace {

using powergauge_ops = ship_fixture_t;

TEST(powergauge_bits, valid_sets_hold_exactly_one_shot_kind_and_stepping_skips_the_others) {
    std::vector<int32_t> valid;
    for (int32_t bits = 1; bits <= 58; ++bits) {
        if (powergauge_valid_bits(bits)) {
            valid.push_back(bits);
        }
    }
    EXPECT_EQ(valid, (std::vector<int32_t>{1,  3,  4,  6,  8,  10, 17, 19, 20, 22, 24, 26,
                                           33, 35, 36, 38, 40, 42, 49, 51, 52, 54, 56, 58}));
    EXPECT_EQ(powergauge_step_equipment(1, -1), 1);
    EXPECT_EQ(powergauge_step_equipment(58, 1), 58);
    EXPECT_EQ(powergauge_step_equipment(2, 1), 3);
    EXPECT_EQ(powergauge_step_equipment(10, 1), 17);
    EXPECT_EQ(powergauge_step_equipment(4, -1), 3);
    EXPECT_EQ(powergauge_step_equipment(0, 1), 0);
    EXPECT_EQ(powergauge_step_equipment(59, -1), 59);
}

TEST_F(powergauge_ops, an_invalid_or_already_equipped_set_is_refused) {
    ASSERT_TRUE(start());
    EXPECT_FALSE(powergauge_setup(&play.player, 4, 0, 0));
    for (int32_t bits : {2, 5, 9, 12, 13}) {
        EXPECT_FALSE(powergauge_apply_bits(&ship(), bits | weapon_shield, 4)) << bits;
    }
    EXPECT_FALSE(play.player.shield->alive); // refused before anything was done
    EXPECT_FALSE(powergauge_apply_bits(&ship(), weapon_normal, 0));
    EXPECT_TRUE(powergauge_set_missile(&ship(), weapon_missile));
    EXPECT_FALSE(powergauge_set_missile(&ship(), weapon_missile));
}

TEST_F(powergauge_ops, a_bit_set_arms_the_ship_and_its_multiples_from_the_loadout) {
    ASSERT_TRUE(start({.ship_type = 1, .equipment = 58}));
    EXPECT_TRUE(play.player.shield->alive);
    ASSERT_EQ(ship().multiples.size(), 2u); // the play start's n = 2
    for (player_piveter_t* firer :
         {static_cast<player_piveter_t*>(&ship()), static_cast<player_piveter_t*>(ship().multiples[1])}) {
        ASSERT_EQ(firer->shot_pool.size(), 3u); // ripple lasers
        EXPECT_EQ(firer->shot_pool[0]->type_id(), 14);
        EXPECT_EQ(firer->fire_interval, 4u);
        ASSERT_EQ(firer->missile_pool.size(), 2u); // a drip pair, first kind first
        EXPECT_EQ(firer->missile_pool[0]->type_id(), 7);
        EXPECT_EQ(firer->missile_pool[1]->get_owner(), firer);
    }
    EXPECT_EQ(powergauge::active_weapons.size(), 3u * (3 + 2));
}

TEST_F(powergauge_ops, multiples_join_armed_until_the_pool_of_four_is_used) {
    ASSERT_TRUE(start({.option_type = 2, .equipment = weapon_missile | weapon_normal}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(powergauge_add_option(&ship()));
    }
    EXPECT_FALSE(powergauge_add_option(&ship()));
    ASSERT_EQ(ship().multiples.size(), 4u);
    EXPECT_EQ(ship().multiples[3]->shot_pool.size(), 3u);
    EXPECT_EQ(ship().multiples[3]->missile_pool.size(), 2u);
}

TEST_F(powergauge_ops, too_few_free_objects_fail_the_shot_type_and_keep_what_was_taken) {
    ASSERT_TRUE(start());
    int32_t free = 0;
    for (uint32_t i = 0; i < play.player.missiles.size(); ++i) {
        player_missile_t* w = play.player.missiles[i];
        if (w->type_id() == 2 && ++free > 1) {
            w->set_owner(play.player.multiples[0]); // held elsewhere
        }
    }
    const uint32_t active = powergauge::active_weapons.size();
    EXPECT_FALSE(powergauge_set_shot(&ship(), weapon_double));
    EXPECT_EQ(powergauge::shot_type, 0);
    EXPECT_EQ(ship().shot_pool.size(), 1u);
    EXPECT_EQ(powergauge::active_weapons.size(), active); // not rebuilt
}

class gauge_slots : public ship_fixture_t {
  protected:
    void SetUp() override {
        ship_fixture_t::SetUp();
        ASSERT_TRUE(start({.power_up = 1}));
    }

    gauge_t& gauge() { return *powergauge::gauge; }

    void cursor_to(int32_t slot) {
        gauge().cursor = 0;
        for (int32_t i = 0; i < slot; ++i) {
            powergauge_advance();
        }
    }
};

TEST_F(gauge_slots, the_speed_slot_alternates_every_128_frames_and_blinks_only_there) {
    cursor_to(2);
    play.frames(0, 10);
    EXPECT_EQ(gauge().blink, 0u);
    cursor_to(7); // round from 6 back to 1
    EXPECT_EQ(gauge().cursor, 1);
    play.frames(0, 127);
    EXPECT_TRUE(powergauge_activate(&ship()));
    EXPECT_EQ(ship().speed_level, 5);
    EXPECT_EQ(gauge().cursor, 0);
    cursor_to(1);
    play.frames(0, 128);
    EXPECT_TRUE(powergauge_activate(&ship()));
    EXPECT_EQ(ship().speed_level, 4);
    cursor_to(1);
    play.frames(0, 255);
    play.frame(input_powerup); // the 256th frame wraps the blink back to speed up
    EXPECT_EQ(ship().speed_level, 5);
}

TEST_F(gauge_slots, an_unavailable_slot_or_no_cursor_does_nothing) {
    EXPECT_FALSE(powergauge_activate(&ship()));
    powergauge_full_power(&ship());
    EXPECT_EQ(ship().speed_level, 6);
    for (int32_t slot : {2, 4, 5, 6}) {
        cursor_to(slot);
        play.frame(input_powerup);
        EXPECT_EQ(gauge().available[slot], 0) << slot;
        EXPECT_EQ(gauge().cursor, slot);
    }
    cursor_to(3);
    play.frame(input_powerup);
    EXPECT_EQ(gauge().cursor, 0);
    EXPECT_EQ(powergauge::shot_type, weapon_double);
}

} // namespace
