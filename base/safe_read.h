// Reading data files safely: regular files only, never blocking, within a size cap; a refusal names the
// file and the reason in the boot log. Every reader of the game's files goes through here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// missing: no such file. unreadable: present but refused (logged). malformed: read but not usable.
enum class load_status_t { loaded, missing, unreadable, malformed };

// The whole file, refused when larger than max_bytes.
load_status_t read_whole_file(const std::string& game_path, std::vector<uint8_t>& out, size_t max_bytes);
// At most the first max_bytes of the file (a fixed record; what follows it is not read).
load_status_t read_file_head(const std::string& game_path, std::vector<uint8_t>& out, size_t max_bytes);
// A fixed record of size bytes at the start of the file; a shorter file is malformed (and logged).
load_status_t read_record_file(const std::string& game_path, std::vector<uint8_t>& out, size_t size);
// A data file the game cannot run without: its first size bytes, or with exact the file of exactly size
// bytes. A missing file is logged as well; a shorter (or, with exact, longer) one is malformed.
load_status_t read_data_file(const std::string& game_path, std::vector<uint8_t>& out, size_t size,
                             bool exact = false);
