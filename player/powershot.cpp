#include "player/powershot.h"

#include "screen/soundctr.h"

namespace {
constexpr int32_t fire_sound = 104;
}

// Its pattern is left as it is.
void powershot_t::start() {
    alive = 1;
    hp = info->hit_points;
    if (fired_by_ship()) {
        g_soundctr.request_se(fire_sound);
    }
}
