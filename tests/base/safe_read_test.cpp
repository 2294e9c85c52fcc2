#include "base/safe_read.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

// Whatever stands where a data file belongs, the reader answers at once and says in the log what it found.
TEST(safe_read, a_data_file_of_any_kind_gets_its_status_and_one_line_naming_it) {
    temp_folder_t dir;
    ASSERT_EQ(::mkfifo("pipe.dat", 0600), 0);
    std::filesystem::create_directory("folder.dat");
    std::filesystem::create_symlink("/dev/zero", "zero.dat");
    std::ofstream("short.dat") << "abc";
    std::ofstream("exact.dat") << "abcd";
    std::ofstream("long.dat") << "abcde";
    struct row_t {
        const char* name;
        bool exact;
        load_status_t status;
        const char* line; // empty: none
    };
    const row_t rows[] = {
        {"pipe.dat", false, load_status_t::unreadable,
         "* Error: pipe.dat を読み込めません (not a regular file)"},
        {"folder.dat", false, load_status_t::unreadable,
         "* Error: folder.dat を読み込めません (not a file but a folder)"},
        {"zero.dat", false, load_status_t::unreadable,
         "* Error: zero.dat を読み込めません (not a regular file)"},
        {"none.dat", false, load_status_t::missing, "* Error: none.dat が見つかりません"},
        {"short.dat", false, load_status_t::malformed,
         "* Error: short.dat の形式が正しくありません (3 バイトしかありません。4 バイト必要です)"},
        {"long.dat", false, load_status_t::loaded, ""},
        {"long.dat", true, load_status_t::malformed,
         "* Error: long.dat の形式が正しくありません (4 バイトを超えています)"},
        {"exact.dat", true, load_status_t::loaded, ""},
    };
    for (const row_t& r : rows) {
        std::filesystem::remove_all("log");
        std::vector<uint8_t> bytes;
        EXPECT_EQ(read_data_file(r.name, bytes, 4, r.exact), r.status) << r.name;
        EXPECT_EQ(file_lines("log/bootlog.txt"),
                  r.line[0] == '\0' ? std::vector<std::string>{} : std::vector<std::string>{r.line})
            << r.name;
        if (r.status == load_status_t::loaded) {
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "abcd") << r.name;
        }
    }
}
