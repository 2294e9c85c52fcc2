// Replacing a file's whole content so that a crash, a full disk or a planted link never leaves a broken
// or foreign file: a fresh temporary file beside the target, flushed to disk, then renamed over it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// True when the file named game_path holds exactly bytes. A target that is a symbolic link is replaced
// where the link points, the link itself kept. On false the old file is untouched and reason says which
// step failed on which file, and why.
bool replace_file(const std::string& game_path, const std::vector<uint8_t>& bytes, std::string& reason);

} // namespace plat
