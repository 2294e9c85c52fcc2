// The collision passes between the update and the draw: rectangles of the objects that can hit each other,
// in fixed pairs of lists, and the objects' own damage operations deciding what a hit means.
#pragma once

#include "objects/enemy.h"
#include "platform/types.h"
#include "play/array.h"

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
// Each alive enemy of the window against every alive player shot, until the enemy dies.
template <typename Shots> void collide_enemies_player_shots(array_t<enemy_t*>& enemies, Shots& shots) {
    const uint32_t shot_count = uint32_t(shots.size());
    for (uint32_t i = enemies.first, end = enemies.end; i < end; ++i) {
        enemy_t* enemy = enemies[i];
        if (!enemy->alive) {
            continue;
        }
        plat::rect_t enemy_box;
        enemy->get_rect(enemy_box);
        const int32_t enemy_damage = enemy->contact_damage();
        for (uint32_t j = 0; j < shot_count && enemy->alive; ++j) {
            auto* shot = shots[j];
            if (!shot->alive) {
                continue;
            }
            plat::rect_t shot_box;
            shot->get_rect(shot_box);
            const int32_t shot_damage = shot->contact_damage();
            if (boxes_overlap(enemy_box, shot_box)) {
                enemy->damage(shot_damage);
                shot->damage(enemy_damage);
            }
        }
    }
}

// The six passes of a frame in their order; enemy list 0 is the only enemy list that collides.
void collide_all(stage_t& stage, player_t& player, array_t<player_missile_t*>& player_shots);
