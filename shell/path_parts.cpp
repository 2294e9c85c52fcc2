#include "shell/path_parts.h"

#include "base/strformat.h"

path_parts_t split_path(const std::string& path) {
    path_parts_t parts;
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':') {
        parts.drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    const size_t slash = rest.find_last_of("\\/");
    if (slash != std::string::npos) {
        parts.directory = rest.substr(0, slash + 1);
        rest.erase(0, slash + 1);
    }
    const size_t dot = rest.rfind('.');
    if (dot != std::string::npos) {
        parts.extension = rest.substr(dot);
        rest.erase(dot);
    }
    parts.name = rest;
    return parts;
}

std::string replay_loop_name(const std::string& path, int32_t n) {
    if (n == 0) {
        return path;
    }
    const path_parts_t parts = split_path(path);
    const std::string file = strformat("%s_loop%02d%s", parts.name.c_str(), n + 1, parts.extension.c_str());
    if (parts.directory.empty()) {
        // A bare file name stays in the current folder rather than landing in the root.
        return parts.drive + file;
    }
    std::string folder = parts.directory;
    folder.pop_back();
    return parts.drive + folder + "\\" + file;
}
