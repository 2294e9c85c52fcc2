#include "player/drip_missile.h"
#include "player/vertical_missile.h"
#include "tests/objects/records.h"
#include "tests/player/crawl_fixture.h"

#include <vector>

namespace {

const objectinfo_t upper_drip_info = test_record(6, 8, 8, 1);
const objectinfo_t lower_drip_info = test_record(7, 8, 8, 1);
const objectinfo_t vertical_info = test_record(11, 8, 8, 5);
const objectinfo_t effect_info = test_record(56, 8, 8, 4);

class drip : public crawl_fixture_t {
  protected:
    void SetUp() override {
        crawl_fixture_t::SetUp();
        lower.effect = &effect;
        lower.set_position(0, 128);
        lower.start();
    }

    lower_drip_missile_t lower{&lower_drip_info};
    explosion_t effect{&effect_info, 0};
};

class vertical : public crawl_fixture_t {
  protected:
    // Runs updates until the heading changes or n updates are over; the headings taken, in order.
    std::vector<int32_t> headings(int n) {
        std::vector<int32_t> taken;
        for (int i = 0; i < n && missile.alive; ++i) {
            missile.update();
            if (taken.empty() || taken.back() != missile.heading) {
                taken.push_back(missile.heading);
            }
        }
        return taken;
    }

    lower_vertical_missile_t missile{&vertical_info};
};

} // namespace

TEST_F(drip, the_pair_drifts_forward_falling_or_rising_ever_faster_as_their_noses_turn) {
    upper_drip_missile_t upper(&upper_drip_info);
    upper.set_position(0, 128);
    upper.start();
    std::vector<float> drops;
    std::vector<int32_t> lower_patterns;
    std::vector<int32_t> upper_patterns;
    for (int age = 0; age < 34; ++age) {
        const float y = lower.y;
        lower.update();
        upper.update();
        drops.push_back(lower.y - y);
        lower_patterns.push_back(lower.pattern);
        upper_patterns.push_back(upper.pattern);
        lower.set_position(lower.x, 128); // kept on screen
    }
    EXPECT_EQ(lower.x, 34 * 1.25f);
    EXPECT_EQ(drops[0], 0.0f);
    EXPECT_NEAR(drops[1], 0.15f, 1e-4);
    EXPECT_NEAR(drops[2], 0.3f, 1e-4);
    EXPECT_EQ(std::vector<int32_t>(lower_patterns.begin(), lower_patterns.begin() + 11),
              (std::vector<int32_t>{0, 0, 31, 31, 31, 31, 30, 30, 30, 30, 29}));
    EXPECT_EQ(std::vector<int32_t>(upper_patterns.begin(), upper_patterns.begin() + 9),
              (std::vector<int32_t>{0, 0, 0, 0, 1, 1, 1, 1, 2}));
    EXPECT_EQ(lower_patterns[32], 24) << "straight down";
    EXPECT_EQ(upper_patterns[33], 8) << "straight up";
    EXPECT_LT(upper.y, 128.0f);
    lower.fall_speed = 15.9f;
    lower.update();
    lower.update();
    EXPECT_EQ(lower.fall_speed, 16.0f);
}

TEST_F(drip, the_update_that_ends_it_still_speeds_it_up_and_ages_it) {
    lower.set_position(100, 259);
    lower.fall_speed = 2;
    lower.age = 7;
    lower.update();
    EXPECT_FALSE(lower.alive);
    EXPECT_FALSE(effect.alive) << "leaving the bounds shows no effect";
    EXPECT_FLOAT_EQ(lower.fall_speed, 2.15f);
    EXPECT_EQ(lower.age, 8u);
}

TEST_F(vertical, it_falls_3_pixels_a_frame_and_runs_right_in_the_update_it_lands) {
    block(*slot0, 0, 150, 256, 160);
    missile.set_position(100, 100);
    missile.start();
    for (int i = 0; i < 15; ++i) {
        missile.update();
    }
    EXPECT_EQ(missile.y, 145.0f);
    EXPECT_EQ(missile.x, 100.0f);
    EXPECT_EQ(missile.drop_state, lower_vertical_missile_t::dropping);
    missile.update();
    EXPECT_EQ(missile.drop_state, lower_vertical_missile_t::running);
    EXPECT_EQ(missile.direction, 0);
    EXPECT_EQ(missile.x, 103.0f);
    EXPECT_EQ(missile.y, 145.0f);
    EXPECT_EQ(missile.hp, 5);
}

TEST_F(vertical, off_a_ledge_it_heads_56_then_48_and_0_again_on_the_lower_floor) {
    block(*cg, 0, 150, 120, 160); // ledge
    block(*cg, 0, 190, 256, 200); // lower floor
    missile.set_position(100, 145);
    missile.start();
    EXPECT_EQ(headings(40), (std::vector<int32_t>{0, 56, 48, 0}));
    EXPECT_GT(missile.y, 180.0f) << "on the lower floor";
    EXPECT_LT(missile.y, 190.0f);
}

TEST_F(vertical, against_a_wall_it_does_not_climb_and_loses_a_hit_point_each_frame) {
    block(*slot1, 0, 150, 256, 160);
    block(*slot1, 130, 0, 256, 150);
    missile.set_position(118, 145);
    missile.start();
    std::vector<int32_t> hps;
    while (missile.alive && hps.size() < 20) {
        missile.update();
        EXPECT_EQ(missile.y, 145.0f);
        hps.push_back(missile.hp);
    }
    EXPECT_EQ(hps, (std::vector<int32_t>{5, 5, 5, 4, 3, 2, 1, 0}));
}
