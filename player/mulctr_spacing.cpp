#include "player/mulctr.h"

#include "player/multiple.h"

#include <algorithm>

namespace {

constexpr size_t most_multiples = 4;
constexpr int32_t spacing_after_reset = 16;
constexpr int32_t widest_spacing = 48;

// Where multiple i stands: behind log entry 4 (front rank) or 8 (rear rank), above or below by spacing
// (front) or twice the spacing (rear).
struct rank_place_t {
    uint32_t entry;
    float back;
    int32_t spacings;
};
constexpr rank_place_t places[most_multiples] = {{4, 18, -1}, {4, 18, 1}, {8, 34, -2}, {8, 34, 2}};

} // namespace

void mulctr_spacing_t::reset(float x, float y) {
    spacing = spacing_after_reset;
    opening = 0;
    held = 0;
    log.fill(x, y, 0);
    place_all_at(x, y);
}

void mulctr_spacing_t::update(bool) {
    log.push(ship->x, ship->y);
    const size_t n = std::min(multiples.size(), most_multiples);
    for (size_t i = 0; i < n; ++i) {
        const poslog_t::entry_t& e = log.entry(places[i].entry);
        multiples[i]->set_position(e.x - places[i].back, e.y + float(places[i].spacings * spacing));
    }
}

void mulctr_spacing_t::on_button(bool is_held) {
    if (multiples.empty()) {
        return;
    }
    if (is_held) {
        held = 1;
    } else if (held) {
        held = 0;
        opening ^= 1;
    }
    if (held) {
        spacing = opening ? std::min(spacing + 1, widest_spacing) : std::max(spacing - 1, 0);
    }
}

void mulctr_spacing_t::shift_y(int32_t dy) {
    log.shift(0, float(dy));
}

bool mulctr_spacing_t::add_multiple(multiple_t* m) {
    if (multiples.size() >= most_multiples) {
        return false;
    }
    if (multiples.empty()) {
        log.fill(ship->x, ship->y, 0);
        m->pattern = 0;
    } else {
        m->pattern = (multiples.back()->pattern + 1) % 3;
    }
    multiples.push_back(m);
    update(false);
    return true;
}
