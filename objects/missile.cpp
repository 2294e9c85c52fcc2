#include "objects/missile.h"

#include "objects/play_globals.h"
#include "objects/trig_tables.h"

missile_t::missile_t(const objectinfo_t* info, uint32_t key) : object_t(info, 0, 0), key(key) {
    kill();
}

void missile_t::update() {
    set_position(x + vx, y + vy);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
}

void missile_t::damage(int32_t n) {
    object_t::damage(n);
    if (!alive) {
        const float* at = position();
        start_effect_at(at[0], at[1]);
    }
}

bool missile_t::is_in_bounds() {
    return x >= -32 && x < 288 && y >= -4 && y < 260;
}

void missile_t::start_effect_at(float at_x, float at_y) {
    if (effect != nullptr) {
        effect->set_position(at_x, at_y);
        if (!effect->alive) {
            effect->start();
        }
    }
}

void common_missile1_t::update() {
    missile_t::update();
    if (g_frame_counter % 2 == 0) {
        pattern = (pattern + 1) & 3;
    }
}

void tripus_laser_t::update() {
    // Its maker keeps the angle in 0..359; the remainder keeps any other value inside the table.
    const uint32_t a = uint32_t(direction) % 360u;
    set_position(x + speed * cos_table_deg[a], y - speed * sin_table_deg[a]);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
}
