#include "platform/dialogs.h"
#include "platform/file.h"
#include "platform/file_dialog.h"
#include "platform/keyboard.h"
#include "platform/window.h"
#include "tests/support/answered_boxes.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr char filter[] = "Play files (*.ply)\0*.ply\0";

plat::open_file_name_t replay_record(char* name, uint32_t size) {
    plat::open_file_name_t ofn;
    ofn.file = name;
    ofn.max_file = size;
    ofn.filter = filter;
    ofn.initial_dir = ".\\bin\\replay";
    ofn.default_ext = "ply";
    ofn.title = "pick";
    ofn.flags = plat::ofn_overwriteprompt;
    return ofn;
}

// Puts a program named zenity, written as a shell script, first on PATH for the life of the object.
class fake_zenity_t {
  public:
    fake_zenity_t(const std::string& folder, const std::string& body) : saved_(std::getenv("PATH")) {
        std::filesystem::create_directories(folder);
        const std::string path = folder + "/zenity";
        std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        ::setenv("PATH", (folder + ":" + saved_).c_str(), 1);
    }
    ~fake_zenity_t() { ::setenv("PATH", saved_.c_str(), 1); }

  private:
    std::string saved_;
};

std::string read_text(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(file_dialog, the_hook_sees_where_the_dialog_starts_and_a_bare_name_gets_the_default_extension) {
    temp_folder_t dir;
    plat::file_dialog_request_t seen;
    plat::set_file_dialog_hook_for_test([&](const plat::file_dialog_request_t& request) {
        seen = request;
        return std::optional<std::string>("/runs/first");
    });
    char name[256] = "";
    plat::open_file_name_t ofn = replay_record(name, sizeof name);
    ASSERT_TRUE(plat::get_save_file_name(&ofn));
    EXPECT_STREQ(name, "/runs/first.ply");
    EXPECT_TRUE(seen.save);
    EXPECT_EQ(seen.title, "pick");
    EXPECT_EQ(seen.pattern, "*.ply");
    EXPECT_EQ(seen.start_path, plat::current_directory() + "/bin/replay/");

    // The next dialog starts at the name chosen before.
    ASSERT_TRUE(plat::get_open_file_name(&ofn));
    EXPECT_FALSE(seen.save);
    EXPECT_EQ(seen.start_path, "/runs/first.ply");
    plat::set_file_dialog_hook_for_test(nullptr);
}

TEST(file_dialog, a_cancel_or_a_path_longer_than_the_buffer_chooses_nothing) {
    std::optional<std::string> answer;
    plat::set_file_dialog_hook_for_test([&](const plat::file_dialog_request_t&) { return answer; });
    char name[16] = "keep.ply";
    plat::open_file_name_t ofn = replay_record(name, sizeof name);
    EXPECT_FALSE(plat::get_open_file_name(&ofn));
    answer = "/a/much/too/long.ply";
    EXPECT_FALSE(plat::get_open_file_name(&ofn));
    EXPECT_STREQ(name, "keep.ply");
    answer = "/a/fits.ply"; // 11 characters and the terminator
    EXPECT_TRUE(plat::get_open_file_name(&ofn));
    EXPECT_STREQ(name, "/a/fits.ply");
    plat::set_file_dialog_hook_for_test(nullptr);
}

TEST(file_dialog, zenity_is_asked_with_the_dialog_s_settings_and_its_answer_is_read_back) {
    temp_folder_t dir;
    const std::string args = dir.path() + "/args.txt";
    fake_zenity_t zenity(dir.path() + "/tools", "printf '%s\\n' \"$@\" > " + args + "\necho /chosen/run.ply");
    char name[256] = "old.ply";
    plat::open_file_name_t ofn = replay_record(name, sizeof name);
    ASSERT_TRUE(plat::get_save_file_name(&ofn));
    EXPECT_STREQ(name, "/chosen/run.ply");
    const std::string asked = read_text(args);
    EXPECT_NE(asked.find("--file-selection\n"), std::string::npos) << asked;
    EXPECT_NE(asked.find("--save\n--confirm-overwrite\n"), std::string::npos) << asked;
    EXPECT_NE(asked.find("--title=pick\n"), std::string::npos) << asked;
    EXPECT_NE(asked.find("--filename=" + plat::current_directory() + "/bin/replay/old.ply\n"),
              std::string::npos)
        << asked;
    EXPECT_NE(asked.find("--file-filter=Play files (*.ply) | *.ply\n"), std::string::npos) << asked;
}

TEST(file_dialog, zenity_s_cancel_is_a_cancel) {
    temp_folder_t dir;
    fake_zenity_t zenity(dir.path() + "/tools", "exit 1");
    char name[256] = "";
    plat::open_file_name_t ofn = replay_record(name, sizeof name);
    EXPECT_FALSE(plat::get_open_file_name(&ofn));
}

TEST(file_dialog, without_zenity_a_box_says_so_and_the_dialog_counts_as_cancelled) {
    temp_folder_t dir;
    const std::string saved = std::getenv("PATH");
    ::setenv("PATH", dir.path().c_str(), 1); // a folder without the tool
    answered_boxes_t boxes(plat::idok);
    char name[256] = "";
    plat::open_file_name_t ofn = replay_record(name, sizeof name);
    const bool chosen = plat::get_open_file_name(&ofn);
    ::setenv("PATH", saved.c_str(), 1);
    EXPECT_FALSE(chosen);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("zenity"), std::string::npos);
}

