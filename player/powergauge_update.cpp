// The power-down when the ship dies: what it leaves behind in each mode, and what it loses.
#include "objects/item.h"
#include "player/multiple.h"
#include "player/player.h"
#include "player/powergauge.h"
#include "player/ship.h"

using namespace powergauge;

namespace {

constexpr int32_t lose_all_mode = 0; // any other mode leaves items
constexpr int32_t capsules_left = 5;
constexpr int32_t first_capsule_direction = 56;
constexpr int32_t capsule_spread = 4;
constexpr float capsule_speed = 3.5f;
constexpr float weapon_item_speed = 3.0f;
constexpr int32_t missile_item_direction = 6;
constexpr int32_t shot_item_direction = 58;
constexpr float speed_item_speed = 2.8f;

// Throws an idle item of the kind; false when none is idle.
bool throw_item(int32_t kind, const float* from, int32_t direction, float speed) {
    item_t* item = powergauge_find_item(kind);
    if (item == nullptr) {
        return false;
    }
    item->release(from, direction, speed);
    return true;
}

void rewind_cursor() {
    if (gauge != nullptr && gauge->cursor != 0) {
        gauge->cursor = 1;
        gauge->blink = 0;
    }
}

void leave_items_behind(ship_t* ship) {
    const float* at = ship->position();
    if (gauge == nullptr) {
        if (missile_type == weapon_missile) {
            throw_item(item_missile, at, missile_item_direction, weapon_item_speed);
        }
        if (shot_type == weapon_laser) {
            throw_item(item_laser, at, shot_item_direction, weapon_item_speed);
        } else if (shot_type == weapon_double) {
            throw_item(item_double, at, shot_item_direction, weapon_item_speed);
        }
        throw_item(item_speed, at, 0, speed_item_speed);
    } else {
        rewind_cursor();
        int32_t direction = first_capsule_direction;
        for (int32_t i = 0; i < capsules_left; ++i) {
            if (throw_item(item_capsule, at, direction, capsule_speed)) {
                direction = (direction + capsule_spread) & 63;
            }
        }
    }
    for (multiple_t* m : ship->multiples) {
        if (item_t* item = powergauge_find_item(item_multiple)) {
            item->release(m->position(), 0, 0.0f);
            item->pattern = m->pattern;
        }
    }
}

void lose_all(ship_t* ship) {
    rewind_cursor();
    for (multiple_t* m : ship->multiples) {
        if (item_t* item = powergauge_find_item(item_multiple)) {
            item->set_position(m->x, m->y);
            item->pattern = m->pattern;
            item->start();
        }
    }
}

} // namespace

item_t* powergauge_find_item(int32_t kind) {
    if (current_player == nullptr) {
        return nullptr;
    }
    for (item_t* item : current_player->items) {
        if (item->type_id() == kind && !item->alive) {
            return item;
        }
    }
    return nullptr;
}

void powergauge_update(ship_t* ship) {
    if (power_down_mode != lose_all_mode) {
        leave_items_behind(ship);
    } else {
        lose_all(ship);
    }
    powergauge_release_all_shots(ship);
    powergauge_release_all_missiles(ship);
    powergauge_remove_options(ship);
    powergauge_remove_shield(ship);
}
