#include "objects/oneup.h"

#include "objects/play_globals.h"
#include "objects/score.h"

void oneup_t::update() {
    const float* ship = player_ship_position();
    if (state == 0 && ship != nullptr) {
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
