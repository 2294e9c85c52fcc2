// Midboss002's shots: the lasers that fly left, speed up and, when spreading, veer away from the body's
// line and back; the balls of its retreat, which keep their place on screen while the stage scrolls.
#include "bosses/midboss002/midboss002.h"

#include "objects/direction.h"
#include "objects/trig_tables.h"

#include <algorithm>

namespace {

constexpr float top_speed = 2.4f;
constexpr float acceleration = 0.02f;
constexpr uint32_t straight_frames = 24;
constexpr uint32_t veer_frames = 12;
constexpr int32_t left = 32;
constexpr int32_t up_left = 24;
constexpr int32_t down_left = 40;

enum : int32_t {
    begin = 0,
    straight = 1,
    veer_up = 10,
    veer_down = 20,
    hold = 50,
    turn_back = 51,
    parallel = 52,
};

} // namespace

namespace midboss002 {

void laser_t::start() {
    state = begin;
    timer = 0;
    missile_t::start();
}

void laser_t::kill() {
    spreading = 0;
    alive = 0;
    hp = 0;
}

void laser_t::update() {
    while (run_state()) {
    }
    base_speed = std::min(base_speed + acceleration, top_speed);
    speed = base_speed;
    vx = speed * cos_table[direction];
    vy = -speed * sin_table[direction];
    set_position(x + vx, y + vy);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
    if (effect != nullptr && effect->alive) {
        effect->set_position(x, y);
    }
    ++timer;
}

bool laser_t::run_state() {
    const int32_t before = state;
    switch (state) {
    case begin:
        base_speed = 1.0f;
        speed = 1.0f;
        direction = left;
        pattern = 0;
        state = straight;
        break;
    case straight:
        if (timer >= straight_frames) {
            if (!spreading) {
                timer = 0; // flies straight for another 24 frames
            } else {
                state = owner != nullptr && owner->y <= y ? veer_down : veer_up;
            }
        }
        break;
    case veer_up:
    case veer_down: {
        const int32_t target = state == veer_up ? up_left : down_left;
        if (timer % 2 == 0 && direction != target) {
            direction = turn_direction(direction, target, 1);
            pattern = direction % 32;
        }
        if (direction == target) {
            state = hold;
        }
        break;
    }
    case hold:
        if (timer >= veer_frames) {
            state = turn_back;
        }
        break;
    case turn_back:
        if (direction != left) {
            direction = turn_direction(direction, left, 1);
        }
        if (direction == left) {
            state = parallel;
        }
        break;
    default:
        break;
    }
    if (state != before) {
        timer = 0;
        return true;
    }
    return false;
}

void ball_t::update() {
    missile_t::update();
    ++age;
}

} // namespace midboss002
