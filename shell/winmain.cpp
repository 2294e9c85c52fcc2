// Process entry: joins the arguments into the command line the game expects and runs it.
#include "shell/application.h"

#include <string>

int main(int argc, char** argv) {
    std::string command_line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            command_line += ' ';
        }
        const std::string arg = argv[i];
        const bool quote = arg.find(' ') != std::string::npos;
        command_line += quote ? "\"" + arg + "\"" : arg;
    }
    constexpr int show_normal = 1;
    return start_application(command_line, show_normal);
}
