#include "player/drip_missile.h"

#include "player/weapon_terrain.h"

#include <algorithm>

namespace {

constexpr float drift_speed = 1.25f; // forward, pixels per frame
constexpr double fall_accel = 0.15;  // added each frame, the sum kept in single precision
constexpr float max_fall_speed = 16.0f;
// The nose turns one direction step per two updates until it points straight up or down.
constexpr uint32_t max_nose_turn = 16;

} // namespace

void drip_missile_t::start() {
    fall_speed = 0;
    age = 0;
    pattern = 0;
    alive = 1;
    hp = info->hit_points;
}

void drip_missile_t::check_bg_hit() {
    strike_terrain(terrain_rows::drip);
}

void drip_missile_t::drip(bool rising) {
    set_position(x + drift_speed, rising ? y - fall_speed : y + fall_speed);
    if (is_in_bounds()) {
        check_bg_hit();
        const int32_t turn = int32_t(std::min(max_nose_turn, age >> 1));
        // The picture is half the nose's direction: toward 16 when rising, toward 48 through 63 when falling.
        pattern = ((rising ? turn : -turn) & 63) >> 1;
    } else {
        kill();
    }
    // These run in the update that ends the missile too.
    fall_speed = std::min(max_fall_speed, float(fall_speed + fall_accel));
    ++age;
}

void upper_drip_missile_t::update() {
    drip(true);
}

void lower_drip_missile_t::update() {
    drip(false);
}
