// The collision passes between the update and the draw: rectangles of the objects that can hit each other,
// in fixed pairs of lists, and the objects' own damage operations deciding what a hit means.
#pragma once

#include "platform/types.h"
#include "play/array.h"

#include <vector>

class enemy_t;
class item_t;
class missile_t;
class object_t;
class player_missile_t;
class player_t;
class ship_t;
class stage_t;

// Strict: boxes that only touch do not overlap.
bool boxes_overlap(const plat::rect_t& a, const plat::rect_t& b);

// The ship picks up the alive items it touches, each by its record's box (never the class's own).
void collide_ship_items(ship_t& ship, std::vector<item_t*>& items);
// The ship against the alive objects of a window, or of a whole list: the other object takes the ship's
// contact damage first, then the ship the other's; nothing more once the ship is dead.
void collide_ship_window(ship_t& ship, array_t<missile_t*>& list);
void collide_ship_list(ship_t& ship, array_t<missile_t*>& list);
void collide_ship_enemies(ship_t& ship, array_t<enemy_t*>& list);
// Each alive enemy of the window against every alive player shot, until the enemy dies.
void collide_enemies_player_shots(array_t<enemy_t*>& enemies, array_t<player_missile_t*>& shots);

// The six passes of a frame in their order; enemy list 0 is the only enemy list that collides.
void collide_all(stage_t& stage, player_t& player, array_t<player_missile_t*>& player_shots);
