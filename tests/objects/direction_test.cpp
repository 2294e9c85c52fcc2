#include "objects/direction.h"

#include <gtest/gtest.h>

namespace {

int32_t toward(float dx, float dy) {
    const float from[2] = {100.0f, 100.0f};
    const float to[2] = {100.0f + dx, 100.0f + dy};
    return direction_to(from, to);
}

} // namespace

TEST(direction, thresholds_are_the_tangents_of_the_boundaries) {
    // To the digits given for them.
    EXPECT_NEAR(direction_thresholds[0], 0.04912685, 5e-9);
    EXPECT_NEAR(direction_thresholds[7], 0.9063472, 5e-8);
    EXPECT_NEAR(direction_thresholds[8], 1.10333, 5e-6);
    EXPECT_NEAR(direction_thresholds[15], 20.35548, 5e-6);
}

TEST(direction, the_eight_compass_points_and_the_same_point) {
    EXPECT_EQ(toward(10, 0), 0);
    EXPECT_EQ(toward(0, -10), 16);
    EXPECT_EQ(toward(-10, 0), 32);
    EXPECT_EQ(toward(0, 10), 48);
    EXPECT_EQ(toward(10, -10), 8);
    EXPECT_EQ(toward(-10, -10), 24);
    EXPECT_EQ(toward(-10, 10), 40);
    EXPECT_EQ(toward(10, 10), 56);
    EXPECT_EQ(toward(0, 0), 0);
}

TEST(direction, steep_angles_and_boundaries_go_to_the_lower_direction_of_the_quadrant) {
    EXPECT_EQ(toward(1, -20), 15); // 20 < 20.35548
    EXPECT_EQ(toward(1, -21), 16);
    EXPECT_EQ(toward(-1, -20), 17);
    EXPECT_EQ(toward(-1, 21), 48);
    EXPECT_EQ(toward(1, 20), 49);
    EXPECT_EQ(toward(1, 21), 48);
    // A direction covers half a step on each side: a shallow climb stays direction 0.
    EXPECT_EQ(toward(100, -4), 0);
    EXPECT_EQ(toward(100, -5), 1);
    EXPECT_EQ(toward(100, 4), 0);
    EXPECT_EQ(toward(100, 5), 63);
}

TEST(direction, a_point_exactly_on_a_boundary_takes_the_lower_direction_of_its_quadrant) {
    const float from[2] = {0.0f, 0.0f};
    for (int k = 0; k < 16; ++k) {
        const float t = direction_thresholds[k];
        const float up_right[2] = {1.0f, -t};
        const float down_right[2] = {1.0f, t};
        const float up_left[2] = {-1.0f, -t};
        const float down_left[2] = {-1.0f, t};
        EXPECT_EQ(direction_to(from, up_right), k) << k;
        EXPECT_EQ(direction_to(from, down_right), 63 - k) << k;
        EXPECT_EQ(direction_to(from, up_left), 31 - k) << k;
        EXPECT_EQ(direction_to(from, down_left), 32 + k) << k;
    }
}

TEST(direction, turns_take_the_shorter_way_and_opposite_targets_turn_counter_clockwise) {
    EXPECT_EQ(turn_direction(0, 32, 1), 1);
    EXPECT_EQ(turn_direction(0, 33, 1), 63);
    EXPECT_EQ(turn_direction(60, 2, 5), 1);
    EXPECT_EQ(turn_direction(10, 8, 5), 8);
    EXPECT_EQ(turn_direction(7, 7, 5), 7);
}
