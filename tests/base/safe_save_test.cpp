#include "base/binio.h"
#include "base/safe_save.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

std::string read_text(const char* path) {
    std::vector<uint8_t> bytes;
    read_file_bytes(path, bytes);
    return std::string(bytes.begin(), bytes.end());
}

int count_lines(const std::string& text) {
    return int(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST(safe_save, replaces_the_old_file_and_leaves_no_temporary_behind) {
    temp_folder_t dir;
    std::filesystem::create_directory("bin");
    std::ofstream("bin/a.dat") << "old contents that are longer";
    ASSERT_TRUE(safe_save(".\\bin\\a.dat", {'n', 'e', 'w'}));
    EXPECT_EQ(read_text("bin/a.dat"), "new");
    EXPECT_FALSE(std::filesystem::exists("bin/a.dat.tmp"));
}

TEST(safe_save, a_failed_save_keeps_the_old_file_and_logs_one_line) {
    temp_folder_t dir;
    std::filesystem::create_directory("bin");
    std::filesystem::create_directory("log");
    std::ofstream("bin/a.dat") << "old";
    // A folder standing where the temporary file must go makes the save fail for any user.
    std::filesystem::create_directory("bin/a.dat.tmp");
    EXPECT_FALSE(safe_save(".\\bin\\a.dat", {'n', 'e', 'w'}));
    EXPECT_EQ(read_text("bin/a.dat"), "old");
    const std::string log = read_text("log/bootlog.txt");
    EXPECT_EQ(count_lines(log), 1);
    EXPECT_EQ(log.rfind("* Error: .\\bin\\a.dat", 0), 0u) << log;
}

TEST(safe_save, a_folder_without_write_permission_keeps_the_old_file) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    temp_folder_t dir;
    std::filesystem::create_directory("bin");
    std::ofstream("bin/a.dat") << "old";
    std::filesystem::permissions("bin",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(safe_save(".\\bin\\a.dat", {'n', 'e', 'w'}));
    std::filesystem::permissions("bin", std::filesystem::perms::owner_all);
    EXPECT_EQ(read_text("bin/a.dat"), "old");
}

TEST(safe_save, a_full_disk_fails_at_the_write_or_the_close_and_keeps_the_old_file) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    temp_folder_t dir;
    std::filesystem::create_directory("bin");
    std::ofstream("bin/a.dat") << "old";
    // The temporary file is a link to a device that refuses every byte.
    std::filesystem::create_symlink("/dev/full", "bin/a.dat.tmp");
    EXPECT_FALSE(safe_save(".\\bin\\a.dat", {'n', 'e', 'w'}));
    EXPECT_EQ(read_text("bin/a.dat"), "old");
}
