#include "enemies/damage_tail.h"

#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "screen/soundctr.h"

void enemy_damage::death_tail(enemy_t& e, std::initializer_list<int32_t> death_sounds,
                              int32_t revenge_level) {
    if (e.alive) {
        return;
    }
    for (int32_t se : death_sounds) {
        g_soundctr.request_se(se);
    }
    if (difficulty_level() >= revenge_level) {
        fire_aimed_bullet(e.position());
    }
}

void enemy_damage::damage_tail(enemy_t& e, int32_t n, int32_t se_hit,
                               std::initializer_list<int32_t> death_sounds, int32_t revenge_level) {
    if (n != 0) {
        g_soundctr.request_se(se_hit);
    }
    death_tail(e, death_sounds, revenge_level);
}
