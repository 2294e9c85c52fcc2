#include "player/player_missile.h"

#include "objects/trig_tables.h"
#include "player/weapon_terrain.h"
#include "screen/soundctr.h"

namespace {
constexpr int32_t background_hit = 9999;
}

void player_missile_t::update() {
    set_position(x + speed, y);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
}

bool player_missile_t::is_in_bounds() {
    return x >= -9999 && x < 260 && y >= -4 && y < 260;
}

void player_missile_t::check_bg_hit() {
    strike_terrain(terrain_rows::shot);
}

void player_missile_t::set_speed(float new_speed) {
    speed = new_speed;
    vx = speed * cos_table[direction & 63];
    vy = -speed * sin_table[direction & 63];
}

void player_missile_t::request_se_if_fired_by_ship(int32_t id) {
    if (owner != nullptr && owner->type_id() == ship_record_id) {
        g_soundctr.request_se(id);
    }
}

void player_missile_t::strike_terrain(const terrain_row_t& row) {
    const terrain_hit_t hit = probe_terrain(row, int32_t(x), int32_t(y));
    if (hit.layer >= 0) {
        damage(background_hit);
        mark_terrain(row, hit);
    }
}

void player_missile_explosion_t::update() {
    explosion_t::update();
    set_position(x - 1.0f, y);
}

void longlaser_explosion_t::update() {
    explosion_t::update();
    set_position(x - 3.5f, y);
}
