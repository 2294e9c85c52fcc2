#include "screen/layer_scroll.h"

#include <gtest/gtest.h>

#include <climits>

TEST(layer_scroll, offsets_divide_toward_zero_then_wrap_by_the_size) {
    // -3 / 2 is -1, not the -2 of a shift: 511 on a 512 layer.
    EXPECT_EQ(layer_scroll_offset(-3, 1, 512), 511);
    EXPECT_EQ(layer_scroll_offset(-4, 1, 512), 510);
    EXPECT_EQ(layer_scroll_offset(-1, 2, 256), 0);
    EXPECT_EQ(layer_scroll_offset(700, 0, 512), 188);
    EXPECT_EQ(layer_scroll_offset(700, 2, 256), 175);
    // Shifts from stage data: large ones leave nothing to scroll, none overflows.
    EXPECT_EQ(layer_scroll_offset(INT32_MIN, 31, 512), 511);
    EXPECT_EQ(layer_scroll_offset(INT32_MAX, 40, 512), 0);
    EXPECT_EQ(layer_scroll_offset(-3, 65535, 512), 0);
}

TEST(layer_scroll, positions_wrap_instead_of_overflowing) {
    EXPECT_EQ(add_scroll(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(add_scroll(5, -8), -3);
}
