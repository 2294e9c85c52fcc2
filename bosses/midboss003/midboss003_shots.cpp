// Midboss003's balls and lasers: the balls drift, speed up along their direction, spin and vanish off the
// area; the lasers slide left whatever their direction, gathering speed.
#include "bosses/midboss003/midboss003.h"

#include "enemies/damage_tail.h"
#include "objects/trig_tables.h"

#include <algorithm>

namespace {

constexpr float ball_start_speed = 0.2f;
constexpr float ball_top_speed = 1.2f;
constexpr float laser_start_speed = 0.1f;
constexpr float laser_top_speed = 3.0f;
constexpr int32_t se_ball_hit = 47;
constexpr int32_t se_ball_destroyed = 69;

} // namespace

namespace midboss003 {

void ball_t::start() {
    age = 0;
    speed = ball_start_speed;
    pattern = 7;
    enemy_t::start();
}

void ball_t::update() {
    if (age > 31) {
        speed = std::min(speed + 0.05f, ball_top_speed);
    }
    set_position(x + speed * cos_table[direction & 63], y - speed * sin_table[direction & 63]);
    if (age != 0 && age % 4 == 0) {
        pattern = (pattern + 1) & 7;
    }
    if (x < -16 || x >= 272 || y < -16 || y >= 272) {
        alive = 0;
        hp = 0;
    }
    ++age;
}

void ball_t::damage(int32_t n) {
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_ball_hit, {se_ball_destroyed});
}

void body_laser_t::start() {
    speed = laser_start_speed;
    vx = speed * cos_table[direction & 63];
    vy = -speed * sin_table[direction & 63];
    missile_t::start();
}

void body_laser_t::update() {
    const float v = speed;
    set_position(x - v, y);
    if (v < laser_top_speed) {
        speed = std::min(v + 0.05f, laser_top_speed);
        vx = speed * cos_table[direction & 63];
        vy = -speed * sin_table[direction & 63];
    }
    if (x < -32) {
        alive = 0;
        hp = 0;
    }
}

} // namespace midboss003
