// Reading the sound manager's text tables: lines of at most 255 characters (a longer one reads as
// several), leading white space skipped, lines starting with '#' left out.
#pragma once

#include "base/safe_read.h"

#include <cstddef>
#include <string>
#include <vector>

// Far more lines than any table holds; what follows is not read.
constexpr size_t max_table_lines = 4096;

// The table's lines that are not comments, each from its first non-blank character. A missing table gives
// no lines; an unreadable one (too large, not a regular file) is logged and gives none.
load_status_t read_table_lines(const char* path, std::vector<std::string>& lines);

// True when the name ends in "ogg", in any letter case.
bool names_ogg_file(const char* name);
