#include "scenes/config_lines.h"

#include <gtest/gtest.h>

namespace {

userinfo_t starting_at_stage(int32_t stage) {
    userinfo_t info;
    info.stage = stage;
    return info;
}

} // namespace

TEST(config_lines, section_and_joystick_never_and_equipment_only_from_stage_2) {
    const userinfo_t stage1 = starting_at_stage(1);
    const userinfo_t stage2 = starting_at_stage(2);
    EXPECT_TRUE(config_line_disabled(4, &stage2));
    EXPECT_TRUE(config_line_disabled(15, &stage2));
    EXPECT_TRUE(config_line_disabled(8, &stage1));
    EXPECT_FALSE(config_line_disabled(8, &stage2));
    EXPECT_FALSE(config_line_disabled(3, &stage1));
    EXPECT_FALSE(config_line_disabled(99, &stage1)); // lines that are no fields
}

TEST(config_lines, next_line_steps_over_lines_that_cannot_be_chosen) {
    const std::vector<int32_t> page = {3, 4, 5, 6, 7, 8, 9, 10, 15};
    const userinfo_t stage1 = starting_at_stage(1);
    const userinfo_t stage2 = starting_at_stage(2);
    EXPECT_EQ(config_next_line(page, 7, &stage1), 9);
    EXPECT_EQ(config_next_line(page, 7, &stage2), 8);
    EXPECT_EQ(config_next_line(page, 3, &stage1), 5);
    EXPECT_EQ(config_next_line(page, 10, &stage1), 10);          // the last selectable line stays
    EXPECT_EQ(config_next_line(page, 42, &stage1), 42);          // not on the page
    EXPECT_EQ(config_next_line({5, 4, 6, 5, 9}, 5, &stage1), 6); // looked for from the front
}

TEST(config_lines, previous_line_steps_over_lines_that_cannot_be_chosen) {
    const std::vector<int32_t> page = {4, 3, 4, 5, 8, 9};
    const userinfo_t stage1 = starting_at_stage(1);
    EXPECT_EQ(config_prev_line(page, 9, &stage1), 5);
    EXPECT_EQ(config_prev_line(page, 5, &stage1), 3);
    EXPECT_EQ(config_prev_line(page, 3, &stage1), 3); // only a disabled line before it
    // The current line is looked for from the end, so the later 4 is the one stepped back from.
    EXPECT_EQ(config_prev_line(page, 4, &stage1), 3);
    EXPECT_EQ(config_prev_line({}, 5, &stage1), 5);
}
