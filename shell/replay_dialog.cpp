#include "shell/replay_dialog.h"

#include "base/bootlog.h"
#include "base/strformat.h"
#include "platform/file.h"
#include "platform/window.h"
#include "shell/gdi_dialog.h"
#include "umlib/file_dialog.h"

#include <string>

namespace {

// Description and pattern, each zero-terminated, then the empty string that ends the list.
constexpr char replay_filter[] = "Play files (*.ply)\0*.ply\0";

bool run_replay_dialog(umlib::file_dialog_t& dialog, umlib::vwindow_t* owner, const char* title, char* name,
                       uint32_t size) {
    plat::open_file_name_t& ofn = umlib::file_dialog_t::record();
    ofn.initial_dir = ".\\bin\\replay";
    ofn.default_ext = "ply";
    ofn.filter = replay_filter;
    ofn.file = name;
    ofn.max_file = size;
    prepare_gdi_dialog();
    // Every path of the game is relative to the working folder, which a dialog may move.
    const std::string folder = plat::current_directory();
    plat::show_cursor(true);
    // The dialog lives as long as the program, the owner only as long as its run of the game.
    dialog.set_owner(owner);
    const bool chosen = dialog.create(title);
    dialog.set_owner(nullptr);
    plat::show_cursor(false);
    plat::set_current_directory(folder);
    if (!ofn.too_long.empty()) {
        bootlog_error(strformat("%s: パスが長すぎます (%u 文字まで)", ofn.too_long.c_str(), size - 1));
    }
    return chosen;
}

} // namespace

bool replay_open_dialog(umlib::vwindow_t* owner, char* name, uint32_t size) {
    static umlib::file_open_dialog_t dialog(nullptr);
    return run_replay_dialog(dialog, owner, "読込ファイル名を指定してください", name, size);
}

bool replay_save_dialog(umlib::vwindow_t* owner, char* name, uint32_t size) {
    static umlib::file_save_dialog_t dialog(nullptr);
    return run_replay_dialog(dialog, owner, "保存ファイル名を指定してください", name, size);
}
