#include "player/player.h"

#include "base/bootlog.h"
#include "base/strformat.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/objectinfo.h"
#include "objects/trig_tables.h"
#include "player/discharge.h"
#include "player/mulctr.h"
#include "player/multiple.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/ship.h"
#include "player/shipjet.h"
#include "player/smoke.h"

namespace {

enum record_id : int32_t {
    discharge_id = 45,
    jet_id = 49,
    shield_id = 48,
    ship_id = 44,
    death_explosion_id = 61,
    debris_id = 175,
    large_debris_id = 73,
};

constexpr int32_t trail_controller = 1;
constexpr int32_t formation_controller = 2;
constexpr uint32_t death_explosion_period = 3;

// Kinds and counts of the items a dying ship can leave, in pool order.
struct item_pool_t {
    int32_t kind;
    int32_t count;
};
constexpr item_pool_t item_pools[] = {{item_multiple, 16}, {item_speed, 8}, {item_missile, 8},
                                      {item_double, 8},    {item_laser, 8}, {item_capsule, 8}};

// The debris puffs, in the order a dying ship emits them; all fly backwards, around straight left.
constexpr int32_t debris_directions[16] = {34, 29, 30, 32, 26, 31, 34, 32, 28, 33, 30, 34, 32, 32, 29, 26};
constexpr int32_t straight_back = 32;

template <typename T> void kill_each(array_t<T*>& list) {
    for (uint32_t i = 0; i < list.size(); ++i) {
        list[i]->kill();
    }
}

template <typename T> void delete_each(array_t<T*>& list) {
    for (uint32_t i = 0; i < list.size(); ++i) {
        delete list[i];
    }
    list.clear();
}

template <typename T> void delete_each(std::vector<T*>& list) {
    for (T* object : list) {
        delete object;
    }
    list.clear();
}

template <typename T> void delete_one(T*& object) {
    delete object;
    object = nullptr;
}

} // namespace

player_t::player_t() {
    explosions.items.reserve(64);
    missiles.items.reserve(64);
    multiples.reserve(4);
    items.reserve(16);
}

player_t::~player_t() {
    destroy_all();
}

bool player_t::create(int32_t option_type) {
    if (ship != nullptr || (option_type != trail_controller && option_type != formation_controller)) {
        return false;
    }
    const objectinfo_t* discharge_info = objectinfo_find(discharge_id);
    const objectinfo_t* jet_info = objectinfo_find(jet_id);
    const objectinfo_t* shield_info = objectinfo_find(shield_id);
    const objectinfo_t* ship_info = objectinfo_find(ship_id);
    const objectinfo_t* death_info = objectinfo_find(death_explosion_id);
    const objectinfo_t* debris_info = objectinfo_find(debris_id);
    const objectinfo_t* large_debris_info = objectinfo_find(large_debris_id);
    for (const int32_t id :
         {discharge_id, jet_id, shield_id, ship_id, death_explosion_id, debris_id, large_debris_id}) {
        if (objectinfo_find(id) == nullptr) {
            bootlog_error(strformat("objectinfo.dat に ID %d のレコードがありません", id));
            return false;
        }
    }
    discharge = new discharge_t(discharge_info);
    jet = new shipjet_t(jet_info);
    shield = new shield_t(shield_info);
    ship = new ship_t(ship_info);
    if (option_type == trail_controller) {
        controller = new mulctr_freeze_t(ship, ship->multiples);
    } else {
        controller = new mulctr_spacing_t(ship, ship->multiples);
    }

    ship->controller = controller;
    ship->jet = jet;
    ship->shield = shield;
    shield->kill(); // the ship starts without one
    ship->discharge = discharge;
    discharge->kill();

    auto* death = new explosion_t(death_info, 0);
    explosions.push_back(death);
    death->period = death_explosion_period;
    ship->attach_explosion(death);

    for (const item_pool_t& pool : item_pools) {
        const objectinfo_t* info = objectinfo_find(pool.kind);
        if (info == nullptr) {
            continue;
        }
        for (int32_t i = 0; i < pool.count; ++i) {
            items.push_back(pool.kind == item_speed ? new speed_item_t(info) : new item_t(info));
        }
    }

    for (int32_t direction : debris_directions) {
        const bool back = direction == straight_back;
        auto* puff = new smoke_t(back ? large_debris_info : debris_info, 0);
        puff->speed = back ? 1.5f : 2.0f;
        puff->period = back ? 3 : 2;
        puff->direction = direction;
        puff->vx = puff->speed * cos_table[direction];
        puff->vy = -puff->speed * sin_table[direction];
        puff->kill();
        explosions.push_back(puff);
        ship->debris.push_back(puff);
    }
    return true;
}

void player_t::kill_missiles() {
    kill_each(missiles);
}

void player_t::kill_explosions() {
    kill_each(explosions);
}

void player_t::kill_items() {
    for (item_t* item : items) {
        item->kill();
    }
}

void player_t::destroy_all() {
    delete_each(items);
    delete_each(explosions);
    delete_each(missiles);
    delete_each(multiples);
    delete_one(ship);
    delete_one(jet);
    delete_one(shield);
    delete_one(discharge);
    delete_one(controller);
}
