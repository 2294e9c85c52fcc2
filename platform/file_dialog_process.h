// Running the desktop's dialog tool as a child process and reading back what it prints.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace plat {

// Runs args[0] (found on PATH) with args and waits for it; its standard output, or nothing when it could
// not be started. exit_code receives its exit status (-1 when it did not exit normally).
std::optional<std::string> run_for_output(const std::vector<std::string>& args, int& exit_code);

} // namespace plat
