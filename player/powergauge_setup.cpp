// The equipment module's state, and the making of a play's weapon objects.
#include "player/loadout.h"
#include "player/player.h"
#include "player/powergauge.h"

#include <new>

namespace powergauge {
player_t* current_player = nullptr;
int32_t loadout = 0;
int32_t power_down_mode = 0;
int32_t shot_type = 0;
int32_t missile_type = 0;
std::unique_ptr<gauge_t> gauge;
weapon_list_t active_weapons;
} // namespace powergauge

using namespace powergauge;

namespace {

constexpr int32_t multiple_count = 4;
constexpr int32_t firer_count = 5; // the ship and four multiples
constexpr int32_t active_weapons_reserve = 256;
constexpr int32_t capsule_mode = 1;

bool make_weapons(player_t* player, const loadout_t& row) {
    weapon_list_t& weapons = player->missiles;
    effect_list_t& effects = player->explosions;
    const weapon_factory_t make_laser = laser_factory(row.laser_kind);
    const weapon_factory_t make_missiles = missile_factory(row.missile_kind);
    return make_multiples(player->multiples, multiple_count) &&
           make_shot_pool(weapons, effects, row.normal_count * firer_count) &&
           make_double_shots(weapons, effects, row.double_count * firer_count) && make_laser != nullptr &&
           make_laser(weapons, effects, row.laser_count * firer_count) && make_missiles != nullptr &&
           make_missiles(weapons, effects, firer_count);
}

} // namespace

bool powergauge_setup(player_t* player, int32_t ship_type, int32_t use_gauge, int32_t power_down) {
    if (ship_type < 0 || ship_type >= loadout_count) {
        return false;
    }
    // A gauge left by an earlier play must not carry its cursor into this one.
    gauge.reset();
    if (use_gauge == capsule_mode) {
        gauge.reset(new (std::nothrow) gauge_t{});
        if (gauge == nullptr) {
            return false;
        }
    }
    shot_type = 0;
    missile_type = 0;
    power_down_mode = power_down;
    loadout = ship_type;
    current_player = player;
    active_weapons.clear();
    active_weapons.items.reserve(active_weapons_reserve);
    return make_weapons(player, loadout_table[ship_type]);
}

void powergauge_destroy() {
    gauge.reset();
    // The player deletes its weapons next; nothing may keep pointing at them.
    active_weapons.clear();
    current_player = nullptr;
}
