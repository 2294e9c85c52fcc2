#include "player/multiple.h"

#include "objects/play_globals.h"

void multiple_t::update() {
    if (g_frame_counter % 4 == 0) {
        pattern = (pattern + 1) & 3;
    }
}
