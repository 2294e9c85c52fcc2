#include "shell/command_line.h"

#include "base/bootlog.h"
#include "base/strformat.h"

#include <algorithm>

std::string strip_quotes(const std::string& source) {
    std::string out = source;
    out.erase(std::remove(out.begin(), out.end(), '"'), out.end());
    return out;
}

std::string resolve_replay_path(const std::string& command_line, const std::string& start_folder) {
    const std::string path = strip_quotes(command_line);
    if (path.empty() || path[0] == '/' || start_folder.empty()) {
        return command_line;
    }
    return start_folder + (start_folder.back() == '/' ? "" : "/") + path;
}

int32_t first_scene(const std::string& command_line, std::string& replay_name) {
    const std::string path = strip_quotes(command_line);
    if (path.empty()) {
        return scene_title;
    }
    bootlog_progress(path + " がドロップされました");
    if (path.size() >= replay_name_size) {
        bootlog_error(strformat("%s: パスが長すぎます (%zu 文字まで)", path.c_str(), replay_name_size - 1));
        return scene_title;
    }
    replay_name = path;
    return scene_named_replay;
}
