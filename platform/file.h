// Files as the game names them: ".\bin\config.dat" and "image\ship.bmp" work on this file system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace plat {

// Backslashes become slashes and a leading ".\" goes; a path that does not exist as written is
// matched component by component without regard to case (data made on a case-blind file system).
std::string native_path(const std::string& game_path);

// fopen of the game path; null with errno set when it fails.
std::FILE* open_file(const std::string& game_path, const char* mode);

// Caps well above any real data file, so a huge or endless file is refused instead of read.
constexpr size_t largest_media_file = size_t(64) << 20; // pictures and music
constexpr size_t largest_text_table = size_t(1) << 20;

enum class read_status_t { read, missing, refused };

// Reads a regular file without ever blocking on open (a pipe, device or folder is refused). With whole, a
// file larger than max_bytes is refused; otherwise only its first max_bytes are read. reason says why a
// read was refused.
read_status_t read_regular_file(const std::string& game_path, std::vector<uint8_t>& out, size_t max_bytes,
                                bool whole, std::string& reason);

bool remove_file(const std::string& game_path);
bool file_exists(const std::string& game_path);
bool make_directory(const std::string& game_path);

// Folder of the running executable (from /proc/self/exe), without a trailing slash.
std::string executable_folder();
bool set_current_directory(const std::string& path);
std::string current_directory();

} // namespace plat
