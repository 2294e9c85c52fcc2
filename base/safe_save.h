// Saving a file so that a failed or interrupted save never leaves a broken one: the bytes go to a
// temporary file beside it, which replaces the old file only once it is complete.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// True when game_path now holds exactly bytes; on failure the old file is untouched and one error
// line names the file and the reason in the boot log.
bool safe_save(const std::string& game_path, const std::vector<uint8_t>& bytes);
