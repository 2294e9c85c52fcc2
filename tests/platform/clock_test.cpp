#include "platform/clock.h"

#include <gtest/gtest.h>

TEST(platform_clock, a_test_clock_replaces_the_real_one_until_it_is_cleared) {
    uint32_t fake = 0xFFFFFFFEu;
    plat::set_clock_for_test([&fake] { return fake++; });
    EXPECT_EQ(plat::time_get_time(), 0xFFFFFFFEu);
    EXPECT_EQ(plat::time_get_time(), 0xFFFFFFFFu);
    EXPECT_EQ(plat::time_get_time(), 0u);
    plat::set_clock_for_test(nullptr);
    const uint32_t a = plat::time_get_time();
    const uint32_t b = plat::time_get_time();
    EXPECT_LT(b - a, 1000u); // the real clock runs forward from wherever it stands
    EXPECT_EQ(fake, 1u);
}

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
