#include "player/longlaser.h"

#include "player/weapon_terrain.h"

namespace {

constexpr float piece_speed = 10.0f;
constexpr int32_t piece_length = 16; // a piece follows its predecessor this far behind
constexpr int32_t detached_gap = 32; // a gap this wide starts a new beam front at the firer
constexpr float effect_ahead = 4.0f; // where a cut piece's explosion shows
constexpr int32_t tip_pattern = 1;   // the front of a beam
constexpr int32_t body_pattern = 0;
constexpr int32_t emit_sound = 100;

} // namespace

void longlaser_t::update() {
    if (owner == nullptr) {
        return;
    }
    // The beam stays level with its firer.
    set_position(x + piece_speed, owner->position()[1]);
    if (is_in_bounds()) {
        check_bg_hit();
    } else {
        kill();
    }
}

void longlaser_t::kill() {
    alive = 0;
    hp = 0;
    if (next != nullptr) {
        next->pattern = tip_pattern;
    }
}

void longlaser_t::damage(int32_t n) {
    if (n <= 0) {
        return;
    }
    // A thin piece behind a live one passes through; only the foremost piece can be cut.
    if (fragile && prev != nullptr && prev->alive) {
        return;
    }
    start_effect_at(x + effect_ahead, y);
    if (fragile) {
        kill();
        return;
    }
    // A hit on one of the robust first pieces takes everything in front of it too.
    for (longlaser_t* piece = this; piece != nullptr; piece = piece->prev) {
        piece->kill();
    }
}

void longlaser_t::check_bg_hit() {
    strike_terrain(terrain_rows::long_laser);
}

void longlaser_ctr_t::start() {
    if (head == nullptr || tail == nullptr || owner == nullptr) {
        return;
    }
    const float* o = owner->position();
    // A new beam can begin once the last piece of the previous one is gone.
    if (next_segment == nullptr && !tail->alive) {
        next_segment = head;
    }
    if (next_segment == nullptr) {
        return;
    }
    if (next_segment != head) {
        longlaser_t* predecessor = next_segment->prev;
        if (predecessor != nullptr && predecessor->alive) {
            const float* p = predecessor->position();
            const int32_t gap = int32_t(p[0] - o[0]);
            if (gap >= detached_gap) {
                emit(next_segment, float(int32_t(o[0])), float(int32_t(o[1])), tip_pattern);
            } else if (gap >= piece_length) {
                emit(next_segment, float(int32_t(p[0]) - piece_length), float(int32_t(o[1])), body_pattern);
            }
            return;
        }
        // The beam was cut or has left the screen: it restarts from the head, wherever that is.
        next_segment = head;
    }
    emit(head, float(int32_t(o[0])), float(int32_t(o[1])), tip_pattern);
}

void longlaser_ctr_t::kill() {
    for (longlaser_t* piece = head; piece != nullptr; piece = piece->next) {
        piece->kill();
    }
    next_segment = nullptr;
}

void longlaser_ctr_t::set_owner(object_t* object) {
    owner = object;
    for (longlaser_t* piece = head; piece != nullptr; piece = piece->next) {
        piece->set_owner(object);
    }
}

void longlaser_ctr_t::emit(longlaser_t* piece, float at_x, float at_y, int32_t piece_pattern) {
    piece->set_position(at_x, at_y);
    piece->pattern = piece_pattern;
    piece->start();
    next_segment = piece->next;
    request_se_if_fired_by_ship(emit_sound);
}
