#include "player/shot.h"

namespace {
constexpr int32_t shot_sound = 101;
}

void shot_t::start() {
    alive = 1;
    hp = info->hit_points;
    request_se_if_fired_by_ship(shot_sound);
}

void shot_t::attach_effect(explosion_t* explosion) {
    explosion->period = 1;
    effect = explosion;
    explosion->owner = this;
}
