#include "base/binio.h"
#include "base/safe_save.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
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
    const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                      std::filesystem::perms::group_read;
    std::filesystem::permissions("bin/a.dat", mode);
    ASSERT_TRUE(safe_save(".\\bin\\a.dat", {'n', 'e', 'w'}));
    EXPECT_EQ(read_text("bin/a.dat"), "new");
    EXPECT_EQ(std::filesystem::status("bin/a.dat").permissions(), mode);
    EXPECT_FALSE(std::filesystem::exists("bin/a.dat.tmp"));
}

// A disk that fills up in the middle of the bytes (a file size limit here) fails the save and leaves the
// old file and no temporary.
TEST(safe_save, a_disk_full_after_two_bytes_keeps_the_old_file) {
    temp_folder_t dir;
    std::filesystem::create_directory("bin");
    std::ofstream("bin/a.dat") << "old";
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 2;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = safe_save(".\\bin\\a.dat", {'n', 'e', 'w'});
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(saved);
    EXPECT_EQ(read_text("bin/a.dat"), "old");
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

// A leftover temporary is cleared only when it is a plain file; a link there is never written through. A
// target that is a link is replaced where it points, the link kept; one that leads nowhere is refused.
TEST(safe_save, a_planted_temporary_or_a_linked_target_never_writes_through_a_link) {
    enum class plant_t { stale_temporary, temporary_link, target_link, dangling_target, target_link_to_pipe };
    struct row_t {
        plant_t plant;
        bool saved;
        const char* reason; // in the boot-log line of a refusal, after the file's name
    };
    const row_t rows[] = {
        {plant_t::stale_temporary, true, ""},
        {plant_t::temporary_link, false, "(create bin/a.dat.tmp: File exists)"},
        {plant_t::target_link, true, ""},
        {plant_t::dangling_target, false, "(follow link bin/a.dat: No such file or directory)"},
        {plant_t::target_link_to_pipe, false, "/pipe is not a regular file)"},
    };
    for (const row_t& r : rows) {
        temp_folder_t dir;
        std::filesystem::create_directory("bin");
        std::ofstream("outside.dat") << "theirs";
        ASSERT_EQ(::mkfifo("pipe", 0600), 0);
        const bool linked_target = r.plant == plant_t::target_link || r.plant == plant_t::dangling_target ||
                                   r.plant == plant_t::target_link_to_pipe;
        if (r.plant == plant_t::stale_temporary) {
            std::ofstream("bin/a.dat.tmp") << "half";
        } else if (r.plant == plant_t::temporary_link) {
            std::filesystem::create_symlink("../outside.dat", "bin/a.dat.tmp");
        }
        if (linked_target) {
            const char* to = r.plant == plant_t::target_link       ? "../outside.dat"
                             : r.plant == plant_t::dangling_target ? "../gone.dat"
                                                                   : "../pipe";
            std::filesystem::create_symlink(to, "bin/a.dat");
        } else {
            std::ofstream("bin/a.dat") << "old";
        }
        const int plant = int(r.plant);
        EXPECT_EQ(safe_save(".\\bin\\a.dat", {'n', 'e', 'w'}), r.saved) << plant;
        EXPECT_EQ(std::filesystem::is_symlink("bin/a.dat"), linked_target) << plant;
        EXPECT_EQ(read_text("outside.dat"), r.plant == plant_t::target_link ? "new" : "theirs") << plant;
        EXPECT_FALSE(std::filesystem::exists("outside.dat.tmp")) << plant;
        if (!linked_target) {
            EXPECT_EQ(read_text("bin/a.dat"), r.saved ? "new" : "old") << plant;
            EXPECT_EQ(std::filesystem::is_symlink("bin/a.dat.tmp"), r.plant == plant_t::temporary_link)
                << plant;
        }
        const std::string log = read_text("log/bootlog.txt");
        EXPECT_EQ(log.empty(), r.saved) << plant;
        if (!r.saved) {
            EXPECT_EQ(log.rfind("* Error: .\\bin\\a.dat の保存に失敗しました (", 0), 0u) << log;
            EXPECT_NE(log.find(std::string(r.reason) + "\n"), std::string::npos) << log;
        }
    }
}
