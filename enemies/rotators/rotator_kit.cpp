// The rotator families' shared turn, moves and lasers.
#include "enemies/rotators/rotator_kit.h"

#include "enemies/damage_tail.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "player/ship.h"

namespace rotators {

namespace {
constexpr int32_t forced_damage = 9000;
}

int32_t turn_step(int32_t current, int32_t target) {
    return turn_direction(current & 63, target & 63, 1);
}

int32_t shortest_turn(int32_t current, int32_t target) {
    const int32_t diff = (target - current) & 63;
    return diff <= 32 ? diff : diff - 64;
}

int32_t direction_to_ship(const float* from) {
    if (g_player_ship == nullptr) {
        return 0;
    }
    return direction_to(from, g_player_ship->position());
}

uint32_t stage_past(uint32_t key) {
    return g_stage_position - key;
}

void move_along(object_t& o, int32_t d, float v) {
    o.set_position(o.x + v * cos_table[d & 63], o.y - v * sin_table[d & 63]);
}

bool off_box(const object_t& o, float low, float high) {
    return o.x < low || o.x >= high || o.y < low || o.y >= high;
}

void dasher_damage(enemy_t& e, int32_t n) {
    constexpr int32_t revenge_level = 4;
    if (n == 0) {
        return;
    }
    e.enemy_t::damage(n);
    enemy_damage::damage_tail(e, n, se_hit, {se_destroyed}, revenge_level);
}

void laser_t::start() {
    p = phases_t{};
    object_t::start();
}

void laser_t::damage(int32_t n) {
    if (n >= forced_damage) {
        missile_t::damage(n);
    }
}

void laser_t::set_speed(float s) {
    speed = s;
    vx = s * cos_table[direction & 63];
    vy = -s * sin_table[direction & 63];
}

void laser_t::fly() {
    set_position(x + vx, y + vy);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
    ++p.timer;
}

void fire_from(missile_t* shot, float x, float y, int32_t d, float speed) {
    shot->start_effect_at(x, y);
    launch(shot, x, y, d & 63, speed);
    shot->pattern = d & 31;
}

} // namespace rotators
