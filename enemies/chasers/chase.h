// What the chasing flyers share: where the ship is, a step along one of the 64 directions, and the one
// shot of an own pool fired from a muzzle point.
#pragma once

#include "objects/object.h"
#include "objects/trig_tables.h"

#include <cstdint>
#include <vector>

class missile_t;

namespace chase {

// Direction from `from` toward the ship; `otherwise` while there is no ship.
int32_t direction_to_ship(const float* from, int32_t otherwise);

// The ship's whole position lies within reach of the whole (x, y) on both axes, left and top included.
bool ship_within(float x, float y, float reach);

// The point dist pixels from (x, y) along direction d (y grows downward).
inline float along_x(float x, int32_t d, float dist) {
    return x + dist * cos_table[d & 63];
}
inline float along_y(float y, int32_t d, float dist) {
    return y - dist * sin_table[d & 63];
}

// Moves o by speed pixels along direction d.
inline void advance(object_t& o, int32_t d, float speed) {
    o.set_position(along_x(o.x, d, speed), along_y(o.y, d, speed));
}

// The first idle shot of the pool (its effect idle too when asked) fired from `muzzle` pixels ahead of
// (x, y) along d, with its effect started there and pattern d & 31; nothing when none is idle.
void fire_ahead(const std::vector<missile_t*>& shots, bool effect_idle, float x, float y, int32_t d,
                float muzzle, float speed);

} // namespace chase
