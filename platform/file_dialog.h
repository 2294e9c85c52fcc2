// Stand-in for the common open and save dialogs: the file chooser of the desktop's zenity tool, run as a
// child process whose answer is read back. Tests answer through a hook instead.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace plat {

// Flag values keep their Windows meaning.
constexpr uint32_t ofn_overwriteprompt = 0x00000002;
constexpr uint32_t ofn_hidereadonly = 0x00000004;
constexpr uint32_t ofn_createprompt = 0x00002000;
constexpr uint32_t ofn_explorer = 0x00080000;

// The fields of the dialogs' shared record that the game fills.
struct open_file_name_t {
    uint32_t struct_size = 0;
    hwnd_t owner = nullptr;
    // Pairs of zero-terminated strings (description, pattern), ended by an empty string.
    const char* filter = nullptr;
    // In: the initial name (a bare name or a path); out: the chosen full path.
    char* file = nullptr;
    uint32_t max_file = 0;
    const char* initial_dir = nullptr;
    const char* title = nullptr;
    uint32_t flags = 0;
    const char* default_ext = nullptr; // given (with its dot) to a chosen name without an extension
    std::string too_long; // out: a chosen path that did not fit file, which the dialog then refused
};

// True when a file was chosen and its path fits the record's buffer; false on cancel. Without zenity a
// message box says so and the dialog counts as cancelled.
bool get_open_file_name(open_file_name_t* ofn);
bool get_save_file_name(open_file_name_t* ofn);

// What a dialog asks, as the hook sees it.
struct file_dialog_request_t {
    bool save = false;
    std::string title;
    std::string start_path; // the folder (ending in '/') or the file the dialog starts at
    std::string pattern;    // the filter's first pattern, such as "*.ply"
    uint32_t flags = 0;
};

// Answers every dialog with the chosen path, or nothing for a cancel; an empty hook restores zenity.
using file_dialog_hook_t = std::function<std::optional<std::string>(const file_dialog_request_t&)>;
void set_file_dialog_hook_for_test(file_dialog_hook_t hook);

} // namespace plat
