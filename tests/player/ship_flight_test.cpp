// Every ship type in a stand-in stage: scripted input flies it, shoots an enemy for its capsule, powers
// it up through capsules and an item, fires each weapon of its loadout with a multiple beside it, loses
// it and respawns it.
#include "objects/enemy.h"
#include "objects/item.h"
#include "objects/score.h"
#include "player/loadout.h"
#include "player/longlaser.h"
#include "player/multiple.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "tests/player/ship_fixture.h"

namespace {

class ship_flight : public ship_fixture_t, public ::testing::WithParamInterface<int32_t> {
  protected:
    // Whether an object of the pool is in flight; a long laser flies as the pieces of its controller.
    static bool firing(weapon_list_t& pool) {
        for (uint32_t i = 0; i < pool.size(); ++i) {
            const auto* laser = dynamic_cast<longlaser_ctr_t*>(pool[i]);
            if (pool[i]->alive || (laser != nullptr && laser->head != nullptr && laser->head->alive)) {
                return true;
            }
        }
        return false;
    }

    // Fires with the key after what flew before has left the screen.
    void fire_both(uint8_t key, bool missiles) {
        play.frames(0, 60);
        play.frame(key);
        multiple_t* pod = ship().multiples.at(0);
        EXPECT_TRUE(firing(missiles ? ship().missile_pool : ship().shot_pool));
        EXPECT_TRUE(firing(missiles ? pod->missile_pool : pod->shot_pool));
    }

    // Picks up n capsules dropped in front of the ship, then takes the slot.
    void take_slot(int32_t n) {
        for (int32_t i = 0; i < n; ++i) {
            play.add_item(item_capsule, ship().x + 4, ship().y);
            play.frame(0);
        }
        ASSERT_EQ(powergauge::gauge->cursor, n);
        play.frame(input_powerup);
        EXPECT_EQ(powergauge::gauge->cursor, 0);
    }
};

TEST_P(ship_flight, the_ship_powers_up_fires_its_loadout_dies_and_flies_in_again) {
    const int32_t type = GetParam();
    ASSERT_TRUE(start({.ship_type = type, .power_up = 1, .power_down = 1, .option_type = 1 + type % 2}));

    play.frames(input_up | input_right, 20);
    item_t* capsule = play.add_item(item_capsule, 0, 0, false);
    enemy_t* enemy = play.add_enemy(ship().x + 70, ship().y, capsule);
    for (int frames = 0; enemy->alive && frames < 60; ++frames) {
        play.frame(input_shot);
    }
    EXPECT_FALSE(enemy->alive);
    EXPECT_TRUE(requested(101));
    EXPECT_EQ(g_score, enemy->score());
    play.frames(input_right, 40); // onto the capsule it dropped
    EXPECT_FALSE(capsule->alive);
    play.frame(input_powerup);
    EXPECT_EQ(ship().speed_level, 5);

    take_slot(5);
    ASSERT_EQ(ship().multiples.size(), 1u);
    play.frames(input_down, 20); // the multiple falls in behind
    take_slot(2);
    fire_both(input_missile, true);
    take_slot(3);
    EXPECT_EQ(powergauge::shot_type, weapon_double);
    fire_both(input_shot, false);
    play.add_item(item_laser, ship().x + 4, ship().y);
    play.frame(0);
    EXPECT_EQ(ship().shot_pool[0]->type_id(), loadout_table[type].laser_kind);
    fire_both(input_shot, false);

    // Enemies ram the ship until it dies.
    const int32_t lives = g_lives;
    while (ship().invulnerable_timer > 0) {
        play.frame(0);
    }
    for (int rams = 0; ship().state == ship_t::play && rams < 400; ++rams) {
        play.add_enemy(ship().x, ship().y);
        play.frame(0);
    }
    EXPECT_EQ(ship().state, ship_t::dead);
    EXPECT_EQ(powergauge::shot_type, weapon_normal);
    EXPECT_TRUE(ship().multiples.empty());
    int32_t thrown = 0;
    for (item_t* item : play.player.items) {
        thrown += item->alive && item->released ? 1 : 0;
    }
    EXPECT_EQ(thrown, 5 + 1); // five capsules and the multiple

    ASSERT_TRUE(play.until_in_play());
    EXPECT_EQ(g_lives, lives - 1);
    play.frame(input_shot);
    EXPECT_TRUE(firing(ship().shot_pool));
}

INSTANTIATE_TEST_SUITE_P(ship_types, ship_flight, ::testing::Values(0, 1, 2, 3));

} // namespace
