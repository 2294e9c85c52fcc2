// What the formation leaders share: the history that members are placed on, a fixed number of frames
// per member behind the leader, gaps kept where members died; the end of a chain that drops its item
// where its last member was; the shared animation; and the history following the vertical scroll.
#pragma once

#include "objects/enemy.h"
#include "objects/object.h"
#include "player/poslog.h"

#include <cstdint>

namespace formation {

// Places each alive member, counting dead ones too, on the history entry spacing x i frames back when
// accept(entry) holds; a member whose entry is refused is switched off without explosion. last becomes
// the rearmost member placed. Returns how many were placed.
template <typename Member, typename Accept>
int32_t place_chain(poslog_t& log, Member* first, uint32_t spacing, Member*& last, Accept accept) {
    int32_t count = 0;
    uint32_t i = 0;
    for (Member* m = first; m != nullptr; m = m->next, ++i) {
        if (!m->alive) {
            continue;
        }
        const poslog_t::entry_t at = log.entry(spacing * i);
        if (!accept(at)) {
            m->alive = 0;
            m->hp = 0;
            continue;
        }
        m->set_position(at.x, at.y);
        last = m;
        ++count;
    }
    return count;
}

template <typename Member>
int32_t place_chain(poslog_t& log, Member* first, uint32_t spacing, Member*& last) {
    return place_chain(log, first, spacing, last, [](const poslog_t::entry_t&) { return true; });
}

// No member lives: the leader moves to where the last one was, releases its item there and ends without
// explosion or score.
inline void end_chain(enemy_t& leader, const object_t* last) {
    if (last != nullptr) {
        leader.set_position(last->x, last->y);
    }
    leader.drop_carried();
    leader.alive = 0;
    leader.hp = 0;
}

// The leader's pattern steps on; the members follow three patterns apart, the first on the leader's.
template <typename Member> void animate_chain(enemy_t& leader, Member* first) {
    leader.pattern = (leader.pattern + 1) & 15;
    int32_t p = leader.pattern;
    for (Member* m = first; m != nullptr; m = m->next, p += 3) {
        m->pattern = p & 15;
    }
}

// The history moved with its leader by a vertical scroll step, wrapped like the camera shift or not.
inline void shift_history_y(poslog_t& log, int32_t dy, bool wrapped) {
    for (uint32_t k = 0; k < log.length; ++k) {
        float& y = log.entry(k).y;
        y = wrapped ? wrapped_y(y, dy) : y + float(dy);
    }
}

// What a twister member does once the enemy rule has taken a hit: 3 sparks and sound 47; when it died,
// sound 2 and, from revenge_level, an aimed shot from where it was.
void twister_member_hit(enemy_t& member, int32_t revenge_level);

// Sizes the history to spacing x count entries, every one at the leader's position.
inline void size_history(poslog_t& log, const object_t& leader, uint32_t spacing, int32_t count) {
    log.resize(spacing * uint32_t(count > 0 ? count : 0));
    log.fill(leader.x, leader.y, 0);
}

} // namespace formation
