// The phoenixes on the kit: assembly with every record looked up first, hatching untouchable and
// harmless, fans by level, the firing line and the edge, and the nest letting out its four birds.
#include "enemies/chasers/phoenix.h"
#include "tests/enemies/enemy_kit.h"

namespace {

using phoenix = enemy_kit_t;

} // namespace

TEST_F(phoenix, every_record_is_looked_up_first_and_a_nest_holds_four_dormant_birds_without_items) {
    for (auto [type, ids] :
         {std::pair{214, std::vector<int32_t>{214, 69, 24}}, {215, {215, 68, 214, 69, 24}}}) {
        for (int32_t missing : ids) {
            records({}, {missing});
            load({placed(type, 128, 128, 0, 38)});
            EXPECT_EQ(object_total(), 0u) << type << " without " << missing;
        }
    }
    records({});
    load({placed(214, 128, 128, 0, 38)});
    EXPECT_EQ(manifest_of(scene->stage, list_explosions),
              (std::vector<part_t>{{"explosion_t", 69, 2, list_enemies0, 0}}));
    EXPECT_EQ(manifest_of(scene->stage, list_enemy_shots),
              std::vector<part_t>(16, part_t{"missile_t", 24, -1, list_enemies0, 0}));
    EXPECT_EQ(only<phoenix001::body_t>()->carried->info->id, 38);
    load({placed(215, 128, 128, 0, 38)});
    auto* nest = only<phoenix002::body_t>();
    ASSERT_NE(nest, nullptr);
    EXPECT_EQ(nest->explosion->info->id, 68);
    EXPECT_EQ(all<item_t>().size(), 0u);
    EXPECT_EQ(all<missile_t>().size(), 64u);
    EXPECT_EQ(manifest_of(scene->stage, list_explosions).size(), 5u);
    for (phoenix001::body_t* bird : nest->children) {
        EXPECT_FALSE(bird->alive);
        EXPECT_EQ(bird->hp, 0);
        EXPECT_EQ(bird->shots.size(), 16u);
    }
}

TEST_F(phoenix, a_bird_hatches_untouchable_then_fires_fans_by_level_while_right_of_32) {
    struct row_t {
        int32_t level;
        int32_t x;
        std::vector<uint32_t> frames;
        std::vector<int32_t> directions; // of the first fan
        bool alive;                      // not yet past x = -16
    };
    const row_t rows[] = {
        {1, 200, {36, 164}, {32}, true},
        {2, 200, {36, 36, 164, 164}, {30, 34}, true},
        {3, 40, {36, 36}, {30, 34}, false},
        {3, 78, {36, 36, 100, 100}, {30, 34}, true}, // at x = 32.5 in frame 100
        {4, 200, {36, 36, 36, 100, 100, 100, 164, 164, 164}, {28, 32, 36}, true},
        {8, 200, {36, 36, 36, 36, 100, 100, 100, 100, 164, 164, 164, 164}, {26, 30, 34, 38}, true},
    };
    for (const row_t& r : rows) {
        load({placed(214, r.x, 128)}, r.level);
        scene->scroll_stop = 1;
        ship_at(-2000, 128);
        auto* bird = only<phoenix001::body_t>();
        run(35);
        EXPECT_EQ(bird->pattern, 7);
        EXPECT_EQ(bird->contact_damage(), 0);
        EXPECT_FALSE(shoot(bird->x, bird->y, 999)); // harmless: the shot flies on
        EXPECT_EQ(bird->hp, bird->max_hp());
        run(1);
        EXPECT_EQ(bird->state, 1);
        EXPECT_EQ(bird->x, float(r.x)); // no move in the frame it hatches
        std::vector<int32_t> flaps;     // frames 36, 41, 42, 60, 66
        for (uint32_t f = 36; f < 166; ++f) {
            run(1);
            if (f == 36 || f == 41 || f == 42 || f == 60 || f == 66) {
                flaps.push_back(bird->pattern);
            }
        }
        EXPECT_EQ(flaps, (std::vector<int32_t>{8, 8, 9, 12, 8})) << r.level;
        std::vector<uint32_t> frames;
        std::vector<int32_t> first;
        for (const launch_t& l : launches(list_enemy_shots)) {
            frames.push_back(l.frame);
            if (l.frame == 36) {
                first.push_back(l.direction);
                EXPECT_NEAR(l.speed, 1.2f, 1e-4);
            }
        }
        EXPECT_EQ(frames, r.frames) << r.level;
        EXPECT_EQ(first, r.directions) << r.level;
        EXPECT_EQ(bird->alive, r.alive) << r.x;
    }
    EXPECT_EQ(sounds_of(47), 0);
}

TEST_F(phoenix, a_destroyed_nest_lets_out_its_birds_at_their_offsets_to_hatch) {
    load({placed(215, 150, 100)}, 6);
    scene->scroll_stop = 1;
    ship_at(20, 20);
    auto* nest = only<phoenix002::body_t>();
    run(13);
    EXPECT_EQ(nest->pattern, 3);
    EXPECT_NEAR(nest->x, 150 - 13 * 0.7f, 1e-3);
    EXPECT_TRUE(shoot(nest->x, nest->y, 1)); // a hit it survives lets nothing out
    EXPECT_FALSE(nest->children[0]->alive);
    EXPECT_TRUE(shoot(nest->x, nest->y, 999));
    run(1);
    EXPECT_EQ(sounds_of(67), 1);
    const float offsets[4][2] = {{-20, 0}, {-8, -8}, {-8, 8}, {8, 0}};
    for (size_t i = 0; i < 4; ++i) {
        phoenix001::body_t* bird = nest->children[i];
        EXPECT_TRUE(bird->alive);
        EXPECT_EQ(bird->x, nest->x + offsets[i][0]) << i;
        EXPECT_EQ(bird->y, nest->y + offsets[i][1]) << i;
        EXPECT_EQ(bird->state, 0);
    }
    run(36);
    EXPECT_EQ(nest->children[3]->state, 1);
    EXPECT_TRUE(shoot(nest->children[3]->x, nest->children[3]->y, 999)); // level 6: the revenge shot
    run(1);
    EXPECT_EQ(sounds_of(66), 1);
    EXPECT_EQ(pool_shots_alive(), 1);
}
