#include "platform/dialogs.h"

#include "platform/file_dialog_process.h"
#include "platform/keyboard.h"
#include "platform/window.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace plat {

namespace {

std::function<int(const message_box_request_t&)>& hook() {
    static std::function<int(const message_box_request_t&)> answer;
    return answer;
}

uint32_t sdl_icon(uint32_t type) {
    switch (type & mb_iconmask) {
    case mb_iconerror:
        return SDL_MESSAGEBOX_ERROR;
    case mb_iconexclamation:
        return SDL_MESSAGEBOX_WARNING;
    default:
        return SDL_MESSAGEBOX_INFORMATION;
    }
}

const char* zenity_kind(uint32_t type) {
    if ((type & mb_typemask) == mb_yesno) {
        return "--question";
    }
    switch (type & mb_iconmask) {
    case mb_iconerror:
        return "--error";
    case mb_iconexclamation:
        return "--warning";
    default:
        return "--info";
    }
}

// The box through zenity, which answers Return, Space and Esc as the system's box does; nothing without
// a desktop or when zenity cannot be started.
std::optional<int> zenity_box(const std::string& text, const std::string& caption, uint32_t type) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        return std::nullopt;
    }
    const bool yes_no = (type & mb_typemask) == mb_yesno;
    std::optional<int> by_key;
    const auto take_key = [&](int vk) {
        if (vk == vk_return || vk == vk_space) {
            by_key = yes_no ? idyes : idok;
        } else if (vk == vk_escape) {
            by_key = yes_no ? idno : idok;
        }
        return by_key.has_value();
    };
    int exit_code = 0;
    if (!run_for_output({"zenity", zenity_kind(type), "--no-markup", "--title=" + caption, "--text=" + text},
                        exit_code, take_key)) {
        return std::nullopt;
    }
    if (by_key || !yes_no) {
        return by_key.value_or(idok);
    }
    return exit_code == 0 ? idyes : idno; // Esc or closing the box says no
}

int sdl_box(hwnd_t owner, const std::string& text, const std::string& caption, uint32_t type) {
    const bool yes_no = (type & mb_typemask) == mb_yesno;
    constexpr uint32_t on_return = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    constexpr uint32_t on_escape = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    std::vector<SDL_MessageBoxButtonData> buttons;
    if (yes_no) {
        buttons = {{on_return, idyes, "Yes"}, {on_escape, idno, "No"}};
    } else {
        buttons = {{on_return | on_escape, idok, "OK"}};
    }
    const SDL_MessageBoxData data{sdl_icon(type) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
                                  sdl_window(owner),
                                  caption.c_str(),
                                  text.c_str(),
                                  int(buttons.size()),
                                  buttons.data(),
                                  nullptr};
    int chosen = -1;
    if (SDL_ShowMessageBox(&data, &chosen) != 0) {
        // Without a display the question still reaches whoever started the program.
        std::fprintf(stderr, "%s\n%s\n", caption.c_str(), text.c_str());
        return 0;
    }
    if (chosen < 0) {
        return yes_no ? idno : idok; // the box was closed without a button
    }
    return chosen;
}

} // namespace

int message_box(hwnd_t owner, const std::string& text, const std::string& caption, uint32_t type) {
    if (hook()) {
        return hook()({owner, text, caption, type});
    }
    const std::optional<int> by_zenity = zenity_box(text, caption, type);
    const int answer = by_zenity ? *by_zenity : sdl_box(owner, text, caption, type);
    drop_pending_keys();
    return_focus(owner);
    return answer;
}

std::string system_error_text(uint32_t code) {
    return std::system_category().message(int(code));
}

void set_message_box_hook_for_test(std::function<int(const message_box_request_t&)> answer) {
    hook() = std::move(answer);
}

} // namespace plat
