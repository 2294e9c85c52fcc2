#include "platform/display.h"
#include "scenes/config.h"
#include "shell/session.h"
#include "tests/support/answered_boxes.h"

#include <gtest/gtest.h>

namespace {

const char* const question = "指定のスクリーンモードで起動することが出来ませんでした。\r\n"
                             "利用可能なスクリーンモードから起動を試みますか？";

class screen_mode_check : public ::testing::Test {
  protected:
    void SetUp() override {
        config_default(&config);
        config.screen_mode = 0;
        config.blt_scale = 7;
    }
    void TearDown() override { plat::reset_display_for_test(); }

    config_t config;
};

} // namespace

TEST_F(screen_mode_check, a_usable_mode_keeps_its_stored_blit_scale_and_asks_nothing) {
    plat::set_desktop_bits_per_pixel_for_test(32);
    answered_boxes_t boxes(plat::idno);
    EXPECT_TRUE(check_screen_mode(config));
    EXPECT_EQ(config.screen_mode, 0);
    EXPECT_EQ(config.blt_scale, 7);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(screen_mode_check, yes_takes_the_first_usable_mode_and_its_blit_scale) {
    plat::set_desktop_bits_per_pixel_for_test(8);
    plat::set_display_modes_for_test({{1280, 1024, 32}, {1280, 1024, 16}});
    answered_boxes_t boxes(plat::idyes);
    EXPECT_TRUE(check_screen_mode(config));
    EXPECT_EQ(config.screen_mode, 0x10500400);
    EXPECT_EQ(config.blt_scale, 4);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].owner, nullptr);
    EXPECT_EQ(boxes.shown[0].text, question);
    EXPECT_EQ(boxes.shown[0].caption, "MELVORIN - Error");
    EXPECT_EQ(boxes.shown[0].type, plat::mb_yesno | plat::mb_iconexclamation);
}
