#include "player/shipjet.h"

#include "objects/play_globals.h"

void shipjet_t::update() {
    if (g_frame_counter % 3 == 0) {
        pattern = (pattern + 1) & 3;
    }
}

void shipjet_t::set_position(float new_x, float new_y) {
    object_t::set_position(new_x - 2, new_y - 1);
}
