#include "objects/score.h"
#include "screen/soundctr.h"

#include <gtest/gtest.h>

namespace {

class score_test : public ::testing::Test {
  protected:
    void SetUp() override {
        score_reset(0);
        g_lives = 3;
        g_soundctr.se_states.fill(0);
    }

    bool requested(int32_t effect) const { return g_soundctr.se_states[size_t(effect)] == 2; }
};

} // namespace

TEST_F(score_test, one_extra_life_per_multiple_of_524288_and_at_most_one_per_call) {
    EXPECT_EQ(g_next_extend, 524288);
    score_add(524287);
    EXPECT_EQ(g_lives, 3);
    EXPECT_FALSE(requested(8));
    score_add(1);
    EXPECT_EQ(g_lives, 4);
    EXPECT_TRUE(requested(8));
    EXPECT_EQ(g_next_extend, 1048576);

    score_reset(0);
    score_add(1500000); // passes two thresholds in one call
    EXPECT_EQ(g_lives, 5);
    EXPECT_EQ(g_next_extend, 1572864);
}

TEST_F(score_test, the_score_stops_at_ten_million_and_never_wraps) {
    score_reset(9999990);
    score_add(100);
    EXPECT_EQ(g_score, 10000000);
    score_add(0x7FFFFFFF);
    EXPECT_EQ(g_score, 10000000);
    EXPECT_EQ(next_extend_threshold(10000000), 20 * 524288);
}

TEST_F(score_test, at_ninety_nine_lives_the_threshold_waits_for_a_lost_life) {
    g_lives = 99;
    score_add(600000);
    EXPECT_EQ(g_lives, 99);
    EXPECT_EQ(g_next_extend, 524288);
    EXPECT_FALSE(requested(8));
    g_lives = 98;
    score_add(10);
    EXPECT_EQ(g_lives, 99);
    EXPECT_EQ(g_next_extend, 1048576);
    EXPECT_FALSE(score_extend());
}

TEST_F(score_test, a_pending_bonus_drains_its_remainder_first_then_500_a_frame) {
    score_add_pending(1234);
    EXPECT_EQ(g_score, 0);
    EXPECT_FALSE(requested(28));
    score_drain_pending();
    EXPECT_EQ(g_score, 234);
    EXPECT_TRUE(requested(28));
    score_drain_pending();
    EXPECT_EQ(g_score, 734);
    score_drain_pending();
    EXPECT_EQ(g_score, 1234);
    EXPECT_EQ(g_pending_bonus, 0);
    score_drain_pending();
    EXPECT_EQ(g_score, 1234);
}

TEST_F(score_test, a_bonus_still_pending_is_paid_once_whatever_comes_next) {
    score_add_pending(1000);
    score_add_pending(3000); // pays the 1,000 at once
    EXPECT_EQ(g_score, 1000);
    for (int i = 0; i < 6; ++i) {
        score_drain_pending();
    }
    EXPECT_EQ(g_score, 4000);
    EXPECT_EQ(g_pending_bonus, 0);

    score_reset(0);
    score_add_pending(800);
    score_add_pending(0); // an ordinary kill during the bonus
    for (int i = 0; i < 5; ++i) {
        score_drain_pending();
    }
    EXPECT_EQ(g_score, 800);
}
