// What a dying ship leaves behind in the two power-down modes, and what it keeps.
#include "objects/item.h"
#include "player/multiple.h"
#include "player/powergauge.h"
#include "tests/player/ship_fixture.h"

#include <vector>

namespace {

class power_down : public ship_fixture_t {
  protected:
    // Equips shield, two multiples, laser and missile, spreads the trail, then dies of repeated hits.
    void die_equipped(const play_settings_t& settings) {
        ASSERT_TRUE(start(settings));
        play.player.kill_items(); // what the play start left
        ASSERT_TRUE(powergauge_apply_bits(&ship(), 58, 2));
        play.frames(input_right, 30);
        while (ship().invulnerable_timer > 0) {
            play.frame(0);
        }
        for (multiple_t* m : ship().multiples) {
            formation.push_back(m->x);
        }
        while (ship().state == ship_t::play) {
            ship().damage(1);
            play.frame(0);
        }
        EXPECT_EQ(powergauge::shot_type, weapon_normal);
        EXPECT_EQ(powergauge::missile_type, 0);
        EXPECT_TRUE(ship().multiples.empty());
        EXPECT_FALSE(play.player.multiples[0]->alive);
        EXPECT_EQ(play.player.multiples[0]->shot_pool.size(), 0u);
    }

    std::vector<item_t*> alive_items(int32_t kind = -1) {
        std::vector<item_t*> found;
        for (item_t* item : play.player.items) {
            if (item->alive && (kind < 0 || item->type_id() == kind)) {
                found.push_back(item);
            }
        }
        return found;
    }

    std::vector<float> formation;
};

TEST_F(power_down, lose_all_leaves_each_multiple_standing_as_an_item) {
    die_equipped({.power_down = 0});
    const std::vector<item_t*> left = alive_items();
    ASSERT_EQ(left.size(), 2u);
    for (size_t i = 0; i < left.size(); ++i) {
        EXPECT_EQ(left[i]->type_id(), item_multiple);
        EXPECT_EQ(left[i]->released, 0);
        EXPECT_EQ(left[i]->x, formation[i]);
    }
}

TEST_F(power_down, leave_items_in_item_mode_throws_the_equipment_and_a_speed_item_out) {
    die_equipped({.power_up = 0, .power_down = 1});
    ASSERT_EQ(alive_items(item_missile).size(), 1u);
    ASSERT_EQ(alive_items(item_laser).size(), 1u);
    EXPECT_EQ(alive_items(item_missile)[0]->direction, 6);
    EXPECT_EQ(alive_items(item_laser)[0]->direction, 58);
    EXPECT_EQ(alive_items(item_multiple).size(), 2u);
    EXPECT_EQ(alive_items(item_speed_up).size(), 1u); // a speed item turns speed-up as it flies
    EXPECT_EQ(alive_items().size(), 5u);
    for (item_t* item : alive_items()) {
        EXPECT_EQ(item->released, 1);
    }
}

TEST_F(power_down, any_mode_but_lose_all_leaves_items) {
    die_equipped({.power_up = 0, .power_down = 2});
    EXPECT_EQ(alive_items().size(), 5u);
    for (item_t* item : alive_items()) {
        EXPECT_EQ(item->released, 1);
    }
}

TEST_F(power_down, leave_items_in_capsule_mode_throws_five_capsules_fanned_out) {
    die_equipped({.power_up = 1, .power_down = 1});
    const std::vector<item_t*> capsules = alive_items(item_capsule);
    ASSERT_EQ(capsules.size(), 5u);
    const int32_t directions[] = {56, 60, 0, 4, 8};
    for (size_t i = 0; i < capsules.size(); ++i) {
        EXPECT_EQ(capsules[i]->direction, directions[i]);
    }
    EXPECT_EQ(alive_items().size(), 5u + 2u);
}

TEST_F(power_down, a_death_rewinds_a_gauge_cursor_to_the_first_slot_in_both_modes) {
    for (int32_t mode : {0, 1}) {
        ASSERT_TRUE(play.startup({.power_up = 1, .power_down = mode}));
        powergauge_advance();
        powergauge_advance();
        powergauge::gauge->blink = 9;
        powergauge_update(&ship());
        EXPECT_EQ(powergauge::gauge->cursor, 1);
        EXPECT_EQ(powergauge::gauge->blink, 0u);
        powergauge::gauge->cursor = 0;
        powergauge_update(&ship());
        EXPECT_EQ(powergauge::gauge->cursor, 0);
        powergauge_destroy();
        play.player.destroy_all();
    }
}

TEST_F(power_down, leave_items_in_item_mode_throws_a_speed_item_even_at_the_play_start) {
    ASSERT_TRUE(play.startup({.power_up = 0, .power_down = 1}));
    ASSERT_EQ(alive_items().size(), 1u);
    EXPECT_EQ(alive_items()[0]->type_id(), item_speed);
    play.start_stage();
    EXPECT_TRUE(alive_items().empty());
}

} // namespace
