#include "platform/dialogs.h"

#include "platform/window.h"

#include <SDL.h>

#include <cstdio>
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

} // namespace

int message_box(hwnd_t owner, const std::string& text, const std::string& caption, uint32_t type) {
    if (hook()) {
        return hook()({owner, text, caption, type});
    }
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

std::string system_error_text(uint32_t code) {
    return std::system_category().message(int(code));
}

void set_message_box_hook_for_test(std::function<int(const message_box_request_t&)> answer) {
    hook() = std::move(answer);
}

} // namespace plat
