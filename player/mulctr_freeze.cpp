#include "player/mulctr.h"

#include "player/multiple.h"

namespace {
constexpr uint32_t lag = 8;            // log entries between two multiples
constexpr float trail_offset_x = 8.0f; // the trail runs this far left of the ship's path
} // namespace

void mulctr_freeze_t::place_on_trail() {
    const float dx = frozen ? ship->x - frozen_x : 0.0f;
    const float dy = frozen ? ship->y - frozen_y : 0.0f;
    for (uint32_t i = 0; i < multiples.size(); ++i) {
        const poslog_t::entry_t& e = log.entry(lag * (i + 1));
        multiples[i]->set_position(e.x + dx, e.y + dy);
    }
}

void mulctr_freeze_t::reset(float x, float y) {
    frozen = 0;
    frozen_x = 0;
    frozen_y = 0;
    log.fill(x, y, 0);
    place_all_at(x, y);
}

void mulctr_freeze_t::update(bool moving) {
    if (moving && !frozen) {
        log.push(ship->x - trail_offset_x, ship->y);
    }
    place_on_trail();
}

void mulctr_freeze_t::on_button(bool is_held) {
    if (multiples.empty()) {
        return;
    }
    if (is_held && !frozen) {
        frozen = 1;
        frozen_x = ship->x;
        frozen_y = ship->y;
    } else if (!is_held && frozen) {
        log.shift(ship->x - frozen_x, ship->y - frozen_y);
        frozen = 0;
        place_on_trail();
    }
}

void mulctr_freeze_t::shift_y(int32_t dy) {
    if (!frozen) {
        log.shift(0, float(dy));
    }
    place_on_trail();
}

bool mulctr_freeze_t::add_multiple(multiple_t* m) {
    const uint32_t n = uint32_t(multiples.size());
    if (n == 0) {
        log.fill(ship->x - trail_offset_x, ship->y, 0);
        m->set_position(ship->x - trail_offset_x, ship->y);
        m->pattern = 0;
    } else {
        const poslog_t::entry_t from = log.entry(lag * n);
        log.fill(from.x, from.y, lag * n + 1);
        const multiple_t* last = multiples.back();
        m->set_position(last->x, last->y);
        m->pattern = (multiples.front()->pattern + 1) % 3;
    }
    multiples.push_back(m);
    return true;
}
