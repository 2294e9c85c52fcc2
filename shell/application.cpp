#include "shell/application.h"

std::string g_command_line;
int g_show_command = 0;

int start_application(const std::string& command_line, int show_command) {
    g_command_line = command_line;
    g_show_command = show_command;
    return shell::main();
}
