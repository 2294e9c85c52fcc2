#include "base/binio.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

// Starts a program in the folder cwd; the process id, or 0.
pid_t start(const std::string& program, const std::vector<std::string>& args, const std::string& cwd) {
    std::vector<std::string> words = {program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : 0;
}

// The exit code, or -1 when the process did not exit normally.
int wait_for_exit(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

bool log_has(const std::string& path, const std::string& line) {
    const std::vector<std::string> lines = file_lines(path);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

TEST(end_to_end, the_program_starts_in_its_own_folder_and_shuts_down_in_full_on_sigterm) {
    temp_folder_t dir;
    ::unsetenv("DISPLAY"); // headless: no box could be answered
    ::unsetenv("WAYLAND_DISPLAY");
    const pid_t sample = start(MKSAMPLE_EXE, {dir.path()}, "/");
    ASSERT_NE(sample, 0);
    ASSERT_EQ(wait_for_exit(sample), 0);
    const std::string program = dir.path() + "/melvorin";
    std::filesystem::copy_file(MELVORIN_EXE, program);

    const pid_t pid = start(program, {}, "/"); // started elsewhere: it must find its own folder
    ASSERT_NE(pid, 0);
    const std::string log = dir.path() + "/log/bootlog.txt";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    bool running = false;
    while (!running && std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            FAIL() << "the program ended before it ran";
        }
        running = log_has(log, "- (実行中)");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(pid, SIGTERM);
    ASSERT_TRUE(running);
    EXPECT_EQ(wait_for_exit(pid), 0);

    std::vector<std::string> expected = header_lines;
    expected.push_back("- アプリケーションウィンドウを作成しました");
    // The default mode, full screen 640 x 480 at 16 bits, with the picture centred at scale 2.
    for (const char* line :
         {"- 640x480 16bpp モードで初期化しました", "", "ピクセル情報", "  bit  R:5 G:6 B:5",
          "  msk  R:0x0000F800 G:0x000007E0 B:0x0000001F", "  shf  R:11 G:5 B:0", "  max  R:31 G:63 B:31",
          "転送領域", "  src:   0,   8, 256, 248", "  dst:  64,   0, 576, 480", "",
          "- スクリーン管理オブジェクトを作成しました"}) {
        expected.push_back(line);
    }
    expected.push_back("- サウンド管理オブジェクトを作成しました");
    expected.push_back("- シーン管理オブジェクトを作成しました");
    expected.push_back("- (実行中)");
    expected.insert(expected.end(), shut_down_lines.begin(), shut_down_lines.end());
    EXPECT_EQ(file_lines(log), expected);

    const std::vector<uint8_t> config = file_bytes(dir.path() + "/bin/config.dat");
    ASSERT_EQ(config.size(), 84u);
    byte_reader_t in(config);
    EXPECT_EQ(in.i32(), 0x102801E0);
    EXPECT_EQ(in.i32(), 2);
    EXPECT_EQ(file_bytes(dir.path() + "/bin/userinfo.dat").size(), 16u);
    EXPECT_EQ(file_bytes(dir.path() + "/bin/ranking.dat").size(), 1200u);
}

// A start-up that fails after the picture was shown still takes everything down; in the sanitizer build
// this also proves that nothing is left allocated when the program ends.
TEST(end_to_end, a_broken_sprite_table_ends_the_start_up_cleanly) {
    temp_folder_t dir;
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    const pid_t sample = start(MKSAMPLE_EXE, {dir.path()}, "/");
    ASSERT_NE(sample, 0);
    ASSERT_EQ(wait_for_exit(sample), 0);
    ASSERT_TRUE(write_file_bytes(dir.path() + "/bin/sptbl.dat", std::vector<uint8_t>(100)));
    const std::string program = dir.path() + "/melvorin";
    std::filesystem::copy_file(MELVORIN_EXE, program);

    const pid_t pid = start(program, {}, "/");
    ASSERT_NE(pid, 0);
    EXPECT_EQ(wait_for_exit(pid), 0);
    const std::string log = dir.path() + "/log/bootlog.txt";
    EXPECT_TRUE(log_has(log, "* Error: スプライトのロードに失敗しました"));
    EXPECT_TRUE(log_has(log, "- 未解放オブジェクト: 0"));
    EXPECT_FALSE(log_has(log, "- (実行中)"));
}
