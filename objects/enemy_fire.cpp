#include "objects/enemy_fire.h"

#include "objects/direction.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/stage_pointers.h"
#include "objects/trig_tables.h"

#include <algorithm>

void fire_bullet(const float* pos, int32_t direction, float speed) {
    if (g_shot_pool == nullptr) {
        return;
    }
    for (missile_t* shot : g_shot_pool->items) {
        if (!shot->alive) {
            const int32_t d = direction & 63;
            shot->set_position(pos[0], pos[1]);
            shot->direction = d;
            shot->speed = speed;
            shot->vx = speed * cos_table[d];
            shot->vy = -speed * sin_table[d];
            shot->start();
            return;
        }
    }
}

void fire_aimed_bullet(const float* pos) {
    const float* ship = player_ship_position();
    if (ship == nullptr) {
        return;
    }
    const int32_t direction = direction_to(pos, ship);
    const float speed = 1.5 + 0.2 * std::max(difficulty_level() - 4, 0);
    fire_bullet(pos, direction, speed);
}

void spawn_sparks(const float* pos, int32_t n) {
    if (g_spark_pool == nullptr) {
        return;
    }
    const uint32_t count = g_spark_pool->size();
    uint32_t cursor = 0;
    for (int32_t attempt = 0; attempt < n; ++attempt) {
        while (cursor < count && (*g_spark_pool)[cursor]->alive) {
            ++cursor;
        }
        if (cursor == count) {
            return;
        }
        explosion_t* spark = (*g_spark_pool)[cursor++];
        spark->set_position(pos[0], pos[1]);
        spark->start();
    }
}
