#include "platform/display.h"
#include "umlib/display_modes.h"

#include <gtest/gtest.h>

TEST(display_modes, a_mode_exists_only_among_the_first_32_reported) {
    std::vector<plat::display_mode_t> modes;
    for (uint32_t i = 0; i < 32; ++i) {
        modes.push_back({320 + i, 200, 16});
    }
    modes.push_back({640, 480, 16}); // the 33rd mode is never looked at
    plat::set_display_modes_for_test(modes);
    EXPECT_TRUE(umlib::mode_exists(320, 200, 16));
    EXPECT_FALSE(umlib::mode_exists(320, 200, 32));
    EXPECT_FALSE(umlib::mode_exists(640, 480, 16));
    plat::reset_display_for_test();
    EXPECT_TRUE(umlib::mode_exists(640, 480, 16));
    EXPECT_TRUE(umlib::mode_exists(1280, 1024, 32));
}
