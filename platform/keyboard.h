// Keyboard state by Windows virtual-key code, fed by the window's events; tests set states directly.
#pragma once

#include <cstdint>

namespace plat {

constexpr int vk_back = 0x08;
constexpr int vk_tab = 0x09;
constexpr int vk_return = 0x0D;
constexpr int vk_shift = 0x10;
constexpr int vk_control = 0x11;
constexpr int vk_menu = 0x12;
constexpr int vk_pause = 0x13;
constexpr int vk_escape = 0x1B;
constexpr int vk_space = 0x20;
constexpr int vk_left = 0x25;
constexpr int vk_up = 0x26;
constexpr int vk_right = 0x27;
constexpr int vk_down = 0x28;
constexpr int vk_f1 = 0x70;

// The virtual-key code of an SDL scancode, 0 when the key has none.
int virtual_key_of_scancode(int scancode);

// Like GetAsyncKeyState: bit 15 set while the key is down.
int16_t get_async_key_state(int virtual_key);
void set_key_state(int virtual_key, bool down);
void clear_key_states();

} // namespace plat
