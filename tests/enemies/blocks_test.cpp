// The blocks on the kit: walls by type and param that no shot breaks, the splitter's sounds and its
// revenge only at level 8, and the one-up's item that is carried but never released.
#include "enemies/scenery/blocks.h"
#include "objects/oneup.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using blocks = enemy_kit_t;

} // namespace

TEST_F(blocks, each_wall_type_takes_its_own_record_its_cell_from_param_and_no_damage) {
    for (int32_t type = 288; type <= 293; ++type) {
        load({placed(type, 128, 128, type - 286, 38)});
        auto* wall = only<wall_t>();
        ASSERT_NE(wall, nullptr) << type;
        EXPECT_EQ(wall->info->id, type);
        EXPECT_EQ(wall->pattern, type - 286);
        EXPECT_EQ(object_total(), 1u) << "no explosion, no item";
        EXPECT_TRUE(shoot(128, 128, 9999));
        EXPECT_TRUE(wall->alive);
        EXPECT_EQ(wall->hp, wall->info->hit_points);
    }
    records({}, {290});
    load({placed(290, 128, 128)});
    EXPECT_EQ(object_total(), 0u);
}

TEST_F(blocks, the_splitter_sounds_its_hits_and_death_and_fires_back_only_at_level_8) {
    for (int32_t level : {7, 8}) {
        load({placed(176, 128, 128, 0, 38)}, level);
        ship_at(40, 128);
        auto* block = only<splitter_t>();
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(manifest_of(scene->stage, list_explosions)[0],
                  (part_t{"explosion_t", 68, 2, list_enemies0, 0}));
        shoot(128, 128, 0);
        shoot(128, 128, 1);
        run(1);
        EXPECT_EQ(sounds_of(48), 1) << "only the hit that took points";
        shoot(128, 128, 9999);
        EXPECT_FALSE(block->alive);
        EXPECT_TRUE(block->carried->alive);
        EXPECT_EQ(pool_shots_alive(), level == 8 ? 1 : 0) << level;
        run(1);
        EXPECT_EQ(sounds_of(57), 1);
        EXPECT_EQ(sounds_of(48), 1);
    }
}

TEST_F(blocks, a_one_up_carries_its_item_but_no_shot_releases_it) {
    load({placed(270, 128, 128, 0, 38)});
    auto* life = only<oneup_t>();
    ASSERT_NE(life, nullptr);
    ASSERT_NE(life->carried, nullptr);
    EXPECT_EQ(manifest_of(scene->stage, list_explosions).size(), 0u);
    shoot(128, 128, 9999);
    EXPECT_TRUE(life->alive);
    EXPECT_FALSE(life->carried->alive);
}
