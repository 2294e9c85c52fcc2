#include "objects/play_globals.h"
#include "player/discharge.h"
#include "player/multiple.h"
#include "player/player_missile.h"
#include "player/shield.h"
#include "tests/player/player_fixture.h"

namespace {

class attachments : public player_test {
  protected:
    void frames(shield_t& shield, int n) {
        for (int i = 0; i < n; ++i) {
            shield.update();
            ++g_frame_counter;
        }
    }
};

} // namespace

TEST_F(attachments, shield_absorbs_three_hits_then_hides_and_dies_eight_frames_later) {
    objectinfo_t info = test_record(48, 24, 24, 3);
    info.image_id = 7;
    shield_t shield(&info);
    shield.start();
    shield.set_position(100, 50);
    EXPECT_EQ(shield.x, 92.0f);
    shield.damage(5);
    EXPECT_EQ(shield.hp, 3) << "a fresh shield ignores hits for 8 frames";
    frames(shield, 8);

    shield.damage(0);
    EXPECT_EQ(shield.immunity, 0);
    shield.damage(5);
    EXPECT_EQ(shield.hp, 2) << "one hit point whatever the damage";
    EXPECT_EQ(shield.pattern, 1);
    EXPECT_TRUE(requested(0));
    frames(shield, 7);
    shield.damage(1);
    EXPECT_EQ(shield.hp, 2) << "within 8 frames of a hit";
    frames(shield, 1);
    shield.damage(1);
    EXPECT_EQ(shield.pattern, 2);
    frames(shield, 8);

    shield.damage(1);
    EXPECT_EQ(shield.image_id(), -1) << "the third hit hides it at once";
    EXPECT_TRUE(shield.alive);
    frames(shield, 7);
    EXPECT_TRUE(shield.alive);
    frames(shield, 1);
    EXPECT_FALSE(shield.alive);
    EXPECT_FALSE(shield.is_flashing());
}

TEST_F(attachments, discharge_shows_eight_patterns_of_three_frames_and_dies_on_its_25th_update) {
    const objectinfo_t info = test_record(45, 16, 16, 1);
    discharge_t discharge(&info);
    discharge.start();
    std::vector<int32_t> shown;
    for (int i = 0; i < 25; ++i) {
        discharge.update();
        shown.push_back(discharge.alive ? discharge.pattern : -1);
        if (i == 3) {
            discharge.start(); // started again: from pattern 0
        }
    }
    EXPECT_EQ(shown[4], 0);
    EXPECT_EQ(shown[7], 1);
    EXPECT_EQ(shown[24], 6);
    discharge.update();
    discharge.update();
    discharge.update();
    EXPECT_EQ(discharge.pattern, 7);
    discharge.update();
    EXPECT_FALSE(discharge.alive);
}

TEST_F(attachments,
       hit_effects_drift_left_in_every_update_also_the_last_and_multiples_step_every_fourth_frame) {
    player_missile_explosion_t shot_hit(&hit_info, 0);
    longlaser_explosion_t laser_hit(&hit_info, 0);
    shot_hit.period = 1;
    laser_hit.period = 1;
    shot_hit.set_position(100, 50);
    laser_hit.set_position(100, 50);
    shot_hit.start();
    laser_hit.start();
    int updates = 0;
    while (shot_hit.alive && updates < 20) {
        shot_hit.update();
        laser_hit.update();
        ++updates;
    }
    EXPECT_FALSE(laser_hit.alive);
    ASSERT_LT(updates, 20);
    EXPECT_EQ(shot_hit.x, 100.0f - float(updates)) << "the update that ends it moves it too";
    EXPECT_EQ(laser_hit.x, 100.0f - 3.5f * float(updates));
    EXPECT_EQ(shot_hit.y, 50.0f);

    multiple_t multiple(&multiple_info);
    std::vector<int32_t> patterns;
    for (g_frame_counter = 0; g_frame_counter < 17; ++g_frame_counter) {
        multiple.update();
        patterns.push_back(multiple.pattern);
    }
    EXPECT_EQ(patterns[0], 1);
    EXPECT_EQ(patterns[3], 1);
    EXPECT_EQ(patterns[4], 2);
    EXPECT_EQ(patterns[12], 0) << "four patterns";
    EXPECT_EQ(patterns[16], 1);
}
