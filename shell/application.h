// Program entry: the start-up globals and the main routine.
#pragma once

#include <string>

// The command line as the game sees it: the text after the program path.
extern std::string g_command_line;
extern int g_show_command;

int start_application(const std::string& command_line, int show_command);

namespace shell {
// Start-up, message loop and shut-down in the executable's folder; always returns 0.
int main();
// The same in the current folder.
int run();
} // namespace shell
