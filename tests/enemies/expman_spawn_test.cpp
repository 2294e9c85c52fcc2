// The explosion sequencer's assembly on the kit: 192 explosions in two mirrored bands, none without all
// six records, and no hurt from shots.
#include "objects/expman.h"
#include "tests/enemies/enemy_kit.h"

#include <utility>

using expman_spawn = enemy_kit_t;

TEST_F(expman_spawn, it_holds_192_explosions_in_two_mirrored_bands_and_takes_no_damage) {
    for (int32_t missing : {0, 65, 66, 67, 68, 69}) {
        records({}, {missing});
        load({placed(91, 0, 0, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    load({placed(91, 0, 0, 0, 37)});
    auto* manager = only<expman_t>();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->carried, nullptr);
    const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
    ASSERT_EQ(blasts.size(), 192u);
    ASSERT_EQ(manager->set.entries.size(), 192u);
    // Entry, record, period, dx, dy.
    const int32_t rows[][5] = {{0, 65, 2, 12, 24},   {4, 69, 2, 64, 32},    {17, 67, 3, 18, 0},
                               {95, 65, 7, 240, 16}, {96, 65, 2, 244, 232}, {191, 65, 7, 16, 240}};
    for (const auto& r : rows) {
        const auto& entry = manager->set.entries[size_t(r[0])];
        EXPECT_EQ(blasts[size_t(r[0])], (part_t{"explosion_t", r[1], r[2]})) << r[0];
        EXPECT_EQ(entry.explosion, scene->stage.explosions[uint32_t(r[0])]);
        EXPECT_EQ(std::pair(entry.dx, entry.dy), std::pair(r[3], r[4])) << r[0];
    }
    manager->damage(100);
    EXPECT_TRUE(manager->alive);
    EXPECT_EQ(manager->hp, manager->max_hp());
}
