#include "objects/longflash.h"

#include "objects/trig_tables.h"

#include <algorithm>

namespace {

constexpr int32_t flash_count = 64;
constexpr int32_t widest = 7;

} // namespace

void longflash_t::start() {
    explosion_t::start();
    pattern = base_pattern;
}

void longflash_control_t::start() {
    ending = 0;
    explosion_t::start();
    for (longflash_t* flash : flashes) {
        if (flash != nullptr) {
            flash->start();
        }
    }
}

void longflash_control_t::place_flashes() {
    const uint32_t a = uint32_t(angle) % 360u;
    const float end_x = origin_x + length * cos_table_deg[a];
    const float end_y = origin_y - length * sin_table_deg[a];
    const float step_x = (end_x - origin_x) * 0.015625f;
    const float step_y = (end_y - origin_y) * 0.015625f;
    for (int32_t i = 0; i < flash_count; ++i) {
        if (flashes[i] != nullptr) {
            flashes[i]->set_position(origin_x + float(i) * step_x, origin_y + float(i) * step_y);
        }
    }
}

void longflash_control_t::turn() {
    // An interval of 0 from the maker would divide by zero; it turns every frame instead.
    const uint32_t every = uint32_t(std::max(interval, 1));
    if (timer < 176) {
        if (timer % every == 0) {
            angle = (angle + 1) % 360;
        }
        if (timer >= 128 && timer % 6 == 0) {
            ++interval;
        }
    } else {
        if (timer % every == 0) {
            angle = (angle + 359) % 360;
        }
        if (timer >= 200 && timer % 16 == 0) {
            interval = std::max(interval - 1, 1);
        }
    }
}

void longflash_control_t::set_width(int32_t k) {
    for (longflash_t* flash : flashes) {
        if (flash != nullptr) {
            flash->pattern = flash->base_pattern + k;
        }
    }
}

void longflash_control_t::change_width() {
    if (flashes[0] == nullptr) {
        return;
    }
    const int32_t k = flashes[0]->pattern - flashes[0]->base_pattern;
    if (!ending) {
        if (k + 1 <= widest && timer % 16 == 0) {
            set_width(k + 1);
        }
        return;
    }
    if (k - 1 >= 0) {
        if (timer % 6 == 0) {
            set_width(k - 1);
        }
        return;
    }
    alive = 0;
    hp = 0;
    for (longflash_t* flash : flashes) {
        if (flash != nullptr) {
            flash->kill();
        }
    }
}

void longflash_control_t::update() {
    place_flashes();
    turn();
    change_width();
    ++timer;
}
