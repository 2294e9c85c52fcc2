// Files as the game names them: ".\bin\config.dat" and "image\ship.bmp" work on this file system.
#pragma once

#include <cstdio>
#include <string>

namespace plat {

// Backslashes become slashes and a leading ".\" goes; a path that does not exist as written is
// matched component by component without regard to case (data made on a case-blind file system).
std::string native_path(const std::string& game_path);

// fopen of the game path; null with errno set when it fails.
std::FILE* open_file(const std::string& game_path, const char* mode);

bool remove_file(const std::string& game_path);
bool file_exists(const std::string& game_path);
bool make_directory(const std::string& game_path);

// Folder of the running executable (from /proc/self/exe), without a trailing slash.
std::string executable_folder();
bool set_current_directory(const std::string& path);
std::string current_directory();

} // namespace plat
