// Opening a file with the desktop's handler for its type (the shell's "open" verb).
#pragma once

#include <functional>
#include <string>

namespace plat {

// Starts the desktop's opener on the game path and does not wait for it; false when it could not start.
bool shell_open(const std::string& game_path);

// Receives each request (the game path) instead of starting the opener; an empty hook restores it.
void set_shell_open_hook_for_test(std::function<bool(const std::string&)> hook);

} // namespace plat
