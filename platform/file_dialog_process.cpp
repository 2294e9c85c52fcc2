#include "platform/file_dialog_process.h"

#include "platform/keyboard.h"
#include "platform/window.h"

#include <SDL.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace plat {

namespace {

constexpr int key_look_ms = 20;

// True when one of the keys that reached the game's windows answers the dialog.
bool keys_answer(const std::function<bool(int)>& take_key) {
    if (!SDL_WasInit(SDL_INIT_EVENTS)) {
        return false;
    }
    SDL_PumpEvents();
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_KEYDOWN, SDL_KEYDOWN) == 1) {
        const int vk = virtual_key_of_scancode(e.key.keysym.scancode);
        if (take_key && vk != 0 && take_key(vk)) {
            return true;
        }
    }
    return false;
}

// Reads the child's output until it closes it, looking at the keys meanwhile; an answering key ends the
// child, whose output is then dropped.
std::string read_all(int fd, pid_t child, const std::function<bool(int)>& take_key) {
    std::string out;
    char chunk[512];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, key_look_ms);
        if (polled == 0 || (polled < 0 && errno == EINTR)) {
            if (keys_answer(take_key)) {
                ::kill(child, SIGTERM);
                return {};
            }
            continue;
        }
        const ssize_t n = polled > 0 ? ::read(fd, chunk, sizeof chunk) : -1;
        if (n > 0) {
            out.append(chunk, size_t(n));
        } else if (n == 0 || errno != EINTR) {
            return out;
        }
    }
}

} // namespace

std::optional<std::string> run_for_output(const std::vector<std::string>& args, int& exit_code,
                                          const std::function<bool(int)>& take_key) {
    int fds[2];
    if (args.empty() || ::pipe2(fds, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    // The desktop toolkit's chatter is not the game's business.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (spawned != 0) {
        ::close(fds[0]);
        return std::nullopt;
    }
    std::string out = read_all(fds[0], child, take_key);
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    drop_pending_keys();
    return out;
}

} // namespace plat
