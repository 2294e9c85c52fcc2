#include "player/loadout.h"

namespace {

struct kind_factory_t {
    int32_t kind;
    weapon_factory_t make;
};

const kind_factory_t laser_factories[] = {
    {12, make_long_laser},
    {14, make_ripple_lasers},
    {15, make_power_shots},
    {16, make_ion_blasts},
};

const kind_factory_t missile_factories[] = {
    {5, make_snake_missiles},
    {7, make_drip_missiles},
    {9, make_homing_missiles},
    {11, make_vertical_missiles},
};

template <size_t n> weapon_factory_t find_factory(const kind_factory_t (&table)[n], int32_t kind) {
    for (const kind_factory_t& entry : table) {
        if (entry.kind == kind) {
            return entry.make;
        }
    }
    return nullptr;
}

} // namespace

const loadout_t loadout_table[loadout_count] = {
    {1, 3, 4, 5, 4, 2, 3, 6, 12, 1, 0},    // snake pair, long laser
    {1, 3, 4, 7, 6, 2, 3, 6, 14, 3, 4},    // drip pair, ripple laser
    {1, 3, 4, 9, 8, 2, 3, 6, 15, 3, 4},    // homing pair, power shot
    {1, 3, 4, 11, -1, 2, 3, 6, 16, 12, 3}, // vertical missile, ion blast
};

weapon_factory_t laser_factory(int32_t kind) {
    return find_factory(laser_factories, kind);
}

weapon_factory_t missile_factory(int32_t kind) {
    return find_factory(missile_factories, kind);
}
