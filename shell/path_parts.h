// A file path split the way the game's file names are taken apart: drive, folder, name, extension.
#pragma once

#include <cstdint>
#include <string>

struct path_parts_t {
    std::string drive;     // "C:" or empty
    std::string directory; // up to and including the last separator ('\' or '/')
    std::string name;
    std::string extension; // from the last '.' of the file name, or empty
};

path_parts_t split_path(const std::string& path);

// The file of loop n of a recording chosen as path (n counts from 0): path itself for n = 0, else the
// same folder with "_loop" and n + 1 in two digits behind the name.
std::string replay_loop_name(const std::string& path, int32_t n);
