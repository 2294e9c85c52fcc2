#include "play/collision.h"

#include "objects/coordinate.h"
#include "objects/enemy.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "play/stage.h"
#include "player/player.h"
#include "player/player_missile.h"
#include "player/ship.h"

namespace {

// The default box of an object's record, whatever its class would answer.
plat::rect_t record_box(const object_t& object) {
    const int32_t w = object.info->width;
    const int32_t h = object.info->height;
    const int32_t left = pixel_coordinate(object.x - float(w >> 1));
    const int32_t top = pixel_coordinate(object.y - float(h >> 1));
    return {left, top, left + w, top + h};
}

// The ship against the elements [first, end) of list; the ship's box and damage are taken once.
template <typename T> void collide_ship_range(ship_t& ship, array_t<T*>& list, uint32_t first, uint32_t end) {
    plat::rect_t box;
    ship.get_rect(box);
    collide_one(ship, box, ship.contact_damage(), list, first, end, false);
}

} // namespace

bool boxes_overlap(const plat::rect_t& a, const plat::rect_t& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void collide_ship_items(ship_t& ship, std::vector<item_t*>& items) {
    plat::rect_t ship_box;
    ship.get_rect(ship_box);
    for (size_t i = 0, n = items.size(); i < n && ship.alive; ++i) {
        item_t* item = items[i];
        if (item->alive && boxes_overlap(ship_box, record_box(*item))) {
            bool applied = false;
            if (ship.apply_item(item->type_id(), item->score(), true, applied)) {
                item->kill();
            }
        }
    }
}

void collide_ship_window(ship_t& ship, array_t<missile_t*>& list) {
    collide_ship_range(ship, list, list.first, list.end);
}

void collide_ship_list(ship_t& ship, array_t<missile_t*>& list) {
    collide_ship_range(ship, list, 0, list.size());
}

void collide_ship_enemies(ship_t& ship, array_t<enemy_t*>& list) {
    collide_ship_range(ship, list, list.first, list.end);
}

void collide_all(stage_t& stage, player_t& player, array_t<player_missile_t*>& player_shots) {
    ship_t* ship = player.ship;
    if (ship != nullptr) {
        collide_ship_items(*ship, stage.items);
        collide_ship_items(*ship, player.items);
    }
    collide_enemies_player_shots(stage.enemies[0], player_shots);
    if (ship != nullptr) {
        collide_ship_window(*ship, stage.enemy_shots);
        collide_ship_list(*ship, stage.shot_pool);
        collide_ship_enemies(*ship, stage.enemies[0]);
    }
}
