#include "objects/hitmark.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "play/play_state.h"
#include "player/player_missile.h"
#include "player/weapon_terrain.h"
#include "tests/player/player_fixture.h"
#include "tests/player/terrain_fixture.h"

namespace {

class terrain : public terrain_fixture_t {
  protected:
    void SetUp() override {
        reset_play_state();
        terrain_fixture_t::SetUp();
    }

    int32_t layer_hit(const terrain_row_t& row, int32_t px, int32_t py) {
        return probe_terrain(row, px, py).layer;
    }
};

} // namespace

TEST_F(terrain, a_shot_hitting_slot_1_dies_with_its_effect_and_leaves_one_crater_whatever_the_mode) {
    g_terrain_mode = 0; // enemy shots only
    slot1->offset_x = 100;
    slot1->offset_y = 20;
    solid(*slot1, 50, 40);
    player_missile_t shot(&shot_info);
    explosion_t effect(&hit_info, 0);
    shot.effect = &effect;
    shot.set_speed(8.0f);
    shot.set_position(142.5f, 60.7f);
    shot.start();
    shot.update();
    g_terrain_mode = 2;
    EXPECT_FALSE(shot.alive);
    EXPECT_TRUE(effect.alive);
    EXPECT_EQ(effect.x, 150.5f);
    ASSERT_EQ(g_hitmarks.size(), 1u);
    EXPECT_EQ(g_hitmarks[0].layer, slot1.get());
    EXPECT_EQ(g_hitmarks[0].x, 50);
    EXPECT_EQ(g_hitmarks[0].y, 40);
    EXPECT_EQ(g_score, 2);
}

TEST_F(terrain, a_hit_found_first_on_the_cg_layer_or_slot_0_leaves_no_crater) {
    solid(*cg, 80, 80);
    solid(*slot0, 80, 80);
    solid(*slot1, 80, 80);
    EXPECT_EQ(layer_hit(terrain_rows::shot, 80, 80), 0);
    cg->holds_picture = false; // a layer without a picture is not probed
    player_missile_t shot(&shot_info);
    shot.set_position(80, 80);
    shot.start();
    shot.check_bg_hit();
    EXPECT_FALSE(shot.alive);
    EXPECT_TRUE(g_hitmarks.empty());
}

TEST_F(terrain, each_row_probes_its_own_rectangles) {
    solid(*cg, 99, 99);
    EXPECT_EQ(layer_hit(terrain_rows::shot, 100, 100), 0) << "2 x 2 up and left";
    EXPECT_EQ(layer_hit(terrain_rows::shot, 101, 100), -1);
    EXPECT_EQ(layer_hit(terrain_rows::homing, 100, 100), -1) << "1 x 1";
    solid(*slot1, 40, 40);
    EXPECT_EQ(layer_hit(terrain_rows::shot, 41, 41), terrain_slot1) << "4 x 4 on slot 1";
    EXPECT_EQ(layer_hit(terrain_rows::shot, 43, 40), -1);
    EXPECT_EQ(layer_hit(terrain_rows::long_laser, 43, 42), terrain_slot1) << "6 wide, 4 high";
    EXPECT_EQ(layer_hit(terrain_rows::long_laser, 44, 40), -1);
    EXPECT_EQ(layer_hit(terrain_rows::long_laser, 40, 43), -1);
    solid(*slot0, 60, 60);
    EXPECT_EQ(layer_hit(terrain_rows::drip, 62, 62), 1) << "4 x 4 on slot 0";
    EXPECT_EQ(layer_hit(terrain_rows::ion_blast, 59, 59), 1);
    EXPECT_EQ(layer_hit(terrain_rows::homing, 61, 60), -1);
    EXPECT_EQ(layer_hit(terrain_rows::crawler, 59, 59), 1) << "2 x 2 from the point itself";
    EXPECT_EQ(layer_hit(terrain_rows::crawler, 61, 61), -1);
}

TEST_F(terrain, probes_wrap_around_the_layer_through_its_offsets) {
    cg->offset_x = 10;
    solid(*cg, 255, 0);
    EXPECT_EQ(layer_hit(terrain_rows::homing, 9, 0), 0) << "9 - 10 wraps to 255";
    solid(*slot1, 511, 511);
    EXPECT_EQ(layer_hit(terrain_rows::shot, 0, 0), terrain_slot1) << "the 4 x 4 square reaches -2, -2";
}
