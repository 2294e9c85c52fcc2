// The tentacle001's behaviour: the core's breathing, steering and layout, the collapse from the tip,
// the hand's spores and their flight.
#include "enemies/worms/tentacle001.h"

#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace tentacle001 {

namespace {

constexpr int32_t se_hit = 48;
constexpr int32_t se_segment_destroyed = 55;
constexpr int32_t se_hand_destroyed = 39;
constexpr int32_t se_spore_destroyed = 69;
constexpr int32_t revenge_level = 4;
constexpr int32_t bend = 4; // direction steps a joint may differ from the one inside it
constexpr int32_t collapse_frames = 4;
constexpr float half_link = 10;
constexpr float breath = 0.0025f;
constexpr float spore_muzzle = 12;
constexpr float spore_speed = 2;
// Frames between spores by level 1..8.
constexpr uint32_t spore_interval[8] = {12, 10, 10, 8, 4, 4, 4, 4};

// The signed turn from one direction to another; half a turn counts as +32.
int32_t shortest(int32_t diff) {
    const int32_t positive = diff >= 0 ? diff : diff + 64;
    const int32_t negative = diff >= 0 ? diff - 64 : diff;
    return -negative < positive ? negative : positive;
}

bool on_screen(const object_t& o) {
    return 0 <= o.x && o.x < 256 && 0 <= o.y && o.y < 256;
}

} // namespace

void seg_t::update() {
    if (next != nullptr && !next->alive) {
        if (countdown == collapse_frames) {
            damage(9999);
        }
        ++countdown;
    }
}

void seg_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (!alive) {
        g_soundctr.request_se(se_segment_destroyed);
    }
}

bool seg_t::is_flashing() {
    return core->is_flashing();
}

void hand_t::update() {
    if (!on_screen(*this)) {
        return;
    }
    if (shot_clock % spore_interval[difficulty_level() - 1] == 0) {
        fire();
    }
    ++shot_clock;
}

void hand_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (!alive) {
        g_soundctr.request_se(se_hand_destroyed);
        if (difficulty_level() >= revenge_level) {
            fire_aimed_bullet(position());
        }
    }
}

// The pool's slots spread -2, 0 and +2 steps around the hand's direction.
void hand_t::fire() {
    const int32_t d = direction & 63;
    const size_t k = next_idle(spores, 0);
    if (k == spores.size()) {
        return;
    }
    spore_t* spore = spores[k];
    spore->direction = (d + 2 * (int32_t(k % 3) - 1)) & 63;
    spore->set_position(x + spore_muzzle * cos_table[d], y - spore_muzzle * sin_table[d]);
    spore->start();
}

void spore_t::update() {
    set_position(x + spore_speed * cos_table[direction & 63], y - spore_speed * sin_table[direction & 63]);
    if (x < -32 || x > 287 || y < -32 || y > 287) {
        alive = 0;
        hp = 0;
    } else if (terrain_layer0_at(int32_t(x), int32_t(y))) {
        kill();
    }
}

void spore_t::damage(int32_t n) {
    enemy_t::damage(n);
    if (!alive) {
        g_soundctr.request_se(se_spore_destroyed);
    }
}

core_t::core_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
    for (size_t d = 0; d < half_links.size(); ++d) {
        half_links[d] = {half_link * cos_table[d], -half_link * sin_table[d]};
    }
}

bool core_t::is_flashing() {
    return hand->is_flashing();
}

void core_t::update() {
    if (hand->x < 256) {
        stretch += (g_frame_counter & 63) < 32 ? breath : -breath;
    }
    if (state == 0) {
        state = 1;
        timer = 0;
        stretch = 1.0f;
    }
    const float* ship = player_ship_position();
    if (state == 1 && ship != nullptr) {
        steer(ship);
    }
    ++timer;
    lay_out();
    if (!first->alive) {
        enemy_t::damage(9999);
    }
}

// Turns the outermost joint that points away from the ship by one step; when it moved, the joints
// outside it are held within reach of it.
void core_t::steer(const float* ship) {
    for (seg_t* e = hand; e != nullptr; e = e->prev) {
        const int32_t diff = shortest(direction_to(e->position(), ship) - (e->direction & 63));
        if (diff >= -1 && diff <= 1) {
            continue;
        }
        const int32_t ref = e->prev != nullptr ? e->prev->direction : base_direction;
        const int32_t before = e->direction;
        e->direction = std::clamp(e->direction + (diff > 0 ? 1 : -1), ref - bend, ref + bend);
        e->pattern = e->direction & 63;
        if (e->direction == before) {
            continue;
        }
        for (seg_t* inner = e; inner->next != nullptr; inner = inner->next) {
            seg_t* outer = inner->next;
            outer->direction = std::clamp(outer->direction, inner->direction - bend, inner->direction + bend);
            outer->pattern = outer->direction & 63;
        }
        return;
    }
}

// Every link, alive or not, two half-links beyond the one inside it.
void core_t::lay_out() {
    const object_t* inner = this;
    int32_t inner_direction = base_direction & 63;
    for (seg_t* e = first; e != nullptr; e = e->next) {
        const half_link_t& a = half_links[size_t(inner_direction)];
        const half_link_t& b = half_links[size_t(e->direction & 63)];
        e->set_position(inner->x + (a.x + b.x) * stretch, inner->y + (a.y + b.y) * stretch);
        inner = e;
        inner_direction = e->direction & 63;
    }
}

} // namespace tentacle001
