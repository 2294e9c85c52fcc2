#include "player/ionblast.h"

#include "objects/trig_tables.h"
#include "player/weapon_terrain.h"

#include <algorithm>

namespace {

constexpr float forward_speed = 3.0f;
constexpr float muzzle_ahead = 6.0f; // it starts this far ahead of the firing point
constexpr float struck_speed = 1.0f; // the drift speed after an enemy contact
constexpr double drift_slowdown = 0.02;
constexpr uint32_t patterns = 16; // two updates each: it lives 32 updates

} // namespace

void ionblast_t::start() {
    drifting = 0;
    travel_speed = forward_speed;
    age = 0;
    pattern = 0;
    set_position(x + muzzle_ahead, y);
    alive = 1;
    hp = info->hit_points;
}

void ionblast_t::update() {
    if (drifting) {
        set_position(x + travel_speed * cos_table[drift_direction & 63],
                     y - travel_speed * sin_table[drift_direction & 63]);
        travel_speed = std::max(0.0f, float(travel_speed - drift_slowdown));
    } else {
        set_position(x + travel_speed, y);
    }
    const uint32_t p = age >> 1;
    if (is_in_bounds() && p < patterns) {
        pattern = int32_t(p);
        check_bg_hit();
    } else {
        kill();
    }
    ++age;
}

// Any contact, even of no strength, turns it back; it is never worn down or killed by one.
void ionblast_t::damage(int32_t n) {
    if (n != 0 && !drifting) {
        drifting = 1;
        travel_speed = struck_speed;
    }
}

// Terrain switches between drifting and forward flight at the speed it has.
void ionblast_t::check_bg_hit() {
    const terrain_hit_t hit = probe_terrain(terrain_rows::ion_blast, int32_t(x), int32_t(y));
    if (hit.layer >= 0) {
        drifting = !drifting;
        mark_terrain(terrain_rows::ion_blast, hit);
    }
}
