#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "screen/vscreen.h"
#include "tests/objects/records.h"
#include "tests/screen/screen_fixture.h"
#include "umlib/surface.h"

namespace {

const objectinfo_t shot_record = test_record(17, 4, 4, 1);
const objectinfo_t effect_record = test_record(62, 8, 8, 4);

// A shot flying over one solid pixel of the cg layer, with the terrain layers locked as in the update.
class shot_terrain : public screen_fixture_t {
  protected:
    void SetUp() override {
        screen_fixture_t::SetUp();
        ASSERT_TRUE(start(32, 0, false));
        cg = g_screenctr.cg;
        cg->offset_x = 10;
        blend_test::put_pixel(*cg->surface, 90, 50, 0x00FF00);
        cg->dirty = 1;
        cg->lock();
        shot.effect = &effect;
    }
    void TearDown() override {
        cg->unlock();
        g_terrain_mode = 2;
        screen_fixture_t::TearDown();
    }
    // One update from just left of the solid pixel's screen point (100, 50) onto it.
    void fly_onto_it() {
        shot.set_position(99.5f, 50.25f);
        shot.vx = 1;
        shot.vy = 0;
        shot.start();
        shot.update();
    }

    vscreen_t* cg = nullptr;
    missile_t shot{&shot_record, 0};
    explosion_t effect{&effect_record, 0};
};

} // namespace

TEST_F(shot_terrain, the_cg_layer_stops_shots_only_in_the_full_terrain_mode) {
    g_terrain_mode = 1;
    fly_onto_it();
    EXPECT_TRUE(shot.alive);
    g_terrain_mode = 0;
    fly_onto_it();
    EXPECT_TRUE(shot.alive);
    g_terrain_mode = 2;
    fly_onto_it();
    EXPECT_FALSE(shot.alive);
    EXPECT_TRUE(effect.alive); // a background hit starts the effect where the shot died
    EXPECT_EQ(effect.x, 100.5f);
}

TEST_F(shot_terrain, a_layer_without_a_picture_is_not_probed) {
    g_terrain_mode = 2;
    cg->dirty = 0;
    fly_onto_it();
    EXPECT_TRUE(shot.alive);
}
