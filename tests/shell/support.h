// Helpers of the shell tests: reading what the program wrote, and a clean message queue.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The lines of a text file, without their line ends; empty when the file cannot be read.
std::vector<std::string> file_lines(const std::string& path);
std::vector<uint8_t> file_bytes(const std::string& path);
// The boot log's first three lines, and its last seven, as every run writes them.
extern const std::vector<std::string> header_lines;
extern const std::vector<std::string> shut_down_lines;

// Throws away every waiting message, so a test starts from an empty queue.
void drain_messages();
