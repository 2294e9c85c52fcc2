#include "platform/display.h"
#include "platform/window.h"
#include "shell/session.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sample.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(startup_map_table, a_map_table_of_the_wrong_size_ends_the_start_up_with_its_error_line) {
    drain_messages();
    temp_folder_t dir;
    std::string error;
    ASSERT_TRUE(make_sample(".", error)) << error;
    std::filesystem::resize_file("bin/maptbl.dat", 263168 - 1);

    session_t s;
    config_default(&s.config);
    EXPECT_FALSE(start_up(s));
    ASSERT_NE(s.window, nullptr);
    EXPECT_EQ(file_lines("log/bootlog.txt").back(), "* Error: マップテーブルのロードに失敗しました");
    // The window outlives its object after a failed start-up, as it would until the process ends.
    const plat::hwnd_t window = s.window->handle();
    shut_down(s);
    plat::destroy_window(window);
    EXPECT_TRUE(
        std::equal(shut_down_lines.begin(), shut_down_lines.end(), file_lines("log/bootlog.txt").end() - 7));
    plat::reset_display_for_test();
    drain_messages();
}
