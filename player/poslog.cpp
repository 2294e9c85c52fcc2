#include "player/poslog.h"

void poslog_t::resize(uint32_t new_length) {
    length = new_length;
    capacity = 1;
    while (capacity < length) {
        capacity <<= 1;
    }
    entries.assign(capacity, entry_t{0, 0});
}

uint32_t poslog_t::fill(float x, float y, uint32_t start) {
    if (entries.empty()) {
        return head + start;
    }
    for (uint32_t k = start; k < length; ++k) {
        entry(k) = {x, y};
    }
    return start >= length ? head + start : head + length;
}

void poslog_t::push(float x, float y) {
    if (entries.empty()) {
        return;
    }
    head = (head - 1) & (capacity - 1);
    entry(0) = {x, y};
}

void poslog_t::shift(float dx, float dy) {
    if (entries.empty()) {
        return;
    }
    for (uint32_t k = 0; k < length; ++k) {
        entry(k).x += dx;
        entry(k).y += dy;
    }
}
