// The armoured boss with arms: its assembly in list order, the parts it carries and the arms' lag, the
// core's gate and spare life, the shields' revenge, the volleys, the arms' sweeps and the beams.
#include "bosses/boss004_arms.h"
#include "bosses/boss004_body.h"
#include "enemies/jet.h"
#include "objects/play_globals.h"
#include "screen/soundctr.h"
#include "tests/bosses/midboss_kit.h"

namespace {

using boss004_test = midboss_kit_t;
using boss004::body_t;

constexpr int32_t se_requested = 2;

bool requested(int32_t id) {
    return g_soundctr.se_states[size_t(id)] == se_requested;
}

} // namespace

TEST_F(boss004_test, every_part_pool_and_explosion_is_assembled_in_order_or_none_without_a_record) {
    load({placed(311, 300, 128)});
    std::vector<part_t> enemies{{"boss004::body_t", 312}};
    for (int32_t i = 0; i < 3; ++i) {
        enemies.push_back({"jet_t", 93, 2});
    }
    enemies.push_back({"boss004::core_t", 318});
    for (int32_t i = 0; i < 4; ++i) {
        enemies.push_back({"boss004::core_shield_t", 320});
    }
    enemies.insert(enemies.end(), {{"boss004::arm_t", 314},
                                   {"boss004::arm_t", 314},
                                   {"boss004::body_cover_t", 313},
                                   {"boss004::core_cover_t", 319}});
    EXPECT_EQ(manifest_of(scene->stage, list_enemies0), enemies);

    std::vector<part_t> shots, explosions;
    for (int32_t i = 0; i < 32; ++i) {
        explosions.push_back({"explosion_t", i % 2 == 0 ? 68 : 69, i / 6 + 2});
    }
    for (int32_t i = 0; i < 64; ++i) {
        shots.push_back({"boss004::body_laser_t", 28, -1, list_enemies0, 0});
        explosions.push_back({"explosion_t", 29, 6, list_enemy_shots, i});
    }
    for (int32_t i = 0; i < 64; ++i) {
        shots.push_back({"missile_t", 321, -1, list_enemies0, 4});
    }
    explosions.push_back({"explosion_t", 86, 3, list_enemies0, 4});
    for (int32_t i = 0; i < 4; ++i) {
        explosions.push_back({"explosion_t", 50, 2, list_enemies0, 5 + i});
    }
    for (int32_t arm = 0; arm < 2; ++arm) {
        const int32_t beam = 128 + 33 * arm;
        shots.push_back({"boss004::arm_laser1_t", 315, -1, list_enemies0, 9 + arm});
        explosions.push_back({"boss004::flash_t", 316, 2});
        for (int32_t i = 0; i < 48; ++i) {
            explosions.push_back({"boss004::spark_t", 317, 2});
        }
        for (int32_t i = 0; i < 32; ++i) {
            shots.push_back({"missile_t", 28, -1, list_enemies0, 9 + arm});
            explosions.push_back({"explosion_t", 29, 2, list_enemy_shots, beam + 1 + i});
        }
    }
    explosions.push_back({"explosion_t", 50, 2, list_enemies0, 12});
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots), shots);
    const auto made = manifest_of(scene->stage, list_explosions);
    ASSERT_GT(made.size(), explosions.size());
    const size_t pattern = made.size() - explosions.size(); // the boss death pattern first
    EXPECT_EQ(made[0].owner_index, 0);
    EXPECT_EQ(std::vector<part_t>(made.begin() + long(pattern), made.end()), explosions);

    auto* body = only<body_t>();
    EXPECT_EQ(body->explosions.entries[17].dx, 0);
    EXPECT_EQ(body->explosions.entries[31].dy, 35);
    EXPECT_EQ(body->arms[1]->pattern, 1);
    EXPECT_EQ(body->body_lasers[63]->direction, 32);
    const std::vector<boss004::spark_t*>& sparks = body->arms[0]->beam->sparks;
    std::vector<int32_t> directions;
    for (size_t i = 0; i < 10; ++i) {
        directions.push_back(sparks[i]->direction);
    }
    EXPECT_EQ(directions, (std::vector<int32_t>{30, 34, 29, 36, 27, 36, 28, 37, 30, 34}));
    EXPECT_EQ(body->core->cover, body->core_cover);
    EXPECT_EQ(body->arms[0]->beam->alive, 0);

    for (int32_t record :
         {312, 313, 28, 29, 318, 319, 320, 321, 314, 315, 316, 317, 86, 90, 50, 68, 69, 93}) {
        records({}, {record});
        load({placed(311, 300, 128)});
        EXPECT_EQ(object_total(), 0u) << record;
    }
}