TEST(message_box, zenity_shows_each_kind_and_return_space_or_esc_at_the_game_answer_it_and_no_key_is_left) {
    struct row_t {
        uint32_t type;
        const char* zenity; // what the tool does after writing down its arguments
        int key;            // pressed at the game's window while the box is up, after an A
        int answer;
        const char* kind;
    };
    const row_t rows[] = {
        {plat::mb_yesno, "exit 0", 0, plat::idyes, "--question"},
        {plat::mb_yesno, "exit 1", 0, plat::idno, "--question"},
        {plat::mb_ok | plat::mb_iconerror, "exit 1", 0, plat::idok, "--error"},
        {plat::mb_ok | plat::mb_iconexclamation, "exit 0", 0, plat::idok, "--warning"},
        {plat::mb_yesno, "exec sleep 20", plat::vk_space, plat::idyes, "--question"},
        {plat::mb_yesno, "exec sleep 20", plat::vk_escape, plat::idno, "--question"},
        {plat::mb_ok, "exec sleep 20", plat::vk_return, plat::idok, "--info"},
    };
    temp_folder_t dir;
    test_window_t game(0, 0, 64, 64);
    const char* display = std::getenv("DISPLAY");
    const std::string saved_display = display != nullptr ? display : "";
    ::setenv("DISPLAY", ":99", 1);
    for (const row_t& r : rows) {
        const std::string args = dir.path() + "/args.txt";
        fake_zenity_t zenity(dir.path() + "/tools", "printf '%s\\n' \"$@\" > " + args + "\n" + r.zenity);
        plat::post_key_event_for_test(game.hwnd(), 'A');
        if (r.key != 0) {
            plat::post_key_event_for_test(game.hwnd(), r.key);
        }
        EXPECT_EQ(plat::message_box(game.hwnd(), "よろしいですか", "MELVORIN", r.type), r.answer) << r.kind;
        EXPECT_EQ(read_text(args),
                  std::string(r.kind) + "\n--no-markup\n--title=MELVORIN\n--text=よろしいですか\n");
        plat::message_t msg;
        while (plat::peek_message(&msg, true)) {
            EXPECT_NE(msg.message, plat::wm_keydown) << r.kind << " key " << msg.wparam;
        }
        EXPECT_EQ(plat::get_async_key_state('A'), 0);
    }
    if (display != nullptr) {
        ::setenv("DISPLAY", saved_display.c_str(), 1);
    } else {
        ::unsetenv("DISPLAY");
    }
}
