#include "objects/big_explosion.h"

void mul_explosion_t::start_at(float x, float y) {
    const int32_t px = int32_t(x);
    const int32_t py = int32_t(y);
    for (const data_t& entry : entries) {
        if (entry.explosion != nullptr && !entry.explosion->alive) {
            entry.explosion->set_position(float(px + entry.dx), float(py + entry.dy));
            entry.explosion->start();
        }
    }
}

void kill_all_in_list(mul_explosion_t& set) {
    for (const mul_explosion_t::data_t& entry : set.entries) {
        if (entry.explosion != nullptr) {
            entry.explosion->kill();
        }
    }
}

big_explosion_t::big_explosion_t(const objectinfo_t* info, uint32_t key) : explosion_t(info, key) {
    parts.entries.reserve(4);
}

void big_explosion_t::start() {
    parts.start_at(x, y);
}
