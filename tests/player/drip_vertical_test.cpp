#include "objects/hitmark.h"
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
        effect.owner = &lower;
    }

    lower_drip_missile_t lower{&lower_drip_info};
    upper_drip_missile_t upper{&upper_drip_info};
    explosion_t effect{&effect_info, 0};
};

class vertical : public crawl_fixture_t {
  protected:
    void drop(float x, float y) {
        missile.set_position(x, y);
        missile.start();
    }

    lower_vertical_missile_t missile{&vertical_info};
};

} // namespace

TEST_F(drip, the_lower_missile_drifts_forward_and_falls_ever_faster_up_to_16) {
    lower.set_position(20, 0);
    lower.start();
    std::vector<float> drops;
    for (int i = 0; i < 3; ++i) {
        const float y = lower.y;
        lower.update();
        drops.push_back(lower.y - y);
    }
    EXPECT_EQ(lower.x, 23.75f);
    EXPECT_EQ(drops[0], 0.0f);
    EXPECT_FLOAT_EQ(drops[1], 0.15f);
    EXPECT_FLOAT_EQ(drops[2], 0.3f);
    lower.fall_speed = 15.9f;
    lower.set_position(20, 0);
    lower.update();
    EXPECT_EQ(lower.fall_speed, 16.0f);
    lower.set_position(20, 0);
    lower.update();
    EXPECT_EQ(lower.y, 16.0f);
    EXPECT_EQ(lower.fall_speed, 16.0f);
}

TEST_F(drip, the_noses_turn_toward_straight_down_and_straight_up_in_32_updates) {
    lower.set_position(0, 128);
    lower.start();
    upper.set_position(0, 128);
    upper.start();
    std::vector<int32_t> lower_patterns;
    std::vector<int32_t> upper_patterns;
    for (int age = 0; age < 36; ++age) {
        lower.fall_speed = 0; // keep them on screen
        upper.fall_speed = 0;
        lower.update();
        upper.update();
        lower_patterns.push_back(lower.pattern);
        upper_patterns.push_back(upper.pattern);
    }
    const std::vector<int32_t> lower_start = {0, 0, 31, 31, 31, 31, 30, 30, 30, 30, 29};
    EXPECT_EQ(std::vector<int32_t>(lower_patterns.begin(), lower_patterns.begin() + 11), lower_start);
    const std::vector<int32_t> upper_start = {0, 0, 0, 0, 1, 1, 1, 1, 2};
    EXPECT_EQ(std::vector<int32_t>(upper_patterns.begin(), upper_patterns.begin() + 9), upper_start);
    for (int age = 32; age < 36; ++age) {
        EXPECT_EQ(lower_patterns[size_t(age)], 24);
        EXPECT_EQ(upper_patterns[size_t(age)], 8);
    }
}

TEST_F(drip, the_update_that_ends_it_still_speeds_it_up_and_ages_it) {
    lower.set_position(100, 259);
    lower.start();
    lower.fall_speed = 2;
    lower.age = 7;
    lower.update();
    EXPECT_FALSE(lower.alive);
    EXPECT_FALSE(effect.alive) << "leaving the bounds shows no effect";
    EXPECT_FLOAT_EQ(lower.fall_speed, 2.15f);
    EXPECT_EQ(lower.age, 8u);
}

TEST_F(drip, grazing_background_slot_0_or_1_ends_it_with_its_effect_but_no_crater) {
    solid(*slot0, 102, 101); // inside the 4 x 4 square around (101, 100), outside 2 x 2
    lower.set_position(99.75f, 100);
    lower.start();
    lower.update();
    EXPECT_FALSE(lower.alive);
    EXPECT_TRUE(effect.alive);
    EXPECT_EQ(effect.x, 101.0f);

    solid(*slot1, 202, 101);
    lower.set_position(199.75f, 100);
    lower.start();
    lower.update();
    EXPECT_FALSE(lower.alive);
    EXPECT_TRUE(g_hitmarks.empty());
}

TEST_F(vertical, it_falls_3_pixels_a_frame_and_runs_right_in_the_update_it_lands) {
    block(*slot0, 0, 150, 256, 160);
    drop(100, 100);
    std::vector<float> heights;
    while (missile.drop_state == lower_vertical_missile_t::dropping && heights.size() < 30) {
        heights.push_back(missile.y);
        missile.update();
        if (missile.drop_state == lower_vertical_missile_t::dropping) {
            EXPECT_EQ(missile.y - heights.back(), 3.0f);
            EXPECT_EQ(missile.x, 100.0f);
            EXPECT_EQ(missile.pattern, 0);
        }
    }
    EXPECT_EQ(missile.y, heights.back()) << "no fall in the landing update";
    EXPECT_EQ(missile.y, 145.0f);
    EXPECT_EQ(missile.direction, 0);
    EXPECT_EQ(missile.x, 103.0f);
    EXPECT_EQ(missile.hp, 5);
}

TEST_F(vertical, off_a_ledge_it_heads_56_then_48_and_0_again_on_the_lower_floor) {
    block(*cg, 0, 150, 120, 160); // ledge
    block(*cg, 0, 190, 256, 200); // lower floor
    drop(100, 145);
    std::vector<int32_t> headings;
    for (int i = 0; i < 40; ++i) {
        missile.update();
        if (headings.empty() || headings.back() != missile.heading) {
            headings.push_back(missile.heading);
        }
    }
    EXPECT_EQ(headings, (std::vector<int32_t>{0, 56, 48, 0}));
    EXPECT_GT(missile.y, 180.0f) << "on the lower floor";
    EXPECT_LT(missile.y, 190.0f);
    EXPECT_TRUE(missile.alive);
}

TEST_F(vertical, against_a_wall_it_does_not_climb_and_loses_a_hit_point_each_frame) {
    block(*slot1, 0, 150, 256, 160);
    block(*slot1, 130, 0, 256, 150);
    drop(118, 145);
    std::vector<int32_t> hps;
    while (missile.alive && hps.size() < 20) {
        missile.update();
        EXPECT_EQ(missile.y, 145.0f);
        EXPECT_EQ(missile.heading, 0);
        hps.push_back(missile.hp);
    }
    EXPECT_EQ(hps, (std::vector<int32_t>{5, 5, 5, 4, 3, 2, 1, 0}));
    EXPECT_TRUE(g_hitmarks.empty());
}

TEST_F(vertical, start_always_returns_it_to_dropping) {
    block(*slot0, 0, 150, 256, 160);
    drop(100, 145);
    missile.update();
    ASSERT_EQ(missile.drop_state, lower_vertical_missile_t::running);
    drop(50, 20);
    EXPECT_EQ(missile.drop_state, lower_vertical_missile_t::dropping);
    EXPECT_EQ(missile.direction, 48);
    missile.update();
    EXPECT_EQ(missile.y, 23.0f);
}
