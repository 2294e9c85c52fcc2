// The ship and its debris against the terrain layers.
#include "objects/objectinfo.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/ship.h"
#include "player/smoke.h"
#include "tests/player/ship_play_standin.h"
#include "tests/player/terrain_fixture.h"
#include "tools/sample/objectinfo_file.h"

namespace {

class ship_terrain : public terrain_fixture_t {
  protected:
    void SetUp() override {
        terrain_fixture_t::SetUp();
        std::string error;
        ASSERT_TRUE(write_objectinfo_file(".", error)) << error;
        ASSERT_TRUE(objectinfo_load(".\\bin\\objectinfo.dat", 1));
        ASSERT_TRUE(play.startup({}));
        play.start_stage();
        ASSERT_TRUE(play.until_in_play());
        while (ship().invulnerable_timer > 0) {
            play.frame(0);
        }
    }

    ship_t& ship() { return *play.ship; }

    ship_play_standin_t play;
};

TEST_F(ship_terrain, only_a_solid_pixel_under_the_centre_of_a_drawn_layer_is_fatal) {
    const int32_t x = int32_t(ship().x);
    const int32_t y = int32_t(ship().y);
    solid(*slot1, x + 1, y);
    cg->offset_x = 10;
    solid(*cg, x - 10, y);
    cg->holds_picture = false;
    play.frame(0);
    EXPECT_EQ(ship().dying_timer, 0u);
    cg->holds_picture = true;
    play.frame(0);
    EXPECT_EQ(ship().dying_timer, 128u);
}

TEST_F(ship_terrain, with_a_shield_the_terrain_costs_a_hit_point) {
    powergauge_give_shield(&ship());
    play.frames(0, 8);
    solid(*slot0, int32_t(ship().x), int32_t(ship().y));
    play.frame(0);
    EXPECT_EQ(ship().dying_timer, 0u);
    EXPECT_EQ(play.player.shield->get_hp(), play.player.shield->max_hp() - 1);
}

TEST_F(ship_terrain, a_puff_vanishes_on_the_cg_layer_only_when_asked_to) {
    smoke_t* puff = ship().debris.front();
    solid(*cg, 50, 60);
    solid(*slot0, 80, 60);
    // Read outside a frame: locked as the frame's update locks them.
    cg->lock();
    slot0->lock();
    for (float at : {50.5f, 80.5f}) {
        puff->terrain_collision = 1;
        puff->set_position(at, 60.5f);
        puff->start();
        puff->update();
        EXPECT_EQ(puff->alive, at == 80.5f) << at; // background layers never stop a puff
    }
    puff->terrain_collision = 0;
    puff->set_position(50.5f, 60.5f);
    puff->start();
    puff->update();
    EXPECT_TRUE(puff->alive);
    EXPECT_NE(puff->x, 50.5f);
}

} // namespace
