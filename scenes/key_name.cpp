#include "scenes/key_name.h"

#include "platform/keyboard.h"

std::string key_name(int virtual_key) {
    if (virtual_key >= 'A' && virtual_key <= 'Z') {
        return std::string(1, char(virtual_key));
    }
    switch (virtual_key) {
    case plat::vk_tab:
        return "TAB";
    case plat::vk_return:
        return "ENTER";
    case plat::vk_shift:
        return "SHIFT";
    case plat::vk_control:
        return "CTRL";
    case plat::vk_escape:
        return "ESC";
    case plat::vk_space:
        return "SPACE";
    default:
        return std::to_string(virtual_key);
    }
}
