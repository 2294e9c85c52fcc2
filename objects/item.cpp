#include "objects/item.h"

#include "objects/trig_tables.h"

#include <algorithm>

namespace {

constexpr uint32_t travel_frames = 128;

// Items far off screen on either axis are gone.
bool off_the_map(float v) {
    const int32_t i = int32_t(v);
    return i < -256 || i >= 512;
}

} // namespace

item_t::item_t(const objectinfo_t* info) : object_t(info, 0, 0) {
    kill();
}

void item_t::update() {
    int32_t before;
    do {
        before = state;
        run_state();
    } while (state != before);
    ++timer;
}

void item_t::run_state() {
    switch (state) {
    case 0:
        if (timer != 0 && timer % 8 == 0) {
            pattern = (pattern + 1) & 7;
        }
        break;
    case 100:
        travel();
        break;
    case 200:
        settle();
        break;
    default:
        break;
    }
}

void item_t::travel() {
    if (timer < travel_frames) {
        travel_step();
    } else {
        state = 200;
        timer = 0;
    }
}

void item_t::travel_step() {
    const int32_t d = direction & 63;
    set_position(x + speed * cos_table[d], y - speed * sin_table[d]);
    if (y < 8) {
        y = 8;
        direction = (64 - direction) & 63;
    }
    if (y >= 248) {
        y = 247;
        direction = (64 - direction) & 63;
    }
    // No bounce at the left edge: a travelling item may leave there.
    if (x >= 256) {
        x = 255;
        direction = (32 - direction) & 63;
    }
    speed = std::max(speed - 0.075, 0.0);
    flash = 1;
}

void item_t::settle() {
    released = 0;
    flash = 0;
    state = 0;
    timer = 0;
}

void item_t::move_x(int32_t d) {
    if (released) {
        return;
    }
    x += float(d);
    if (off_the_map(x)) {
        kill();
    }
}

void item_t::move_y(int32_t d) {
    if (released) {
        return;
    }
    y += float(d);
    if (off_the_map(y)) {
        kill();
    }
}

void item_t::start() {
    flash = 0;
    released = 0;
    direction = 0;
    speed = 0;
    state = 0;
    timer = 0;
    pattern = 0;
    alive = 1;
    hp = info->hit_points;
}

void item_t::release(const float* pos, int32_t travel_direction, float travel_speed) {
    flash = 0;
    released = 1;
    direction = travel_direction;
    speed = travel_speed;
    state = 100;
    timer = 0;
    set_position(pos[0], pos[1]);
    alive = 1;
    hp = info->hit_points;
}

void speed_item_t::kill() {
    kind = 34;
    alive = 0;
    hp = 0;
}

void speed_item_t::run_state() {
    switch (state) {
    case 0:
        kind = 35;
        pattern = 0;
        state = 1;
        timer = 0;
        break;
    case 1:
    case 3:
        if (timer < travel_frames) {
            if (timer != 0 && timer % 4 == 0) {
                pattern = ((pattern + 1) & 7) + (state == 3 ? 8 : 0);
            }
        } else {
            state = state == 1 ? 2 : 0;
            timer = 0;
        }
        break;
    case 2:
        kind = 36;
        pattern = 8;
        state = 3;
        timer = 0;
        break;
    case 100:
        kind = 35;
        pattern = 0;
        state = 101;
        timer = 0;
        break;
    case 101:
        travel();
        break;
    default: // settling is the same as for any item
        item_t::run_state();
        break;
    }
}
