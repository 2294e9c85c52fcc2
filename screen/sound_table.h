// Reading the sound manager's text tables: lines of at most 255 characters (a longer one reads as
// several), leading white space skipped, lines starting with '#' left out.
#pragma once

#include <array>
#include <cstdio>

using table_line_t = std::array<char, 256>;

// The next line that is not a comment, from its first non-blank character; null at the end of the file.
const char* next_table_line(std::FILE* file, table_line_t& buffer);

// True when the name ends in "ogg", in any letter case.
bool names_ogg_file(const char* name);
