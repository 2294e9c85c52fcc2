#include "shell/loading_bar.h"

#include <gtest/gtest.h>

TEST(loading_bar, one_percent_is_one_pixel_of_a_centred_100_by_8_bar) {
    const plat::rect_t client{0, 0, 512, 512};
    loading_bar_t bar = loading_bar_rects(client, 37);
    EXPECT_EQ(bar.done, (plat::rect_t{206, 252, 243, 260}));
    EXPECT_EQ(bar.rest, (plat::rect_t{243, 252, 306, 260}));

    bar = loading_bar_rects({0, 0, 257, 255}, 0); // odd sizes round toward the top left
    EXPECT_EQ(bar.done, (plat::rect_t{78, 123, 78, 131}));
    EXPECT_EQ(bar.rest, (plat::rect_t{78, 123, 178, 131}));
}

TEST(loading_bar, a_percentage_out_of_range_stays_inside_the_bar) {
    const plat::rect_t client{0, 0, 640, 480};
    loading_bar_t bar = loading_bar_rects(client, 250);
    EXPECT_EQ(bar.done, (plat::rect_t{270, 236, 370, 244}));
    EXPECT_EQ(bar.rest.left, bar.rest.right);
    bar = loading_bar_rects(client, -3);
    EXPECT_EQ(bar.done.left, bar.done.right);
    EXPECT_EQ(bar.rest, (plat::rect_t{270, 236, 370, 244}));
}
