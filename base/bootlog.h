// The boot log .\log\bootlog.txt: re-created at start, one line appended (and the file closed) at a time,
// so it is complete on disk whatever happens next. A missing log folder is made at the first line.
#pragma once

#include <string>

constexpr const char* bootlog_folder = ".\\log";
constexpr const char* bootlog_path = ".\\log\\bootlog.txt";

void bootlog_reset();
// "- %s\n"
void bootlog_progress(const std::string& text);
// "* Error: %s\n"
void bootlog_error(const std::string& text);
