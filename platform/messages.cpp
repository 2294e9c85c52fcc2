// The message queue: SDL events and Ctrl-C / SIGTERM become window messages, posted in arrival order.
#include "platform/clock.h"
#include "platform/keyboard.h"
#include "platform/present.h"
#include "platform/window_internal.h"

#include <SDL.h>

#include <csignal>
#include <deque>
#include <vector>

namespace plat {

namespace {

std::deque<message_t>& queue() {
    static std::deque<message_t> q;
    return q;
}

volatile std::sig_atomic_t close_requested = 0;

void on_signal(int) {
    close_requested = 1;
}

window* window_of(uint32_t sdl_id) {
    SDL_Window* sdl = SDL_GetWindowFromID(sdl_id);
    return sdl != nullptr ? static_cast<window*>(SDL_GetWindowData(sdl, "plat")) : nullptr;
}

// A signal closes the focused window, else every window, the way the user would; false when there is none.
bool post_to_all(uint32_t message) {
    if (!video_ready()) {
        return false;
    }
    SDL_Window* focus = SDL_GetKeyboardFocus();
    window* w = focus != nullptr ? static_cast<window*>(SDL_GetWindowData(focus, "plat")) : nullptr;
    if (w != nullptr) {
        return post_message(w, message, 0, 0);
    }
    const std::vector<hwnd_t> list = all_windows();
    for (hwnd_t any : list) {
        post_message(any, message, 0, 0);
    }
    return !list.empty();
}

void translate(const SDL_Event& e) {
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const int vk = virtual_key_of_scancode(e.key.keysym.scancode);
        set_key_state(vk, e.type == SDL_KEYDOWN);
        if (vk != 0) {
            post_message(window_of(e.key.windowID), e.type == SDL_KEYDOWN ? wm_keydown : wm_keyup,
                         wparam_t(vk), 0);
        }
        break;
    }
    case SDL_WINDOWEVENT: {
        window* w = window_of(e.window.windowID);
        if (w == nullptr) {
            break;
        }
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            post_message(w, wm_close, 0, 0);
            break;
        case SDL_WINDOWEVENT_MOVED:
            post_message(w, wm_move, 0, 0);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            post_message(w, wm_size, 0, 0);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            present_exposed(w);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST: {
            const bool active = e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
            if (w->active != active) {
                w->active = active;
                if (!active) {
                    clear_key_states(); // keys released while away never send their key-up
                }
                post_message(w, wm_activateapp, active ? 1 : 0, 0);
            }
            break;
        }
        default:
            break;
        }
        break;
    }
    case SDL_QUIT:
        post_to_all(wm_close);
        break;
    default:
        break;
    }
}

void pump() {
    install_close_signals();
    // A signal that arrives before there is a window waits for one, so it still ends the program.
    if (close_requested && post_to_all(wm_close)) {
        close_requested = 0;
    }
    if (!video_ready()) {
        return;
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        translate(e);
    }
}

} // namespace

void install_close_signals() {
    static bool installed = false;
    if (!installed) {
        std::signal(SIGINT, on_signal);
        std::signal(SIGTERM, on_signal);
        installed = true;
    }
}

bool close_signal_pending() {
    return close_requested != 0;
}

bool take_close_signal() {
    const bool pending = close_requested != 0;
    close_requested = 0;
    return pending;
}

bool peek_message(message_t* out, bool remove) {
    pump();
    if (queue().empty()) {
        return false;
    }
    if (out != nullptr) {
        *out = queue().front();
    }
    if (remove) {
        queue().pop_front();
    }
    return true;
}

bool get_message(message_t* out) {
    while (!peek_message(out, true)) {
        if (video_ready()) {
            SDL_WaitEventTimeout(nullptr, 10);
        }
    }
    return out->message != wm_quit;
}

void wait_message(uint32_t milliseconds) {
    // The queue as it stands: the wait below takes in whatever the system has meanwhile.
    if (!queue().empty() || milliseconds == 0 || sleep_for_test(milliseconds)) {
        return;
    }
    if (video_ready()) {
        SDL_WaitEventTimeout(nullptr, int(milliseconds));
    } else {
        SDL_Delay(milliseconds);
    }
}

lresult_t dispatch_message(const message_t& msg) {
    if (msg.window == nullptr || !is_window(msg.window) || msg.window->proc == nullptr) {
        return 0;
    }
    return msg.window->proc(msg.window, msg.message, msg.wparam, msg.lparam);
}

lresult_t send_message(hwnd_t w, uint32_t message, wparam_t wparam, lparam_t lparam) {
    return dispatch_message({w, message, wparam, lparam});
}

bool post_message(hwnd_t w, uint32_t message, wparam_t wparam, lparam_t lparam) {
    if (w != nullptr && !is_window(w)) {
        return false;
    }
    queue().push_back({w, message, wparam, lparam});
    return true;
}

void forget_messages(hwnd_t w) {
    std::erase_if(queue(), [w](const message_t& m) { return m.window == w; });
}

void post_quit_message(int exit_code) {
    queue().push_back({nullptr, wm_quit, wparam_t(exit_code), 0});
}

void drop_pending_keys() {
    if (SDL_WasInit(SDL_INIT_EVENTS)) {
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
    }
    clear_key_states(); // their key-ups went with them
}

void post_key_event_for_test(hwnd_t window, int virtual_key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.windowID = window != nullptr ? SDL_GetWindowID(sdl_window(window)) : 0;
    for (int code = 0; code < SDL_NUM_SCANCODES; ++code) {
        if (virtual_key_of_scancode(code) == virtual_key) {
            e.key.keysym.scancode = SDL_Scancode(code);
            break;
        }
    }
    SDL_PushEvent(&e);
}

} // namespace plat
