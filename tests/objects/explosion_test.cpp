#include "objects/big_explosion.h"
#include "objects/explosion.h"
#include "objects/longflash.h"
#include "objects/trig_tables.h"
#include "tests/objects/records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const objectinfo_t four_patterns = test_record(50, 8, 8, 4);
const objectinfo_t one_pattern = test_record(51, 8, 8, 1);

// The patterns an effect shows after each update; -1 once it is dead.
std::vector<int32_t> run(explosion_t& effect, int updates) {
    std::vector<int32_t> shown;
    for (int i = 0; i < updates; ++i) {
        effect.update();
        shown.push_back(effect.alive ? effect.pattern : -1);
    }
    return shown;
}

} // namespace

TEST(explosion, patterns_step_every_period_and_the_effect_dies_after_the_last) {
    explosion_t boom(&four_patterns, 0);
    EXPECT_FALSE(boom.alive);
    boom.start();
    EXPECT_EQ(run(boom, 9), (std::vector<int32_t>{0, 0, 1, 1, 2, 2, 3, 3, -1}));
    boom.start();
    EXPECT_EQ(run(boom, 3), (std::vector<int32_t>{0, 0, 1}));
    boom.start(); // a restart begins again at pattern 0
    EXPECT_EQ(boom.pattern, 0);
    EXPECT_EQ(boom.counter, 0u);

    explosion_t flash(&one_pattern, 0);
    flash.period = 3;
    flash.start();
    EXPECT_EQ(run(flash, 4), (std::vector<int32_t>{0, 0, 0, -1}));
}

TEST(explosion, a_period_of_zero_steps_every_frame_instead_of_dividing_by_zero) {
    explosion_t boom(&four_patterns, 0);
    boom.period = 0;
    boom.start();
    EXPECT_EQ(run(boom, 5), (std::vector<int32_t>{0, 1, 2, 3, -1}));
}

TEST(explosion, sparks_start_at_their_launch_speed_and_slow_to_a_floor) {
    const objectinfo_t long_spark = test_record(92, 4, 4, 100);
    hit_spark_t spark(&long_spark, 0);
    spark.start_speed = 1.0f;
    spark.direction = 32; // straight back along -x
    spark.start();
    std::vector<float> steps;
    for (int i = 0; i < 10; ++i) {
        const float before = spark.x;
        spark.update();
        steps.push_back(before - spark.x);
    }
    const float expected[10] = {1.0f, 0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.3f, 0.3f};
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(steps[i], expected[i], 1e-5f) << "step " << i;
    }
    EXPECT_EQ(spark.speed, 0.3f);
}

TEST(explosion, fragments_brake_by_their_acceleration_and_stop) {
    const objectinfo_t long_fragment = test_record(75, 8, 8, 100);
    active_explosion_t fragment(&long_fragment, 0);
    fragment.direction = 0;
    fragment.speed = 0.2f;
    fragment.vx = 0.2f;
    fragment.accel = -9;
    fragment.start();
    fragment.update();
    EXPECT_FLOAT_EQ(fragment.x, 0.2f);
    EXPECT_FLOAT_EQ(fragment.speed, 0.11f);
    fragment.update();
    fragment.update();
    EXPECT_EQ(fragment.speed, 0.0f);
    EXPECT_EQ(fragment.vx, 0.0f);
}

TEST(explosion, a_composite_truncates_its_position_and_skips_running_parts) {
    const objectinfo_t core = test_record(0, 1, 1, 1);
    big_explosion_t big(&core, 7);
    explosion_t left(&four_patterns, 7);
    explosion_t right(&four_patterns, 7);
    big.parts.add(&left, -8, 4);
    big.parts.add(&right, 8, -4);
    right.start();
    right.set_position(1, 1);
    big.set_position(100.7f, 50.2f);
    big.start();
    EXPECT_FALSE(big.alive);
    EXPECT_TRUE(left.alive);
    EXPECT_EQ(left.x, 92.0f);
    EXPECT_EQ(left.y, 54.0f);
    EXPECT_EQ(right.x, 1.0f);
    big.set_position(-10.5f, 0); // toward zero: -10, not -11
    left.kill();
    big.start();
    EXPECT_EQ(left.x, -18.0f);
    kill_all_in_list(big.parts);
    EXPECT_FALSE(left.alive);
    EXPECT_FALSE(right.alive);
}

TEST(explosion, the_beam_widens_turns_and_thins_away_after_its_kill) {
    const objectinfo_t beam = test_record(348, 4, 4, 1);
    const objectinfo_t control_record = test_record(0, 1, 1, 1);
    longflash_control_t control(&control_record, 0);
    std::vector<std::unique_ptr<longflash_t>> flashes;
    for (int i = 0; i < 64; ++i) {
        flashes.push_back(std::make_unique<longflash_t>(&beam, 0));
        flashes.back()->base_pattern = std::min(i / 16, 3) * 8;
        control.flashes[i] = flashes.back().get();
    }
    control.angle = 0;
    control.interval = 8;
    control.origin_x = 128;
    control.origin_y = 128;
    control.length = 160;
    control.start();
    EXPECT_EQ(flashes[20]->pattern, 8);

    control.update(); // timer 0: widen once, turn once
    EXPECT_EQ(flashes[0]->x, 128.0f);
    EXPECT_EQ(flashes[32]->x, 128.0f + 32 * 2.5f);
    EXPECT_EQ(flashes[0]->pattern, 1);
    EXPECT_EQ(flashes[63]->pattern, 25);
    EXPECT_EQ(control.angle, 1);
    for (int i = 1; i < 176; ++i) {
        control.update();
    }
    EXPECT_EQ(flashes[0]->pattern, 7); // widest after seven steps
    EXPECT_GT(control.interval, 8);    // the turn slowed from timer 128

    control.kill();
    EXPECT_TRUE(control.alive);
    EXPECT_EQ(control.ending, 1);
    int frames = 0;
    while (control.alive && frames < 100) {
        control.update();
        ++frames;
    }
    EXPECT_FALSE(control.alive);
    EXPECT_FALSE(flashes[10]->alive);
    EXPECT_EQ(flashes[0]->pattern, 0);
    EXPECT_LE(frames, 7 * 6 + 6);
}
