#include "tests/player/standin_ship.h"

void standin_ship_t::press(uint8_t input, float step) {
    const int dx = ((input & key_right) ? 1 : 0) - ((input & key_left) ? 1 : 0);
    const int dy = ((input & key_down) ? 1 : 0) - ((input & key_up) ? 1 : 0);
    const bool moving = dx != 0 || dy != 0;
    if (moving) {
        set_position(x + step * float(dx), y + step * float(dy));
    }
    if (controller) {
        controller->update(moving);
        controller->on_button((input & key_multiple) != 0);
    }
    if (input & key_shot) {
        fire_shot();
        if (controller) {
            controller->fire_shots();
        }
    }
    if (input & key_missile) {
        fire_missile();
        if (controller) {
            controller->fire_missiles();
        }
    }
}
