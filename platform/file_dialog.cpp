#include "platform/file_dialog.h"

#include "platform/dialogs.h"
#include "platform/file.h"
#include "platform/file_dialog_process.h"
#include "platform/keyboard.h"
#include "platform/window.h"

#include <vector>

namespace plat {

namespace {

file_dialog_hook_t& hook() {
    static file_dialog_hook_t h;
    return h;
}

std::string absolute(const std::string& native) {
    return !native.empty() && native[0] == '/' ? native : current_directory() + "/" + native;
}

// The name in the buffer when it carries a folder, else the name inside the initial folder.
std::string start_path(const open_file_name_t& ofn) {
    const std::string name = ofn.file != nullptr ? ofn.file : "";
    if (name.find_first_of("\\/") != std::string::npos) {
        return absolute(native_path(name));
    }
    const std::string folder = ofn.initial_dir != nullptr ? native_path(ofn.initial_dir) : std::string();
    return absolute(folder.empty() ? "." : folder) + "/" + name;
}

std::string filter_description(const char* filter) {
    return filter != nullptr && *filter != '\0' ? filter : "*";
}

std::string first_pattern(const char* filter) {
    if (filter == nullptr || *filter == '\0') {
        return "*";
    }
    const char* pattern = filter + std::char_traits<char>::length(filter) + 1;
    return *pattern != '\0' ? pattern : "*";
}

std::optional<std::string> ask_zenity(const file_dialog_request_t& request, const std::string& description,
                                      hwnd_t owner) {
    std::vector<std::string> args = {"zenity", "--file-selection", "--title=" + request.title,
                                     "--filename=" + request.start_path,
                                     "--file-filter=" + description + " | " + request.pattern};
    if (request.save) {
        args.push_back("--save");
        if (request.flags & ofn_overwriteprompt) {
            args.push_back("--confirm-overwrite");
        }
    }
    int exit_code = 0;
    const auto escape_cancels = [](int vk) { return vk == vk_escape; };
    std::optional<std::string> out = run_for_output(args, exit_code, escape_cancels);
    return_focus(owner);
    if (!out) {
        message_box(owner, "ファイル選択ダイアログを表示できません。zenity をインストールしてください。",
                    owner != nullptr ? get_window_text(owner) : std::string("zenity"),
                    mb_ok | mb_iconexclamation);
        return std::nullopt;
    }
    while (!out->empty() && (out->back() == '\n' || out->back() == '\r')) {
        out->pop_back();
    }
    if (exit_code != 0 || out->empty()) {
        return std::nullopt;
    }
    return out;
}

bool run_dialog(open_file_name_t* ofn, bool save) {
    file_dialog_request_t request;
    request.save = save;
    request.title = ofn->title != nullptr ? ofn->title : "";
    request.start_path = start_path(*ofn);
    request.pattern = first_pattern(ofn->filter);
    request.flags = ofn->flags;
    ofn->too_long.clear();
    std::optional<std::string> chosen =
        hook() ? hook()(request) : ask_zenity(request, filter_description(ofn->filter), ofn->owner);
    if (!chosen) {
        return false;
    }
    const std::string file_part = chosen->substr(chosen->find_last_of("\\/") + 1);
    if (ofn->default_ext != nullptr && *ofn->default_ext != '\0' &&
        file_part.find('.') == std::string::npos) {
        *chosen += std::string(".") + ofn->default_ext;
    }
    if (ofn->file == nullptr || chosen->size() + 1 > ofn->max_file) {
        ofn->too_long = *chosen;
        return false;
    }
    chosen->copy(ofn->file, chosen->size());
    ofn->file[chosen->size()] = '\0';
    return true;
}

} // namespace

bool get_open_file_name(open_file_name_t* ofn) {
    return run_dialog(ofn, false);
}

bool get_save_file_name(open_file_name_t* ofn) {
    return run_dialog(ofn, true);
}

void set_file_dialog_hook_for_test(file_dialog_hook_t h) {
    hook() = std::move(h);
}

} // namespace plat
