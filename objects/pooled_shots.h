// How the bosses fire from the shot pools they own: find the next idle member and launch it.
#pragma once

#include "objects/missile.h"
#include "objects/trig_tables.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

// The index of the first member from `from` on that is not alive (and, when asked, whose effect is idle
// too); the pool's size when there is none.
template <typename Object>
size_t next_idle(const std::vector<Object*>& pool, size_t from, bool effect_idle = false) {
    for (size_t i = from; i < pool.size(); ++i) {
        const Object* object = pool[i];
        bool busy = object->alive != 0;
        if constexpr (std::is_base_of_v<missile_t, Object>) {
            busy = busy || (effect_idle && object->effect != nullptr && object->effect->alive);
        }
        if (!busy) {
            return i;
        }
    }
    return pool.size();
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
