#include "shell/path_parts.h"

#include <gtest/gtest.h>

TEST(path_parts, splits_drive_folder_name_and_the_last_extension) {
    const path_parts_t p = split_path("C:\\games\\melv\\run.v2.ply");
    EXPECT_EQ(p.drive, "C:");
    EXPECT_EQ(p.directory, "\\games\\melv\\");
    EXPECT_EQ(p.name, "run.v2");
    EXPECT_EQ(p.extension, ".ply");

    const path_parts_t q = split_path("/home/u.x/noext");
    EXPECT_EQ(q.drive, "");
    EXPECT_EQ(q.directory, "/home/u.x/");
    EXPECT_EQ(q.name, "noext");
    EXPECT_EQ(q.extension, "");
}

TEST(path_parts, later_loops_of_a_recording_get_their_own_file_in_the_same_folder) {
    EXPECT_EQ(replay_loop_name("C:\\rep\\run.ply", 0), "C:\\rep\\run.ply");
    EXPECT_EQ(replay_loop_name("C:\\rep\\run.ply", 1), "C:\\rep\\run_loop02.ply");
    EXPECT_EQ(replay_loop_name("/home/u/run.ply", 10), "/home/u\\run_loop11.ply");
    EXPECT_EQ(replay_loop_name("run.ply", 2), "run_loop03.ply");
    EXPECT_EQ(replay_loop_name("/run.ply", 1), "\\run_loop02.ply");
}
