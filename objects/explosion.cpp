#include "objects/explosion.h"

#include "objects/trig_tables.h"

#include <algorithm>

explosion_t::explosion_t(const objectinfo_t* info, uint32_t key) : object_t(info, 0, 0), key(key) {
    alive = 0;
    hp = 0;
}

void explosion_t::step_pattern() {
    // A period of 0 from a maker would divide by zero; it steps every frame instead.
    const uint32_t frames = std::max(period, 1u);
    if (counter != 0 && counter % frames == 0) {
        if (max_hp() > pattern + 1) {
            ++pattern;
        } else {
            kill();
        }
    }
    ++counter;
}

void explosion_t::update() {
    step_pattern();
}

void explosion_t::start() {
    counter = 0;
    pattern = 0;
    alive = 1;
    hp = info->hit_points;
}

void active_explosion_t::aim_velocity() {
    vx = speed * cos_table[direction & 63];
    vy = -speed * sin_table[direction & 63];
}

void active_explosion_t::update() {
    step_pattern();
    x += vx;
    y += vy;
    if (accel != 0) {
        speed = std::max(0.0, speed + accel * 0.01);
        aim_velocity();
    }
}

void hit_spark_t::start() {
    speed = start_speed;
    aim_velocity();
    explosion_t::start();
}

void hit_spark_t::update() {
    active_explosion_t::update();
    speed = std::max(speed - 0.1, 0.3);
    aim_velocity();
}
