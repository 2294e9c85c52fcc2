// Items on the ship and the sounds that confirm them. Pick-up sound 32 (33 for a capsule) answers every
// pick-up, also one that changes nothing; the effect's own sound and the flash answer an effect that
// applied; the gauge's activation, which is no pick-up, is confirmed by the effect's sound alone.
#include "objects/score.h"
#include "player/discharge.h"
#include "player/powergauge.h"
#include "tests/player/ship_fixture.h"

namespace {

class ship_items : public ship_fixture_t {
  protected:
    void SetUp() override {
        ship_fixture_t::SetUp();
        ASSERT_TRUE(start({.power_up = 1}));
        forget_sounds();
        play.player.discharge->kill();
    }

    // Picks an item of the kind up; whether the effect applied.
    bool pick_up(int32_t kind) {
        bool applied = false;
        EXPECT_TRUE(ship().apply_item(kind, 100, true, applied));
        return applied;
    }
};

TEST_F(ship_items, an_applied_item_sounds_twice_and_flashes) {
    const int32_t sounds[] = {80, 86, 81, 82, 83, 84, 85}; // kinds 35 .. 41
    const int32_t kinds[] = {item_speed_up, item_speed_down, item_missile, item_double,
                             item_laser,    item_multiple,   item_shield};
    for (size_t i = 0; i < std::size(kinds); ++i) {
        forget_sounds();
        play.player.discharge->kill();
        EXPECT_TRUE(pick_up(kinds[i])) << kinds[i];
        EXPECT_TRUE(requested(32));
        EXPECT_TRUE(requested(sounds[i])) << kinds[i];
        EXPECT_TRUE(play.player.discharge->alive);
    }
    EXPECT_EQ(g_score, 700);
}

TEST_F(ship_items, an_item_that_changes_nothing_still_sounds_scores_and_is_taken) {
    EXPECT_FALSE(pick_up(item_speed_down)); // already at the lowest level
    EXPECT_TRUE(requested(32));
    EXPECT_FALSE(requested(86));
    EXPECT_FALSE(play.player.discharge->alive);
    EXPECT_FALSE(pick_up(item_speed)); // not a kind the ship knows
    EXPECT_EQ(g_score, 200);
}

TEST_F(ship_items, a_capsule_moves_the_cursor_without_flash_or_confirmation) {
    EXPECT_FALSE(pick_up(item_capsule));
    EXPECT_TRUE(requested(33));
    EXPECT_FALSE(requested(32));
    EXPECT_FALSE(play.player.discharge->alive);
    EXPECT_EQ(powergauge::gauge->cursor, 1);
}

TEST_F(ship_items, the_gauge_is_confirmed_by_the_effect_sound_alone) {
    powergauge_advance();
    powergauge_advance();
    play.frame(input_powerup);
    EXPECT_EQ(powergauge::missile_type, weapon_missile);
    EXPECT_TRUE(requested(81));
    EXPECT_FALSE(requested(32));
    EXPECT_TRUE(play.player.discharge->alive);
    EXPECT_EQ(g_score, 0);
}

TEST_F(ship_items, outside_play_nothing_happens_and_the_item_stays) {
    ship().game_over();
    bool applied = true;
    EXPECT_FALSE(ship().apply_item(item_laser, 100, true, applied));
    EXPECT_FALSE(applied);
    EXPECT_FALSE(requested(32));
    EXPECT_EQ(g_score, 0);
    EXPECT_EQ(powergauge::shot_type, weapon_normal);
}

} // namespace
