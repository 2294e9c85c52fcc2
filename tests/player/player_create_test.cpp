// The player container: what creation makes, and what it refuses.
#include "objects/item.h"
#include "objects/object_count.h"
#include "player/discharge.h"
#include "player/mulctr.h"
#include "player/player.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/smoke.h"
#include "tests/player/ship_fixture.h"

namespace {

using player_create = ship_fixture_t;

void expect_empty(const player_t& player) {
    EXPECT_EQ(player.ship, nullptr);
    EXPECT_EQ(player.controller, nullptr);
    EXPECT_EQ(player.explosions.size(), 0u);
    EXPECT_TRUE(player.items.empty());
}

TEST_F(player_create, a_bad_option_type_or_a_missing_record_makes_nothing) {
    const int32_t objects = g_object_count;
    for (int32_t option_type : {0, 3}) {
        player_t player;
        EXPECT_FALSE(player.create(option_type));
        expect_empty(player);
    }
    // Record 73 is only for three debris puffs, and is required all the same.
    for (int32_t id : {73, 61}) {
        ASSERT_TRUE(load_table_without({id}));
        player_t player;
        EXPECT_FALSE(player.create(1)) << id;
        player.destroy_all();
        expect_empty(player);
    }
    EXPECT_EQ(g_object_count, objects);
}

TEST_F(player_create, the_ship_starts_bare_with_dormant_debris_and_items) {
    const int32_t objects = g_object_count;
    player_t player;
    ASSERT_TRUE(player.create(2));
    EXPECT_NE(dynamic_cast<mulctr_spacing_t*>(player.controller), nullptr);
    EXPECT_FALSE(player.shield->alive);
    EXPECT_FALSE(player.discharge->alive);
    EXPECT_EQ(player.explosions.size(), 17u);
    EXPECT_EQ(player.ship->explosion->period, 3u);
    ASSERT_EQ(player.ship->debris.size(), 16u);
    for (smoke_t* puff : player.ship->debris) {
        EXPECT_FALSE(puff->alive);
        EXPECT_EQ(puff->type_id(), puff->direction == 32 ? 73 : 175);
        EXPECT_LT(puff->vx, 0.0f);
    }
    ASSERT_EQ(player.items.size(), 56u);
    EXPECT_EQ(player.items[16]->type_id(), item_speed);
    EXPECT_EQ(player.items[55]->type_id(), item_capsule);
    EXPECT_FALSE(player.create(2)); // a second creation would lose the first
    player.destroy_all();
    expect_empty(player);
    EXPECT_EQ(g_object_count, objects);
}

TEST_F(player_create, a_missing_item_record_only_skips_those_items) {
    ASSERT_TRUE(load_table_without({42}));
    player_t player;
    ASSERT_TRUE(player.create(1));
    EXPECT_EQ(player.items.size(), 48u);
}

} // namespace
