// Boss005's arm segments and pincer hands: the chain's pulse and its death from the body outward, the
// hands' turning, shots, beam and muzzle sparks.
#include "bosses/boss005/parts.h"

#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t lowest_direction = 17;
constexpr int32_t highest_direction = 47;
constexpr int32_t straight_left = 32;
constexpr float muzzle_distance = 38;
constexpr float shot_speed = 3.25f;
constexpr uint32_t pulse_hand_on = 7;

constexpr int32_t se_shot = 45;
constexpr int32_t se_hand_destroyed = 44;

} // namespace

namespace boss005 {

void arm_t::update() {
    if (prev != nullptr && !prev->alive && --death_delay == 0) {
        kill();
    }
    if (pulse_count != 0) {
        --pulse_count;
        if (pulse_count == pulse_hand_on && next != nullptr) {
            next->pulse(true);
        }
    }
}

void hand_t::update() {
    if (arm == nullptr || arm->alive || --death_delay != 0) {
        return;
    }
    enemy_t::damage(9999);
    if (difficulty_level() >= 3) {
        fire_aimed_bullet(position());
    }
    g_soundctr.request_se(se_hand_destroyed);
}

bool hand_t::turn_toward(int32_t d) {
    const int32_t diff = d - direction;
    if (diff == 0) {
        return false;
    }
    const int32_t counter_clockwise = diff > 0 ? diff : diff + 64;
    const int32_t clockwise = diff > 0 ? 64 - diff : -diff;
    const int32_t turned = wrap64(direction + (counter_clockwise <= clockwise ? 1 : -1));
    const int32_t next = std::clamp(turned, lowest_direction, highest_direction);
    const bool changed = next != direction;
    direction = next;
    pattern = direction - 16;
    return changed;
}

bool hand_t::aim_at(const float* point) {
    return turn_toward(direction_to(position(), point));
}

void hand_t::fire_missile() {
    g_soundctr.request_se(se_shot);
    const size_t i = next_idle(missiles, 0);
    if (i == missiles.size()) {
        return;
    }
    missile_t* shot = missiles[i];
    const float at_x = x + muzzle_distance * cos_table[direction];
    const float at_y = y - muzzle_distance * sin_table[direction];
    shot->start_effect_at(at_x, at_y);
    shot->pattern = direction % 32;
    launch(shot, at_x, at_y, direction, shot_speed);
}

void hand_t::start_laser() {
    if (direction == straight_left && !laser->alive) {
        laser->start();
    }
}

void hand_t::stop_laser() {
    laser->kill();
}

void hand_t::emit_spark(float at_x, float at_y) {
    start_next_entry(sparks, at_x, at_y);
}

explosion_t* start_next_entry(mul_explosion_t& set, float at_x, float at_y) {
    if (set.entries.empty()) {
        return nullptr;
    }
    const size_t i = size_t(set.next) % set.entries.size();
    const mul_explosion_t::data_t& r = set.entries[i];
    if (r.explosion->alive) {
        return nullptr;
    }
    r.explosion->set_position(float(int32_t(at_x) + r.dx), float(int32_t(at_y) + r.dy));
    r.explosion->start();
    set.next = int32_t((i + 1) % set.entries.size());
    return r.explosion;
}

} // namespace boss005
