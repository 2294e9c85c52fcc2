#include "objects/oneup.h"

#include "play/play_globals.h"
#include "player/ship.h"
#include "shell/score.h"

void oneup_t::update() {
    if (state == 0 && g_player_ship != nullptr) {
        const float* ship = g_player_ship->position();
        const int32_t sx = int32_t(ship[0]);
        const int32_t sy = int32_t(ship[1]);
        plat::rect_t box;
        get_rect(box);
        if (box.left <= sx && sx < box.right && box.top <= sy && sy < box.bottom) {
            score_extend();
            rise = 0;
            state = 1;
            timer = 0;
        }
    }
    if (state == 1) {
        if (rise < 256) {
            y -= 0.5f;
            rise += 4;
        } else {
            kill();
        }
    }
    ++timer;
}
