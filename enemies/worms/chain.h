// What the trailing worms share: a head's history moved with the scroll, the turn towards a target, and
// the parts behind the head placed on the history a fixed number of frames apart.
#pragma once

#include "enemies/formations/formation_chain.h"
#include "objects/direction.h"
#include "objects/object.h"
#include "objects/trig_tables.h"
#include "player/poslog.h"

#include <cstdint>

namespace worm {

// A body that takes its hits, flash and scroll through its head while the head lives.
template <typename Part, typename Head> class follower_t : public Part {
  public:
    using Part::Part;

    void move_x(int32_t d) override {
        if (head == nullptr || !head->alive) {
            Part::move_x(d);
        }
    }
    void start() override {
        death_count = 0;
        Part::start();
    }
    void damage(int32_t n) override {
        if (head != nullptr && head->alive) {
            head->damage(n);
        }
    }
    bool is_flashing() override { return head != nullptr && head->is_flashing(); }

    Head* head = nullptr;
    int32_t death_count = 0;
};

// One step towards target the shorter way (a half turn goes counter-clockwise); none when aligned.
inline int32_t turned(int32_t dir, int32_t target) {
    return target == dir ? dir : turn_direction(dir, target, 1);
}

// (x, y) moved by speed along the direction.
inline void advance(object_t& o, int32_t dir, float speed) {
    o.set_position(o.x + speed * cos_table[dir], o.y - speed * sin_table[dir]);
}

// Every part along `back`, dead ones too, on the history entry step x k for the k-th part behind the head.
template <typename Part> void place_behind(poslog_t& trail, Part* first, uint32_t step) {
    uint32_t k = 1;
    for (Part* p = first; p != nullptr; p = p->back, ++k) {
        const poslog_t::entry_t at = trail.entry(step * k);
        p->set_position(at.x, at.y);
    }
}

// The head and its history carried together by the scroll.
inline void shift_x(object_t& head, poslog_t& trail, int32_t d) {
    head.x += float(d);
    trail.shift(float(d), 0);
}

inline void shift_y(object_t& head, poslog_t& trail, int32_t d, bool wrapped) {
    head.y = wrapped ? wrapped_y(head.y, d) : head.y + float(d);
    formation::shift_history_y(trail, d, wrapped);
}

// The sprite of a part points from the part behind it (itself for the last) to the part in front.
template <typename Part> int32_t facing(Part& p) {
    const float* from = p.back != nullptr ? p.back->position() : p.position();
    return direction_to(from, p.front->position());
}

} // namespace worm
