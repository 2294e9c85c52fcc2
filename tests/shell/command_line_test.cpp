#include "platform/file.h"
#include "shell/command_line.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

TEST(command_line, quotes_go_wherever_they_stand) {
    EXPECT_EQ(strip_quotes("\"C:\\My Replays\\run.ply\""), "C:\\My Replays\\run.ply");
    EXPECT_EQ(strip_quotes("a\"b\"\"c"), "abc");
    EXPECT_EQ(strip_quotes("\"\""), "");
}

TEST(command_line, an_empty_line_opens_the_title_and_a_named_file_its_replay) {
    temp_folder_t dir;
    plat::make_directory("log");
    std::string replay = "unchanged";
    EXPECT_EQ(first_scene("", replay), scene_title);
    EXPECT_EQ(first_scene("\"\"", replay), scene_title);
    EXPECT_EQ(replay, "unchanged");
    EXPECT_EQ(first_scene("\"/home/me/my runs/run.ply\"", replay), scene_named_replay);
    EXPECT_EQ(replay, "/home/me/my runs/run.ply");
    EXPECT_EQ(file_lines("log/bootlog.txt"),
              std::vector<std::string>{"- /home/me/my runs/run.ply がドロップされました"});
}

TEST(command_line, a_name_too_long_for_the_field_is_refused_whole_not_cut) {
    temp_folder_t dir;
    plat::make_directory("log");
    const std::string longest = std::string(251, 'a') + ".ply";
    std::string replay;
    EXPECT_EQ(first_scene(longest, replay), scene_named_replay);
    EXPECT_EQ(replay, longest);

    const std::string too_long = "b" + longest;
    EXPECT_EQ(first_scene(too_long, replay), scene_title);
    EXPECT_EQ(replay, longest);
    const std::vector<std::string> lines = file_lines("log/bootlog.txt");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "- " + too_long + " がドロップされました");
    EXPECT_EQ(lines[2], "* Error: " + too_long + ": パスが長すぎます (255 文字まで)");
}

TEST(command_line, a_relative_replay_path_is_taken_from_the_start_folder) {
    EXPECT_EQ(resolve_replay_path("\"my runs/a.ply\"", "/home/me"), "/home/me/my runs/a.ply");
    EXPECT_EQ(resolve_replay_path("a.ply", "/"), "/a.ply");
    EXPECT_EQ(resolve_replay_path("/abs/a.ply", "/home/me"), "/abs/a.ply");
    EXPECT_EQ(resolve_replay_path("", "/home/me"), "");
}
