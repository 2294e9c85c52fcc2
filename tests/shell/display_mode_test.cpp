#include "platform/display.h"
#include "scenes/display_mode.h"
#include "scenes/key_name.h"

#include <gtest/gtest.h>

namespace {

// Restores what the machine reports when a test is done with its injected display.
struct injected_display_t {
    injected_display_t(const std::vector<plat::display_mode_t>& modes, int desktop_bits) {
        plat::set_display_modes_for_test(modes);
        plat::set_desktop_bits_per_pixel_for_test(desktop_bits);
    }
    ~injected_display_t() { plat::reset_display_for_test(); }
};

} // namespace

TEST(display_mode, words_pack_bits_width_and_height) {
    EXPECT_EQ(make_display_mode(16, 640, 480), 0x102801E0);
    EXPECT_EQ(make_display_mode(32, 1280, 1024), 0x20500400);
    EXPECT_EQ(display_mode_width(0x20400300), 1024);
    EXPECT_EQ(display_mode_height(0x20400300), 768);
    EXPECT_EQ(display_mode_bits(0x20400300), 32);
    EXPECT_EQ(display_mode_bits(int32_t(0xFF000000u)), 255); // no sign from the top byte
}

TEST(display_mode, default_blit_scale_is_the_largest_that_fits) {
    const std::array<int32_t, 9> expected = {2, 2, 2, 2, 3, 3, 4, 4, 2};
    for (size_t i = 0; i < display_mode_table.size(); ++i) {
        EXPECT_EQ(default_blt_scale(display_mode_table[i]), expected[i]) << i;
    }
    EXPECT_EQ(default_blt_scale(make_display_mode(16, 768, 720)), 3); // both sides exactly
    EXPECT_EQ(default_blt_scale(make_display_mode(16, 767, 720)), 2);
    EXPECT_EQ(default_blt_scale(make_display_mode(16, 4095, 4095)), 15);
    EXPECT_EQ(default_blt_scale(make_display_mode(16, 200, 100)), 1);
}

TEST(display_mode, the_window_needs_a_16_or_32_bit_desktop) {
    for (const auto& [bits, usable] : {std::pair{8, false}, {16, true}, {24, false}, {32, true}}) {
        injected_display_t display({}, bits);
        EXPECT_EQ(screen_mode_available(window_mode), usable) << bits;
    }
}

TEST(display_mode, full_screen_modes_must_be_offered_at_that_depth) {
    injected_display_t display({{800, 600, 16}, {1024, 768, 32}}, 32);
    EXPECT_TRUE(screen_mode_available(0x10320258));
    EXPECT_FALSE(screen_mode_available(0x20320258));
    EXPECT_TRUE(screen_mode_available(0x20400300));
    EXPECT_FALSE(screen_mode_available(0x102801E0));
}

TEST(display_mode, the_fallback_takes_the_table_order_with_the_window_last) {
    {
        injected_display_t display({{1024, 768, 32}, {800, 600, 16}}, 8);
        int32_t mode = -1;
        EXPECT_TRUE(find_available_mode(&mode));
        EXPECT_EQ(mode, 0x10320258); // the list's order does not matter
    }
    {
        injected_display_t display({}, 16);
        int32_t mode = -1;
        EXPECT_TRUE(find_available_mode(&mode));
        EXPECT_EQ(mode, window_mode);
    }
    {
        injected_display_t display({{1024, 768, 24}}, 24);
        int32_t mode = -1;
        EXPECT_FALSE(find_available_mode(&mode));
        EXPECT_EQ(mode, 0);
    }
}

TEST(display_mode, key_names) {
    EXPECT_EQ(key_name(48), "48");
    EXPECT_EQ(key_name(16), "SHIFT");
    EXPECT_EQ(key_name(65), "A");
    EXPECT_EQ(key_name(90), "Z");
    EXPECT_EQ(key_name(91), "91");
    EXPECT_EQ(key_name(13), "ENTER");
}
