// What an enemy or boss does after its hp went down: the hit sound, and on death its sounds and the
// revenge bullet that higher levels fire from where it died.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <initializer_list>
#include <limits>

namespace enemy_damage {

constexpr int32_t no_revenge = std::numeric_limits<int32_t>::max();

// Nothing while e lives; once dead, each death sound, then from revenge_level on a bullet aimed at the
// player.
void death_tail(enemy_t& e, std::initializer_list<int32_t> death_sounds, int32_t revenge_level = no_revenge);

// After enemy_t::damage(n): se_hit when damage landed, then the death tail.
void damage_tail(enemy_t& e, int32_t n, int32_t se_hit, std::initializer_list<int32_t> death_sounds,
                 int32_t revenge_level = no_revenge);

} // namespace enemy_damage
