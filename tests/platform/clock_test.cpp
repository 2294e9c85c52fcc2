#include "platform/clock.h"

#include <gtest/gtest.h>

TEST(platform_clock, every_end_of_a_timer_period_needs_its_begin) {
    EXPECT_EQ(plat::time_begin_period(0), plat::timerr_nocando);
    EXPECT_EQ(plat::time_end_period(3), plat::timerr_nocando);
    EXPECT_EQ(plat::time_begin_period(1), plat::timerr_noerror);
    EXPECT_EQ(plat::time_begin_period(1), plat::timerr_noerror);
    EXPECT_EQ(plat::time_end_period(2), plat::timerr_nocando);
    EXPECT_EQ(plat::time_end_period(1), plat::timerr_noerror);
    EXPECT_EQ(plat::time_end_period(1), plat::timerr_noerror);
    EXPECT_EQ(plat::time_end_period(1), plat::timerr_nocando);
}
