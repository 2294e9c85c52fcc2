// Saving a file so that a failed or interrupted save never leaves a broken one: the bytes go to a
// temporary file beside it, which replaces the old file only once it is complete.
#pragma once

#include "base/safe_read.h"

#include <cstdint>
#include <string>
#include <vector>

// True when game_path now holds exactly bytes; on failure the old file is untouched and one error
// line names the file and the reason in the boot log.
bool safe_save(const std::string& game_path, const std::vector<uint8_t>& bytes);

// Whether a save file loaded with status may later be written over. One that exists but was refused or
// malformed stays the player's, byte for byte; the boot log says so, and the game runs on defaults.
bool save_may_replace(const std::string& game_path, load_status_t status);
