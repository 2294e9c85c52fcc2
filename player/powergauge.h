// The player's equipment: the ship-type loadouts, the assignment of the pooled weapon objects to the
// ship and its multiples, the power-up gauge of the CAPSULE mode, the power-down on death, and the list
// of active weapons that the play scene updates, draws and collides. One play at a time.
#pragma once

#include "player/player_piveter.h"

#include <cstdint>
#include <memory>

class item_t;
class multiple_t;
class player_t;
class ship_t;

// The weapon bit set of the starting equipment; shot and missile types use the same values.
constexpr int32_t weapon_normal = 1;
constexpr int32_t weapon_missile = 2;
constexpr int32_t weapon_double = 4;
constexpr int32_t weapon_laser = 8;
constexpr int32_t weapon_multiples = 16;
constexpr int32_t weapon_shield = 32;

// Item kinds the ship applies (the parameter-record ids of the items).
constexpr int32_t item_speed = 34; // a speed item before it chose up or down
constexpr int32_t item_speed_up = 35;
constexpr int32_t item_speed_down = 36;
constexpr int32_t item_missile = 37;
constexpr int32_t item_double = 38;
constexpr int32_t item_laser = 39;
constexpr int32_t item_multiple = 40;
constexpr int32_t item_shield = 41;
constexpr int32_t item_capsule = 42;

// The power-up gauge: the slot under the cursor (0 none, 1..6) is activated by the power-up key.
struct gauge_t {
    int32_t cursor = 0;
    int32_t available[7] = {}; // indexed by cursor; entry 0 unused
    uint32_t blink = 0;        // 0..255; slot 1 speeds up below 128, slows down above
};

namespace powergauge {
extern player_t* current_player;
extern int32_t loadout;                // ship type 0..3
extern int32_t power_down_mode;        // 0 LOSE ALL, any other LEAVE ITEMS
extern int32_t shot_type;              // 0 none, or weapon_normal, weapon_double, weapon_laser
extern int32_t missile_type;           // 0 none, or weapon_missile
extern std::unique_ptr<gauge_t> gauge; // only in the CAPSULE power-up mode
// Every weapon object with an owner, in the order of the player's weapon list.
extern weapon_list_t active_weapons;
} // namespace powergauge

// Play start: makes the weapon objects of the loadout (0..3) and the four multiples in the player's
// containers; use_gauge 1 is the CAPSULE mode. False for another loadout or when a factory fails.
bool powergauge_setup(player_t* player, int32_t loadout, int32_t use_gauge, int32_t power_down);
// Play teardown: the gauge goes, and with it every reference to the play's weapons.
void powergauge_destroy();

// Lends p the free weapon objects of shot type t (1, 4 or 8); false when not enough were free.
bool powergauge_assign_shots(player_piveter_t* p, int32_t t);
// Lends p the loadout's missile (pair) for t = 2.
bool powergauge_assign_missiles(player_piveter_t* p, int32_t t);
void powergauge_release_shots(player_piveter_t* p);
void powergauge_release_missiles(player_piveter_t* p);
void powergauge_release_all_shots(ship_t* ship);
void powergauge_release_all_missiles(ship_t* ship);
// False when t is already the shot type, or when a firer could not be armed (the type is then 0).
bool powergauge_set_shot(ship_t* ship, int32_t t);
bool powergauge_set_missile(ship_t* ship, int32_t t);
multiple_t* powergauge_find_multiple();
// Attaches the next idle multiple, armed like the ship; false when none is left or it is refused.
bool powergauge_add_option(ship_t* ship);
bool powergauge_give_shield(ship_t* ship);
void powergauge_remove_shield(ship_t* ship);
void powergauge_remove_options(ship_t* ship);
// Refused while the ship is dying.
bool powergauge_speed_up(ship_t* ship);
bool powergauge_speed_down(ship_t* ship);

// Whether bits hold exactly one shot kind.
bool powergauge_valid_bits(int32_t bits);
// Equips a bit set: shield, up to min(n, 4) multiples, the shot, the missile; false for an invalid set
// or when the shield or a type could not be set.
bool powergauge_apply_bits(ship_t* ship, int32_t bits, int32_t n);
bool powergauge_full_power(ship_t* ship);
// The next valid set in 1..58 in the step's direction; values outside 1..58 come back unchanged.
int32_t powergauge_step_equipment(int32_t v, int32_t step);

// The power-up key: applies the slot under the cursor when it is available.
bool powergauge_activate(ship_t* ship);
// A capsule was picked up: the cursor moves on, from 6 back to 1.
void powergauge_advance();
// Once per frame: which slots can be taken, and the speed slot's blink.
void powergauge_refresh_slots(ship_t* ship);
item_t* powergauge_find_item(int32_t kind);
// The power-down on death (and before the starting equipment): items as the mode says, then the ship
// is stripped of shots, missiles, multiples and shield.
void powergauge_update(ship_t* ship);
