#include "base/binio.h"
#include "scenes/config.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/stat.h>
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

namespace {

// Runs the program in a fresh sample folder until it is running (then sends SIGTERM) or ends by itself;
// the exit code, or -1 when it hangs for 30 s (then killed).
int run_until_ended(const std::string& folder, const std::vector<std::string>& args = {},
                    const std::string& cwd = "/") {
    const std::string program = folder + "/melvorin";
    std::filesystem::copy_file(MELVORIN_EXE, program, std::filesystem::copy_options::overwrite_existing);
    const pid_t pid = start(program, args, cwd);
    if (pid == 0) {
        return -1;
    }
    const std::string log = folder + "/log/bootlog.txt";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    // The first scene loads its music once the loop runs: it gets half a second before the signal.
    int running_polls = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (running_polls > 0 || log_has(log, "- (実行中)")) {
            if (++running_polls == 25) {
                ::kill(pid, SIGTERM);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(pid, SIGKILL);
    wait_for_exit(pid);
    return -1;
}

bool make_sample_folder(const std::string& folder) {
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    const pid_t sample = start(MKSAMPLE_EXE, {folder}, "/");
    return sample != 0 && wait_for_exit(sample) == 0;
}

bool log_has_line_with(const std::string& log, const std::string& a, const std::string& b) {
    for (const std::string& line : file_lines(log)) {
        if (line.rfind("* Error: ", 0) == 0 && line.find(a) != std::string::npos &&
            line.find(b) != std::string::npos) {
            return true;
        }
    }
    return false;
}

struct odd_file_t {
    const char* path; // below the game's folder
    bool pipe;        // else a folder
};

class odd_data_file : public ::testing::TestWithParam<odd_file_t> {};

} // namespace

// A pipe or a folder where a data file belongs: a clear boot-log line, no hang, a clean end; a save file
// in its place is left as it is.
TEST_P(odd_data_file, is_refused_with_a_line_and_left_alone) {
    temp_folder_t dir;
    ASSERT_TRUE(make_sample_folder(dir.path()));
    const std::string path = dir.path() + "/" + GetParam().path;
    std::filesystem::remove(path);
    ASSERT_EQ(GetParam().pipe ? ::mkfifo(path.c_str(), 0644) : ::mkdir(path.c_str(), 0755), 0);

    EXPECT_EQ(run_until_ended(dir.path()), 0);
    const std::string name = std::filesystem::path(path).filename();
    EXPECT_TRUE(log_has_line_with(dir.path() + "/log/bootlog.txt", name,
                                  GetParam().pipe ? "not a regular file" : "not a file but a folder"));
    const auto type = std::filesystem::status(path).type();
    EXPECT_EQ(type,
              GetParam().pipe ? std::filesystem::file_type::fifo : std::filesystem::file_type::directory);
}

INSTANTIATE_TEST_SUITE_P(kinds, odd_data_file, ::testing::ValuesIn([] {
                             std::vector<odd_file_t> cases;
                             for (const char* path :
                                  {"bin/config.dat", "bin/ranking.dat", "bin/userinfo.dat", "bin/sptbl.dat",
                                   "image/ship.bmp", "bin/setbl.txt", "bin/bgmtbl_ttl.txt", "bin/maptbl.dat",
                                   "bin/sound/title.mid", "bin/sound/se000.wav"}) {
                                 cases.push_back({path, true});
                                 cases.push_back({path, false});
                             }
                             return cases;
                         }()),
                         [](const ::testing::TestParamInfo<odd_file_t>& info) {
                             std::string name =
                                 std::string(info.param.pipe ? "pipe_" : "folder_") + info.param.path;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

// A save file that exists but cannot be opened (held by another program's lease here, as permissions do
// not bind the superuser) survives the run byte for byte, and the boot log names it.
TEST(end_to_end, an_unreadable_save_file_survives_byte_for_byte) {
    temp_folder_t dir;
    ASSERT_TRUE(make_sample_folder(dir.path()));
    std::signal(SIGIO, SIG_IGN); // the program's open attempt breaks the lease and would signal us
    std::vector<int> held;
    const std::vector<uint8_t> stored(300, 0x5A);
    for (const char* name : {"config.dat", "ranking.dat", "userinfo.dat"}) {
        const std::string path = dir.path() + "/bin/" + name;
        ASSERT_TRUE(write_file_bytes(path, stored));
        const int fd = ::open(path.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        held.push_back(fd);
        if (::fcntl(fd, F_SETLEASE, F_RDLCK) != 0) {
            GTEST_SKIP() << "no file leases here";
        }
    }
    // A read lease keeps opens for reading working: only a write lease refuses them, taken now.
    for (const int fd : held) {
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
    }
    for (size_t i = 0; i < held.size(); ++i) {
        ::close(held[i]);
        const char* name = i == 0 ? "config.dat" : i == 1 ? "ranking.dat" : "userinfo.dat";
        held[i] = ::open((dir.path() + "/bin/" + name).c_str(), O_WRONLY);
        ASSERT_EQ(::fcntl(held[i], F_SETLEASE, F_WRLCK), 0) << std::strerror(errno);
    }

    EXPECT_EQ(run_until_ended(dir.path()), 0);
    for (const int fd : held) {
        ::close(fd);
    }
    std::signal(SIGIO, SIG_DFL);
    for (const char* name : {"config.dat", "ranking.dat", "userinfo.dat"}) {
        EXPECT_EQ(file_bytes(dir.path() + "/bin/" + name), stored) << name;
        EXPECT_TRUE(log_has_line_with(dir.path() + "/log/bootlog.txt", name, "を読み込めません")) << name;
    }
}

// A save file cut short (28 whole ranking records, say) is the player's all the same: the run goes on
// defaults and leaves it byte for byte, and the boot log says so.
TEST(end_to_end, a_short_save_file_survives_byte_for_byte) {
    temp_folder_t dir;
    ASSERT_TRUE(make_sample_folder(dir.path()));
    const std::vector<uint8_t> stored(12, 0x5A);
    for (const char* name : {"config.dat", "ranking.dat", "userinfo.dat"}) {
        ASSERT_TRUE(write_file_bytes(dir.path() + "/bin/" + name, stored));
    }
    EXPECT_EQ(run_until_ended(dir.path()), 0);
    for (const char* name : {"config.dat", "ranking.dat", "userinfo.dat"}) {
        EXPECT_EQ(file_bytes(dir.path() + "/bin/" + name), stored) << name;
        EXPECT_TRUE(log_has(dir.path() + "/log/bootlog.txt",
                            std::string("- .\\bin\\") + name + " は上書きせずに残し、既定値で実行します"))
            << name;
    }
}

// A replay named relative to the folder the program was started in is found there, although the program
// then works in its own folder.
TEST(end_to_end, a_relative_replay_path_plays) {
    temp_folder_t dir;
    const std::string game = dir.path() + "/game";
    ASSERT_TRUE(make_sample_folder(game));
    std::filesystem::create_directory(dir.path() + "/runs");
    std::filesystem::copy_file(game + "/bin/demoplay0.ply", dir.path() + "/runs/mine.ply");

    EXPECT_EQ(run_until_ended(game, {"runs/mine.ply"}, dir.path()), 0);
    const std::string log = game + "/log/bootlog.txt";
    EXPECT_TRUE(log_has(log, "- " + dir.path() + "/runs/mine.ply がドロップされました"));
    EXPECT_FALSE(log_has(log, "* Error: プレイファイルのロードに失敗しました"));
}

// Without a sound card the game runs silently and the boot log says so once, with the reason.
TEST(end_to_end, without_a_sound_card_one_line_says_the_game_is_silent) {
    temp_folder_t dir;
    ASSERT_TRUE(make_sample_folder(dir.path()));
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const int exit_code = run_until_ended(dir.path());
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(exit_code, 0);
    const std::vector<std::string> lines = file_lines(dir.path() + "/log/bootlog.txt");
    const auto said = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("* Error: サウンドデバイスを開けません (", 0) == 0 &&
               line.find("no-such-driver") != std::string::npos && line.ends_with("。音は鳴りません");
    });
    EXPECT_EQ(said, 1);
    EXPECT_TRUE(log_has(dir.path() + "/log/bootlog.txt", "- (実行中)"));
}

// A blit scale at the int limits in config.dat runs windowed and full screen (clean in the sanitizer build).
TEST(end_to_end, a_blit_scale_at_the_int_limits_runs) {
    for (const int32_t mode : {0, 0x102801E0}) {
        temp_folder_t dir;
        ASSERT_TRUE(make_sample_folder(dir.path()));
        config_t c;
        config_default(&c);
        c.screen_mode = mode;
        c.blt_scale = mode == 0 ? INT32_MAX : INT32_MIN;
        ASSERT_TRUE(config_save(&c)); // the folder is the current one
        EXPECT_EQ(run_until_ended(dir.path()), 0);
        EXPECT_TRUE(log_has(dir.path() + "/log/bootlog.txt", "- (実行中)"));
    }
}
