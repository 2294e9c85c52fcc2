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

explosion_t* mul_explosion_t::start_next_at(float x, float y) {
    if (entries.empty()) {
        return nullptr;
    }
    const data_t& entry = entries[size_t(next) % entries.size()];
    if (entry.explosion->alive) {
        return nullptr;
    }
    entry.explosion->set_position(float(int32_t(x) + entry.dx), float(int32_t(y) + entry.dy));
    entry.explosion->start();
    next = int32_t((size_t(next) + 1) % entries.size());
    return entry.explosion;
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
