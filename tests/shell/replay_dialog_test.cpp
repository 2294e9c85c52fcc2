#include "platform/file.h"
#include "platform/file_dialog.h"
#include "shell/replay_dialog.h"
#include "tests/support/owner_window.h"
#include "tests/support/temp_folder.h"
#include "umlib/file_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(replay_dialog, starts_in_the_replay_folder_then_at_the_last_choice_and_keeps_the_working_folder) {
    temp_folder_t dir;
    std::filesystem::create_directories("bin/replay");
    const std::string home = plat::current_directory();
    std::vector<plat::file_dialog_request_t> seen;
    plat::set_file_dialog_hook_for_test([&](const plat::file_dialog_request_t& request) {
        seen.push_back(request);
        plat::set_current_directory("/"); // a dialog may wander off
        return std::optional<std::string>(home + "/bin/replay/run");
    });
    char name[256] = "";
    ASSERT_TRUE(replay_save_dialog(nullptr, name, sizeof name));
    EXPECT_EQ(plat::current_directory(), home);
    EXPECT_EQ(std::string(name), home + "/bin/replay/run.ply");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].start_path, home + "/bin/replay/");
    EXPECT_EQ(seen[0].pattern, "*.ply");
    EXPECT_EQ(seen[0].title, "保存ファイル名を指定してください");

    ASSERT_TRUE(replay_open_dialog(nullptr, name, sizeof name));
    EXPECT_EQ(seen[1].start_path, home + "/bin/replay/run.ply");
    EXPECT_EQ(seen[1].title, "読込ファイル名を指定してください");
    EXPECT_FALSE(seen[1].save);
    EXPECT_EQ(plat::current_directory(), home);

    // The dialogs outlive the window they first ran over: each run names the owner it is given.
    owner_window_t owner(reinterpret_cast<plat::hwnd_t>(0x1234));
    ASSERT_TRUE(replay_save_dialog(&owner, name, sizeof name));
    EXPECT_EQ(umlib::file_dialog_t::record().owner, owner.handle());
    plat::set_file_dialog_hook_for_test(nullptr);
}
