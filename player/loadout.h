// The four ship types' weapons: which weapon objects each firer gets for each shot type, how many, and
// how often it may fire them; and the factories that make a loadout's laser and missile objects.
#pragma once

#include "player/weapon_factories.h"

#include <cstdint>

// Kinds are parameter-record ids of the weapon objects; counts are pool sizes per firer (the ship or one
// multiple); intervals are frames between shots.
struct loadout_t {
    int32_t normal_kind;
    int32_t normal_count;
    int32_t normal_interval;
    int32_t missile_kind;
    int32_t second_missile_kind; // -1 none
    int32_t double_kind;
    int32_t double_count;
    int32_t double_interval;
    int32_t laser_kind;
    int32_t laser_count;
    int32_t laser_interval;
};

constexpr int32_t loadout_count = 4;
extern const loadout_t loadout_table[loadout_count];

// Makes count sets of one weapon kind; false when a required record is missing.
using weapon_factory_t = bool (*)(weapon_list_t& weapons, effect_list_t& effects, int32_t count);

// The factory of a loadout's laser kind or first missile kind; null for a kind no loadout uses.
weapon_factory_t laser_factory(int32_t kind);
weapon_factory_t missile_factory(int32_t kind);
