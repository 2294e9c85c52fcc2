// Tripus's dashes, bursts, retreat, damage and construction.
#include "enemies/gunships/tripus.h"

#include "enemies/damage_tail.h"
#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t body_record = 274;
constexpr int32_t laser_record = 275;
constexpr int32_t effect_record = 276;
constexpr int32_t death_explosion_record = 83;
constexpr int32_t laser_count = 64;
constexpr uint32_t effect_period = 2;

// Two stage sections past its key it retreats.
constexpr uint32_t retreat_after = 0x20000;
constexpr int32_t spin_patterns = 24;
constexpr int32_t degrees_per_pattern = 5;
constexpr float dash_speed = 1.5f;
constexpr uint32_t dash_frames = 32;
constexpr uint32_t stand_frames = 48;
constexpr uint32_t retreat_dash_frames = 64;
constexpr uint32_t retreat_rest_frames = 16;
constexpr uint32_t retreat_burst_interval = 15;

constexpr float arm_length = 22;
constexpr float laser_speed = 1.2f;
constexpr int32_t laser_patterns = 36;

constexpr int32_t se_burst = 98;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 38;
constexpr int32_t revenge_level = 4;

enum : int32_t { aim = 0, dashing = 1, standing = 100, turn_away = 500, retreating = 501, resting = 502 };

} // namespace

void tripus_t::update() {
    if (state < turn_away && g_stage_position - key >= retreat_after) {
        state = turn_away;
        timer = 0;
    }
    pattern = (pattern + 1) % spin_patterns;
    while (run_state()) {
    }
}

bool tripus_t::run_state() {
    // A state that ends this frame skips the timer's step.
    const auto go = [this](int32_t next) {
        state = next;
        timer = 0;
    };
    const float* ship = player_ship_position();
    switch (state) {
    case aim:
        if (ship != nullptr) {
            direction = direction_to(position(), ship);
        }
        go(dashing);
        return true;
    case dashing:
        if (timer >= dash_frames) {
            go(standing);
            return false;
        }
        dash();
        break;
    case standing:
        if (timer >= stand_frames) {
            go(aim);
            return false;
        }
        if (int32_t(timer & 15) < difficulty_level() && timer % 2 == 0) {
            burst();
        }
        break;
    case turn_away:
        if (ship != nullptr) {
            direction = direction_to(ship, position());
        }
        go(retreating);
        return true;
    case retreating:
        if (timer >= retreat_dash_frames) {
            go(resting);
            return false;
        }
        if (timer % retreat_burst_interval == 0) {
            burst();
        }
        dash();
        break;
    case resting:
        if (timer >= retreat_rest_frames) {
            go(retreating);
            return false;
        }
        break;
    default:
        break;
    }
    ++timer;
    return false;
}

void tripus_t::dash() {
    set_position(x + dash_speed * cos_table[direction], y - dash_speed * sin_table[direction]);
}

void tripus_t::burst() {
    const int32_t base = pattern * degrees_per_pattern;
    size_t next = 0;
    for (int32_t k = 0; k < 3; ++k) {
        next = next_idle(lasers, next);
        if (next >= lasers.size()) {
            break;
        }
        missile_t* laser = lasers[next++];
        const int32_t angle = (base + 120 * k) % 360;
        const float at_x = x + arm_length * cos_table_deg[angle];
        const float at_y = y - arm_length * sin_table_deg[angle];
        laser->start_effect_at(at_x, at_y);
        laser->set_position(at_x, at_y);
        laser->direction = angle;
        laser->pattern = (angle / degrees_per_pattern) % laser_patterns;
        laser->speed = laser_speed;
        laser->start();
    }
    g_soundctr.request_se(se_burst);
}

void tripus_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (g_frame_counter % 4 == 0) {
        spawn_sparks(position(), 1);
    }
    enemy_damage::death_tail(*this, {se_destroyed}, revenge_level);
}

tripus_t* stage_t::make_tripus(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<tripus_t>(stage, placement, info);
}

tripus_laser_t* stage_t::make_tripus_laser(stage_t* stage, const placement_t* placement,
                                           const objectinfo_t* info) {
    return append_dormant<tripus_laser_t>(stage->enemy_shots, placement, info);
}

void stage_t::spawn_tripus(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({body_record, laser_record, effect_record, death_explosion_record});
    if (!r) {
        return;
    }
    tripus_t* body = make_tripus(stage, placement, (*r)[0]);
    body->attach_explosion(make_explosion(stage, placement, (*r)[3]));
    for (int32_t i = 0; i < laser_count; ++i) {
        link_shot_effect(stage, placement, make_tripus_laser(stage, placement, (*r)[1]), (*r)[2],
                         effect_period, body, body->lasers);
    }
    give_item(stage, placement, body);
}
