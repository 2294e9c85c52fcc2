#include "platform/keyboard.h"

#include <SDL.h>

#include <array>

namespace plat {

namespace {

std::array<bool, 256> key_down{};

} // namespace

int virtual_key_of_scancode(int scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return 'A' + (scancode - SDL_SCANCODE_A);
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return '1' + (scancode - SDL_SCANCODE_1);
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
        return vk_f1 + (scancode - SDL_SCANCODE_F1);
    }
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) {
        return 0x61 + (scancode - SDL_SCANCODE_KP_1); // numeric pad 1..9
    }
    switch (scancode) {
    case SDL_SCANCODE_0:
        return '0';
    case SDL_SCANCODE_KP_0:
        return 0x60;
    case SDL_SCANCODE_TAB:
        return vk_tab;
    case SDL_SCANCODE_RETURN:
        return vk_return;
    case SDL_SCANCODE_KP_ENTER:
        return vk_return;
    case SDL_SCANCODE_LSHIFT:
        return vk_shift;
    case SDL_SCANCODE_RSHIFT:
        return vk_shift;
    case SDL_SCANCODE_LCTRL:
        return vk_control;
    case SDL_SCANCODE_RCTRL:
        return vk_control;
    case SDL_SCANCODE_LALT:
        return vk_menu;
    case SDL_SCANCODE_RALT:
        return vk_menu;
    case SDL_SCANCODE_PAUSE:
        return vk_pause;
    case SDL_SCANCODE_ESCAPE:
        return vk_escape;
    case SDL_SCANCODE_SPACE:
        return vk_space;
    case SDL_SCANCODE_BACKSPACE:
        return 0x08;
    case SDL_SCANCODE_LEFT:
        return vk_left;
    case SDL_SCANCODE_UP:
        return vk_up;
    case SDL_SCANCODE_RIGHT:
        return vk_right;
    case SDL_SCANCODE_DOWN:
        return vk_down;
    case SDL_SCANCODE_INSERT:
        return 0x2D;
    case SDL_SCANCODE_DELETE:
        return 0x2E;
    case SDL_SCANCODE_HOME:
        return 0x24;
    case SDL_SCANCODE_END:
        return 0x23;
    case SDL_SCANCODE_PAGEUP:
        return 0x21;
    case SDL_SCANCODE_PAGEDOWN:
        return 0x22;
    case SDL_SCANCODE_SEMICOLON:
        return 0xBA;
    case SDL_SCANCODE_EQUALS:
        return 0xBB;
    case SDL_SCANCODE_COMMA:
        return 0xBC;
    case SDL_SCANCODE_MINUS:
        return 0xBD;
    case SDL_SCANCODE_PERIOD:
        return 0xBE;
    case SDL_SCANCODE_SLASH:
        return 0xBF;
    default:
        return 0;
    }
}

int16_t get_async_key_state(int virtual_key) {
    if (virtual_key < 0 || virtual_key >= int(key_down.size())) {
        return 0;
    }
    return key_down[size_t(virtual_key)] ? int16_t(0x8000) : int16_t(0);
}

void set_key_state(int virtual_key, bool down) {
    if (virtual_key > 0 && virtual_key < int(key_down.size())) {
        key_down[size_t(virtual_key)] = down;
    }
}

void clear_key_states() {
    key_down.fill(false);
}

} // namespace plat
