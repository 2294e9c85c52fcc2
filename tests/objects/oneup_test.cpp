#include "objects/explosion.h"
#include "objects/oneup.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "player/ship.h"
#include "tests/objects/records.h"

#include <gtest/gtest.h>

namespace {

void updates(object_t& object, int n) {
    for (int i = 0; i < n; ++i) {
        object.update();
    }
}

} // namespace

TEST(oneup, a_one_up_gives_exactly_one_life_then_rises_and_disappears) {
    const objectinfo_t oneup_record = test_record(270, 16, 16, 1);
    const objectinfo_t ship_record = test_record(44, 16, 8, 1);
    const objectinfo_t effect_record = test_record(50, 8, 8, 1);
    ship_t ship(&ship_record, 10, 10);
    g_player_ship = &ship;
    g_lives = 3;
    oneup_t oneup(&oneup_record, 100, 100, 0);
    explosion_t boom(&effect_record, 0);
    oneup.attach_explosion(&boom);
    oneup.update();
    EXPECT_EQ(g_lives, 3);
    EXPECT_EQ(oneup.blend_mode(), 256);
    ship.set_position(107.9f, 92); // truncates to 107, inside 92..107
    oneup.update();
    EXPECT_EQ(g_lives, 4);
    EXPECT_EQ(oneup.blend_mode(), 4);
    EXPECT_EQ(oneup.y, 99.5f);
    updates(oneup, 63);
    EXPECT_EQ(g_lives, 4);
    EXPECT_EQ(oneup.y, 68.0f);
    EXPECT_TRUE(oneup.alive);
    oneup.update();
    EXPECT_FALSE(oneup.alive);
    EXPECT_TRUE(boom.alive);
    oneup.damage(100);
    g_player_ship = nullptr;
}

TEST(oneup, a_one_up_ignores_a_ship_centre_on_its_far_edge) {
    const objectinfo_t oneup_record = test_record(270, 16, 16, 1);
    const objectinfo_t ship_record = test_record(44, 16, 8, 1);
    ship_t ship(&ship_record, 108, 100); // right edge 108 is outside
    g_player_ship = &ship;
    g_lives = 3;
    oneup_t oneup(&oneup_record, 100, 100, 0);
    oneup.update();
    EXPECT_EQ(g_lives, 3);
    g_player_ship = nullptr;
}
