// How the enemies fire from the shot pools they own: find the next idle member and launch it.
#pragma once

#include "objects/missile.h"
#include "objects/trig_tables.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

// Whether a member may be launched: not alive and, when asked, its effect idle too.
template <typename Object> bool is_idle(const Object* object, bool effect_idle) {
    if (object->alive != 0) {
        return false;
    }
    if constexpr (std::is_base_of_v<missile_t, Object>) {
        return !(effect_idle && object->effect != nullptr && object->effect->alive);
    }
    return true;
}

// The index of the first member from `from` on that is idle; the pool's size when there is none.
template <typename Object>
size_t next_idle(const std::vector<Object*>& pool, size_t from, bool effect_idle = false) {
    for (size_t i = from; i < pool.size(); ++i) {
        if (is_idle(pool[i], effect_idle)) {
            return i;
        }
    }
    return pool.size();
}

// The next idle member searching on from `from` (the place after the previous find) and wrapping past
// the pool's end once, so that a search kept from call to call finds every idle member; the pool's
// size when there is none.
template <typename Object> size_t next_idle_around(const std::vector<Object*>& pool, size_t from) {
    const size_t n = pool.size();
    for (size_t k = 0; k < n; ++k) {
        const size_t i = (from + k) % n;
        if (is_idle(pool[i], false)) {
            return i;
        }
    }
    return n;
}

// Places the shot, gives it the direction (0..63) and speed with their velocity, and starts it.
inline void launch(missile_t* shot, float x, float y, int32_t direction, float speed) {
    shot->set_position(x, y);
    shot->direction = direction;
    shot->speed = speed;
    shot->vx = speed * cos_table[direction];
    shot->vy = -speed * sin_table[direction];
    shot->start();
}
