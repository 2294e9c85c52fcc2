#include "platform/file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

TEST(platform_file, game_paths_map_to_this_file_system_without_regard_to_case) {
    temp_folder_t dir;
    ASSERT_TRUE(plat::make_directory("Bin"));
    std::FILE* f = std::fopen("Bin/Config.DAT", "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);

    EXPECT_EQ(plat::native_path(".\\bin\\config.dat"), "Bin/Config.DAT");
    EXPECT_TRUE(plat::file_exists(".\\BIN\\CONFIG.dat"));
    // A file that does not exist keeps its written name inside the folder that does, so it can be made.
    EXPECT_EQ(plat::native_path(".\\bin\\new.dat"), "Bin/new.dat");
    std::FILE* made = plat::open_file(".\\bin\\userinfo.dat", "wb");
    ASSERT_NE(made, nullptr);
    std::fclose(made);
    EXPECT_TRUE(plat::file_exists(".\\BIN\\USERINFO.DAT"));
    // A missing folder stays as written, and opening inside it fails.
    EXPECT_EQ(plat::native_path("image\\ship.bmp"), "image/ship.bmp");
    EXPECT_EQ(plat::open_file("image\\ship.bmp", "wb"), nullptr);
}
