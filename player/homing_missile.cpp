#include "player/homing_missile.h"

#include "objects/direction.h"
#include "objects/enemy.h"
#include "objects/stage_pointers.h"
#include "player/missile_flight.h"
#include "player/weapon_terrain.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int32_t upper_launch = 18; // two steps past straight up, so slightly backward
constexpr int32_t lower_launch = 46;
constexpr int32_t homing_turn_limit = 1;
// Turning frames on one target before it is chosen again, so a missile cannot circle it for ever.
constexpr uint32_t lock_limit = 256;

// The screen square 0..255 on both axes, as floats: -0.5 is outside.
bool on_screen(const float* p) {
    return p[0] >= 0 && p[0] < 256 && p[1] >= 0 && p[1] < 256;
}

} // namespace

void homing_missile_t::start() {
    target = nullptr;
    lock_frames = 0;
    alive = 1;
    hp = info->hit_points;
}

void upper_homing_missile_t::start() {
    direction = upper_launch;
    homing_missile_t::start();
}

void lower_homing_missile_t::start() {
    direction = lower_launch;
    homing_missile_t::start();
}

void homing_missile_t::update() {
    // The stage deletes its enemies when it is cleared, so a target is kept only while a stage is loaded.
    const bool keep = target != nullptr && g_enemy_list != nullptr && target->alive &&
                      on_screen(target->position()) && lock_frames < lock_limit;
    if (!keep) {
        target = find_target();
        lock_frames = 0;
    }
    if (target != nullptr) {
        direction =
            turn_direction(direction, direction_to(position(), target->position()), homing_turn_limit);
        ++lock_frames;
    }
    fly_along(*this, direction);
    if (is_in_bounds()) {
        check_bg_hit();
        pattern = direction >> 1;
    } else {
        kill();
    }
}

void homing_missile_t::check_bg_hit() {
    strike_terrain(terrain_rows::homing);
}

object_t* homing_missile_t::find_target() {
    if (g_enemy_list == nullptr) {
        return nullptr;
    }
    array_t<enemy_t*>& enemies = *g_enemy_list;
    object_t* best = nullptr;
    uint32_t best_distance = std::numeric_limits<uint32_t>::max();
    for (uint32_t i = enemies.first, end = std::min(enemies.end, enemies.size()); i < end; ++i) {
        enemy_t* candidate = enemies[i];
        const float* p = candidate->position();
        if (!on_screen(p) || !candidate->alive || candidate->max_hp() <= 0) {
            continue;
        }
        // Differences truncated first; the square is a 32-bit unsigned sum, ties keep the earlier enemy.
        const uint32_t dx = uint32_t(int32_t(p[0] - x));
        const uint32_t dy = uint32_t(int32_t(p[1] - y));
        const uint32_t distance = dx * dx + dy * dy;
        if (distance < best_distance) {
            best = candidate;
            best_distance = distance;
        }
    }
    return best;
}
