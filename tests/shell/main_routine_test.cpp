#include "platform/display.h"
#include "platform/file.h"
#include "platform/window.h"
#include "scenes/config.h"
#include "shell/application.h"
#include "shell/session.h"
#include "tests/shell/support.h"
#include "tests/support/answered_boxes.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sample.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace {

class main_routine : public ::testing::Test {
  protected:
    void SetUp() override {
        drain_messages();
        plat::make_directory("bin");
    }
    void TearDown() override {
        plat::reset_display_for_test();
        drain_messages();
    }

    // A stored configuration asking for the window on an 8-bit desktop, which cannot show it.
    std::vector<uint8_t> store_unusable_window_mode() {
        plat::set_desktop_bits_per_pixel_for_test(8);
        config_t c;
        config_default(&c);
        c.screen_mode = 0;
        c.blt_scale = 3;
        EXPECT_TRUE(config_save(&c));
        return file_bytes("bin/config.dat");
    }

    temp_folder_t dir;
};

} // namespace

// Declining the question, or accepting it when no mode can be used, ends the program at once.
TEST_F(main_routine, an_unusable_screen_mode_not_replaced_changes_nothing_and_exits_0) {
    plat::make_directory("log");
    for (const int answer : {plat::idno, plat::idyes}) {
        const std::vector<uint8_t> stored = store_unusable_window_mode();
        plat::set_display_modes_for_test({});
        answered_boxes_t boxes(answer);
        EXPECT_EQ(shell::run(), 0);
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[1].text, answer == plat::idno
                                           ? "アプリケーションを終了します"
                                           : "利用可能なスクリーンモードが見つかりませんでした… "
                                             "m(_ _;)m\r\nアプリケーションを終了します");
        EXPECT_EQ(boxes.shown[1].caption, "MELVORIN - Error");
        EXPECT_EQ(boxes.shown[1].type, plat::mb_ok);
        EXPECT_EQ(file_bytes("bin/config.dat"), stored);
        std::vector<std::string> expected = header_lines;
        expected.push_back("* Error: ウィンドウモードはこのデスクトップ (8bpp) で使用できません");
        EXPECT_EQ(file_lines("log/bootlog.txt"), expected);
    }
}

TEST_F(main_routine, without_a_log_folder_the_program_makes_one_logs_and_saves_the_defaults) {
    std::string error;
    ASSERT_TRUE(make_sample(".", error)) << error;
    std::filesystem::remove_all("log");
    // A termination signal that arrives during start-up closes the window once there is one.
    plat::peek_message(nullptr, false);
    std::raise(SIGTERM);
    EXPECT_EQ(shell::run(), 0);
    EXPECT_FALSE(file_lines("log/bootlog.txt").empty());
    config_t saved;
    ASSERT_EQ(config_load(&saved), load_status_t::loaded);
    EXPECT_EQ(saved.screen_mode, 0x102801E0);
    EXPECT_EQ(saved.blt_scale, 2);
    EXPECT_EQ(saved.pause_key, 32);
}

// A termination signal during loading ends the start-up before its next step, then shuts down in full.
TEST_F(main_routine, a_termination_signal_during_loading_ends_the_start_up) {
    std::string error;
    ASSERT_TRUE(make_sample(".", error)) << error;
    plat::make_directory("log");
    plat::peek_message(nullptr, false);
    std::raise(SIGTERM);
    EXPECT_EQ(shell::run(), 0);
    std::vector<std::string> expected = header_lines;
    expected.push_back("- アプリケーションウィンドウを作成しました");
    expected.push_back("- 起動中に終了が要求されました");
    expected.insert(expected.end(), shut_down_lines.begin(), shut_down_lines.end());
    EXPECT_EQ(file_lines("log/bootlog.txt"), expected);
    drain_messages(); // the signal's close of the window
}

TEST_F(main_routine, a_failed_start_up_still_saves_and_logs_every_shut_down_line) {
    plat::make_directory("log");
    session_t s;
    config_default(&s.config);
    s.config.level = 5;
    shut_down(s);
    EXPECT_EQ(file_lines("log/bootlog.txt"), shut_down_lines);
    config_t saved;
    ASSERT_EQ(config_load(&saved), load_status_t::loaded);
    EXPECT_EQ(saved.level, 5);
}
