#include "player/powershot.h"

namespace {
constexpr int32_t fire_sound = 104;
}

// Its pattern is left as it is.
void powershot_t::start() {
    alive = 1;
    hp = info->hit_points;
    request_se_if_fired_by_ship(fire_sound);
}
