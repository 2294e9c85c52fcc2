#include "play/play_globals.h"
#include "player/discharge.h"
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
