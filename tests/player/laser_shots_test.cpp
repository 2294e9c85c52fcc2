#include "objects/hitmark.h"
#include "objects/trig_tables.h"
#include "player/ionblast.h"
#include "player/ripplelaser.h"
#include "screen/soundctr.h"
#include "tests/objects/records.h"
#include "tests/player/crawl_fixture.h"
#include "tests/player/player_fixture.h"

#include <cmath>
#include <vector>

namespace {

const objectinfo_t ripple_info = test_record(14, 8, 16, 1);
const objectinfo_t ion_info = test_record(16, 8, 8, 1);

class laser_shots : public crawl_fixture_t {
  protected:
    static bool requested(int32_t id) { return g_soundctr.se_states[size_t(id)] != 0; }

    // A weapon fired by the firer from (x, y) at the factories' speed.
    template <class W> void fire(W& weapon, object_t& by, float x, float y, float speed = 8.0f) {
        weapon.set_owner(&by);
        weapon.set_speed(speed);
        weapon.set_position(x, y);
        weapon.start();
    }

    object_t ship{&ship_info, 0, 0};
    object_t pod{&multiple_info, 0, 0};
};

} // namespace

TEST_F(laser_shots, the_ripple_ring_grows_4_pixels_a_side_every_3_updates_up_to_pattern_7) {
    ripplelaser_t ripple(&ripple_info);
    fire(ripple, ship, 10, 100);
    EXPECT_TRUE(requested(102));
    std::vector<int32_t> patterns;
    for (int i = 0; i < 10; ++i) {
        ripple.update();
        patterns.push_back(ripple.pattern);
    }
    EXPECT_EQ(patterns, (std::vector<int32_t>{0, 0, 0, 1, 1, 1, 2, 2, 2, 3}));
    plat::rect_t box;
    ripple.get_rect(box);
    plat::rect_t plain;
    ripple.object_t::get_rect(plain);
    EXPECT_EQ(box.top, plain.top - 12);
    EXPECT_EQ(box.bottom, plain.bottom + 12);
    EXPECT_EQ(box.left, plain.left);
    EXPECT_EQ(box.right, plain.right);
    for (int i = 10; i < 22; ++i) {
        ripple.update();
    }
    EXPECT_EQ(ripple.pattern, 7);
    EXPECT_EQ(ripple.age, 22);
    ripple.update();
    ripple.update();
    EXPECT_EQ(ripple.age, 22) << "it stops counting at its widest";
    EXPECT_EQ(ripple.x, 10.0f + 24 * 8);
    ripple.get_rect(box);
    EXPECT_EQ(box.bottom - box.top, 16 + 56);

    g_soundctr.se_states.fill(0);
    fire(ripple, pod, 10, 100);
    EXPECT_FALSE(requested(102)) << "a multiple fires silently";
    EXPECT_EQ(ripple.age, 0);
}

TEST_F(laser_shots, an_ion_blast_starts_6_ahead_flies_3_a_frame_and_lives_32_updates) {
    ionblast_t ion(&ion_info);
    fire(ion, ship, 100, 80, 0);
    EXPECT_FALSE(requested(102) || requested(104) || requested(100));
    ion.update();
    EXPECT_EQ(ion.x, 109.0f);
    ion.move_x(-4);
    EXPECT_EQ(ion.x, 109.0f) << "the scroll does not carry it";
    std::vector<int32_t> patterns = {ion.pattern};
    for (int i = 1; i < 32; ++i) {
        ion.update();
        patterns.push_back(ion.pattern);
    }
    EXPECT_TRUE(ion.alive);
    EXPECT_EQ(patterns[0], 0);
    EXPECT_EQ(patterns[2], 1);
    EXPECT_EQ(patterns[31], 15);
    ion.update();
    EXPECT_FALSE(ion.alive) << "killed in its 33rd update";
    EXPECT_EQ(ion.x, 109.0f + 31 * 3 + 3);
}

TEST_F(laser_shots, a_struck_ion_blast_drifts_back_from_1_pixel_a_frame_slowing_by_0_02) {
    ionblast_t ion(&ion_info);
    ion.drift_direction = 30;
    fire(ion, ship, 100, 80, 0);
    ion.damage(0);
    EXPECT_FALSE(ion.drifting);
    ion.damage(-1);
    EXPECT_TRUE(ion.drifting) << "any contact but 0 turns it back";
    EXPECT_EQ(ion.travel_speed, 1.0f);
    EXPECT_TRUE(ion.alive);
    EXPECT_EQ(ion.hp, 1);
    std::vector<float> steps;
    for (int i = 0; i < 3; ++i) {
        const float x = ion.x;
        const float y = ion.y;
        ion.update();
        steps.push_back(std::hypot(ion.x - x, ion.y - y));
        EXPECT_LT(ion.x, x) << "backward";
        EXPECT_LT(ion.y, y) << "direction 30 points up";
    }
    EXPECT_NEAR(steps[0], 1.0f, 1e-5);
    EXPECT_NEAR(steps[1], 0.98f, 1e-5);
    EXPECT_NEAR(steps[2], 0.96f, 1e-5);
    ion.damage(5);
    EXPECT_NEAR(ion.travel_speed, 0.94f, 1e-5) << "a second contact changes nothing";
}

TEST_F(laser_shots, each_terrain_contact_switches_the_ion_blast_and_marks_slot_1) {
    block(*slot1, 100, 90, 112, 110);
    ionblast_t ion(&ion_info);
    ion.drift_direction = 32;
    fire(ion, ship, 94, 100, 0);
    ion.update();
    EXPECT_TRUE(ion.drifting);
    EXPECT_EQ(ion.travel_speed, 3.0f) << "terrain keeps its speed";
    ion.update();
    EXPECT_FALSE(ion.drifting);
    EXPECT_EQ(ion.travel_speed, float(3.0 - 0.02));
    EXPECT_EQ(g_hitmarks.size(), 2u);
    EXPECT_EQ(g_hitmarks[0].x, 103);
    EXPECT_EQ(g_hitmarks[1].x, 100);
    EXPECT_TRUE(ion.alive);
}
