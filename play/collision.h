// The collision passes between the update and the draw: rectangles of the objects that can hit each other,
// in fixed pairs of lists, and the objects' own damage operations deciding what a hit means.
#pragma once

#include "objects/array.h"
#include "objects/enemy.h"
#include "platform/types.h"

#include <vector>

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
// `one`, with its box and contact damage taken once, against each alive object [first, end) of `others`
// while `one` lives. On an overlap the enemy side is damaged first: `one` when one_first, else the other.
template <typename List>
void collide_one(object_t& one, const plat::rect_t& box, int32_t damage, List& others, uint32_t first,
                 uint32_t end, bool one_first) {
    for (uint32_t i = first; i < end && one.alive; ++i) {
        auto* other = others[i];
        if (!other->alive) {
            continue;
        }
        plat::rect_t other_box;
        other->get_rect(other_box);
        if (!boxes_overlap(box, other_box)) {
            continue;
        }
        // Taken before either side is damaged, so that the first damage does not change the second.
        const int32_t other_damage = other->contact_damage();
        if (one_first) {
            one.damage(other_damage);
            other->damage(damage);
        } else {
            other->damage(damage);
            one.damage(other_damage);
        }
    }
}

// Each alive enemy of the window against every alive player shot, until the enemy dies.
template <typename Shots> void collide_enemies_player_shots(array_t<enemy_t*>& enemies, Shots& shots) {
    for (uint32_t i = enemies.first, end = enemies.end; i < end; ++i) {
        enemy_t* enemy = enemies[i];
        if (enemy->alive) {
            plat::rect_t box;
            enemy->get_rect(box);
            collide_one(*enemy, box, enemy->contact_damage(), shots, 0, uint32_t(shots.size()), true);
        }
    }
}

// The six passes of a frame in their order; enemy list 0 is the only enemy list that collides.
void collide_all(stage_t& stage, player_t& player, array_t<player_missile_t*>& player_shots);
