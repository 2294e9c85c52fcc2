// Running the desktop's dialog tool as a child process and reading back what it prints.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plat {

// Runs args[0] (found on PATH) with args and waits for it; its standard output, or nothing when it could
// not be started. exit_code receives its exit status (-1 when it did not exit normally).
// A desktop without a window manager leaves the keyboard with the game's window while the dialog is up:
// each key pressed there meanwhile goes to take_key (a virtual-key code), which may answer the dialog by
// returning true, and the dialog is then closed; no such key reaches the game.
std::optional<std::string> run_for_output(const std::vector<std::string>& args, int& exit_code,
                                          const std::function<bool(int)>& take_key = nullptr);

} // namespace plat
