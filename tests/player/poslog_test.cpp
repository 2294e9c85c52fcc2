#include "player/poslog.h"

#include <gtest/gtest.h>

TEST(poslog, capacity_is_the_next_power_of_two_and_a_push_decrements_the_head) {
    EXPECT_EQ(poslog_t(40).capacity, 64u);
    EXPECT_EQ(poslog_t(1).capacity, 1u);
    EXPECT_EQ(poslog_t(0).capacity, 1u);
    poslog_t log(4);
    log.push(1, 10);
    EXPECT_EQ(log.head, 3u);
    for (float x : {2.0f, 3.0f, 4.0f, 5.0f}) {
        log.push(x, x * 10);
    }
    EXPECT_EQ(log.head, 3u);
    EXPECT_EQ(log.entry(0).x, 5.0f);
    EXPECT_EQ(log.entry(3).y, 20.0f) << "the oldest fell out";
    EXPECT_EQ(log.fill(7, 7, 2), 3u + 4u);
    EXPECT_EQ(log.entry(1).x, 4.0f);
    EXPECT_EQ(log.entry(2).x, 7.0f);
    EXPECT_EQ(log.fill(7, 7, 9), 3u + 9u);
}
