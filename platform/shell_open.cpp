#include "platform/shell_open.h"

#include "platform/file.h"

#include <spawn.h>
#include <utility>

extern char** environ;

namespace plat {

namespace {

std::function<bool(const std::string&)>& hook() {
    static std::function<bool(const std::string&)> request;
    return request;
}

} // namespace

bool shell_open(const std::string& game_path) {
    if (hook()) {
        return hook()(game_path);
    }
    std::string opener = "xdg-open";
    std::string path = native_path(game_path);
    char* argv[] = {opener.data(), path.data(), nullptr};
    pid_t child = 0;
    // The opener outlives the game, which is about to end; its exit status is of no interest.
    return ::posix_spawnp(&child, argv[0], nullptr, nullptr, argv, environ) == 0;
}

void set_shell_open_hook_for_test(std::function<bool(const std::string&)> request) {
    hook() = std::move(request);
}

} // namespace plat
