// The mothership on the kit: its assembly and beams, the shrinking, the chain of blasts with its waiting
// cursor, the flash, the fades, and the self-destruction at t = 680 that no shot can bring forward.
#include "enemies/scenery/mothership.h"
#include "objects/longflash.h"
#include "objects/score.h"
#include "tests/enemies/enemy_kit.h"

#include <array>
#include <utility>

namespace {

using mothership = enemy_kit_t;

constexpr uint32_t script = 128; // frames before t = 0

mothership_t* parked(enemy_kit_t& kit) {
    kit.load({placed(347, 160, 100)});
    return kit.only<mothership_t>();
}

} // namespace

TEST_F(mothership, it_is_assembled_in_order_with_six_beams_and_32_blasts_and_not_at_all_without_a_record) {
    for (int32_t missing : {347, 60, 69, 349, 348, 0}) {
        records({}, {missing});
        load({placed(347, 160, 100)});
        EXPECT_EQ(object_total(), 0u) << missing;
    }
    records({});
    mothership_t* body = parked(*this);
    ASSERT_NE(body, nullptr);
    ASSERT_EQ(body->flash, only<horzflash_t>());
    EXPECT_FALSE(body->flash->alive);
    EXPECT_EQ(manifest_of(scene->stage, list_enemies2), (std::vector<part_t>{{"horzflash_t", 349}}));
    const std::vector<part_t> blasts = manifest_of(scene->stage, list_explosions);
    const size_t pattern = 18; // the death pattern and its parts
    ASSERT_EQ(blasts.size(), pattern + 6 * 65 + 32);
    EXPECT_EQ(blasts[pattern], (part_t{"longflash_control_t", 0, 2}));
    EXPECT_EQ(blasts[pattern + 1], (part_t{"longflash_t", 348, 2}));
    ASSERT_EQ(body->flash_controls.size(), 6u);
    for (int32_t i = 0; i < 6; ++i) {
        const longflash_control_t* control = body->flash_controls[size_t(i)];
        EXPECT_EQ(control, scene->stage.explosions[uint32_t(pattern) + uint32_t(65 * i)]);
        EXPECT_EQ(control->angle, 60 * i);
        EXPECT_EQ(control->interval, 8 - i);
        EXPECT_EQ(control->origin_x, 128);
        EXPECT_EQ(control->length, 160);
        EXPECT_EQ((std::array{control->flashes[15]->base_pattern, control->flashes[16]->base_pattern,
                              control->flashes[63]->base_pattern}),
                  (std::array{0, 8, 24}));
    }
    ASSERT_EQ(body->blasts.entries.size(), 32u);
    const int32_t dx[16] = {-4, 6, 4, 8, -8, -4, 6, -8, 2, 3, -6, 2, 6, -2, 10, -6};
    const int32_t dy[16] = {0, -4, 2, -1, 3, -2, -2, 0, 0, 2, -2, 4, -3, 0, -2, 3};
    for (int32_t i = 0; i < 32; ++i) {
        const bool large = i == 0 || i == 13 || i == 26;
        EXPECT_EQ(blasts[pattern + 390 + size_t(i)],
                  (part_t{"mothership_explosion_t", large ? 69 : 60, i / 3 + 4}))
            << i;
        const auto& entry = body->blasts.entries[size_t(i)];
        EXPECT_EQ(entry.explosion, scene->stage.explosions[uint32_t(pattern + 390) + uint32_t(i)]);
        EXPECT_EQ(std::pair(entry.dx, entry.dy), std::pair(dx[i % 16], dy[i % 16])) << i;
    }
}

TEST_F(mothership, it_shrinks_to_10_and_bursts_in_a_chain_where_it_stands_while_the_stage_scrolls) {
    mothership_t* body = parked(*this);
    // Frames, then the scale.
    const std::pair<uint32_t, int32_t> scales[] = {{1, 99}, {3, 99}, {1, 98}, {351, 11}, {1, 10}, {40, 10}};
    for (const auto& [frames, scale] : scales) {
        run(frames);
        EXPECT_EQ(look_of(*body).scale, scale);
    }
    // Entry 0 still burning from before: the cursor waits a turn of 12 frames.
    body = parked(*this);
    run(script);
    body->blasts.entries[0].explosion->start();
    run(1);
    EXPECT_EQ(body->blasts.next, 0);
    body->blasts.entries[0].explosion->kill();
    run(24);
    EXPECT_FLOAT_EQ(body->x, 160);
    EXPECT_EQ(look_of(*body).image, body->info->image_id);
    const std::vector<launch_t> blasts = launches(list_explosions);
    ASSERT_EQ(blasts.size(), 2u);
    const uint32_t first = uint32_t(scene->stage.explosions.size()) - 32;
    EXPECT_EQ(blasts[0], (launch_t{script + 12, list_explosions, int32_t(first), 156, 100, -1, 0}));
    EXPECT_EQ(blasts[1], (launch_t{script + 24, list_explosions, int32_t(first + 1), 166, 96, -1, 0}));
    EXPECT_EQ(body->blasts.next, 2);
}

TEST_F(mothership, at_t_680_it_destroys_itself_after_the_flash_and_the_fade_to_white) {
    mothership_t* body = parked(*this);
    run(script + 568);
    EXPECT_FALSE(body->flash->alive);
    const int32_t hp = body->hp;
    body->damage(9999);
    EXPECT_EQ(body->hp, hp);
    // Started at t = 568, the flash thickens by a row of 8 patterns every third frame, up to 120.
    const std::pair<uint32_t, int32_t> growth[] = {{1, 0}, {2, 0}, {1, 8}, {3, 16}, {39, 120}, {9, 120}};
    for (const auto& [frames, pattern] : growth) {
        run(frames);
        EXPECT_TRUE(body->flash->alive);
        EXPECT_EQ(look_of(*body->flash).pattern, pattern);
    }
    run(680 - 623);
    EXPECT_TRUE(body->alive);
    const int32_t score = g_score;
    run(1);
    EXPECT_FALSE(body->alive);
    EXPECT_EQ(g_score - score, body->info->score);
    EXPECT_EQ(alive_count(scene->stage.explosions.items), 17) << "the death pattern's parts, no blast";
    EXPECT_FALSE(body->flash->alive);
    EXPECT_EQ(posted_since(0), (std::vector<std::tuple<uint32_t, int32_t, int32_t>>{{script + 616, 415, 5},
                                                                                    {script + 680, 413, 5}}));
    std::vector<uint32_t> rumbles;
    for (uint32_t t : {296, 424, 488, 524, 580, 604, 640, 648, 654, 660, 666, 672, 678}) {
        rumbles.push_back(script + t);
    }
    EXPECT_EQ(sound_frames(44), rumbles);
    EXPECT_EQ(sound_frames(71), std::vector<uint32_t>{script + 680});
}
