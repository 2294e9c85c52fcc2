#include "enemies/chasers/chase.h"

#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"

namespace chase {

int32_t direction_to_ship(const float* from, int32_t otherwise) {
    const float* ship = player_ship_position();
    return ship != nullptr ? direction_to(from, ship) : otherwise;
}

bool ship_within(float x, float y, float reach) {
    const float* ship = player_ship_position();
    if (ship == nullptr) {
        return false;
    }
    const int32_t sx = int32_t(ship[0]);
    const int32_t sy = int32_t(ship[1]);
    return int32_t(x - reach) <= sx && sx < int32_t(x + reach) && int32_t(y - reach) <= sy &&
           sy < int32_t(y + reach);
}

void fire_ahead(const std::vector<missile_t*>& shots, bool effect_idle, float x, float y, int32_t d,
                float muzzle, float speed) {
    const size_t i = next_idle(shots, 0, effect_idle);
    if (i == shots.size()) {
        return;
    }
    const float mx = along_x(x, d, muzzle);
    const float my = along_y(y, d, muzzle);
    shots[i]->start_effect_at(mx, my);
    launch(shots[i], mx, my, d & 63, speed);
    shots[i]->pattern = d & 31;
}

} // namespace chase
