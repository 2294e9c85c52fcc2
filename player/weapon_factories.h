// The weapon factories: run once per play, each makes count sets of dormant weapon objects with their
// hit effects (one set each for the ship and the four multiples). Weapons go to the player's weapon list,
// effects to its explosion list, multiples to its multiple list; the player owns them all. A factory
// whose required parameter record is missing makes nothing and returns false.
#pragma once

#include "objects/array.h"
#include "player/player_piveter.h"

#include <cstdint>
#include <vector>

class explosion_t;
class multiple_t;

using effect_list_t = array_t<explosion_t*>;

bool make_shot_pool(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_double_shots(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_snake_missiles(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_drip_missiles(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_homing_missiles(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_vertical_missiles(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_long_laser(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_ripple_lasers(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_power_shots(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_ion_blasts(weapon_list_t& weapons, effect_list_t& effects, int32_t count);
bool make_multiples(std::vector<multiple_t*>& multiples, int32_t count);
