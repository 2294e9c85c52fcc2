#include "platform/display.h"
#include "shell/application.h"
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

    EXPECT_EQ(shell::run(), 0);
    const std::vector<std::string> lines = file_lines("log/bootlog.txt");
    const std::vector<std::string> expected_tail = {"* Error: マップテーブルのロードに失敗しました",
                                                    shut_down_lines.front()};
    const auto failed = std::find(lines.begin(), lines.end(), expected_tail[0]);
    ASSERT_NE(failed, lines.end());
    EXPECT_EQ(*(failed + 1), expected_tail[1]); // straight to the shut-down
    EXPECT_TRUE(std::equal(shut_down_lines.begin(), shut_down_lines.end(), lines.end() - 7));
    plat::reset_display_for_test();
    drain_messages();
}
