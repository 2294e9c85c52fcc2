#include "tests/player/ship_play_standin.h"

#include "objects/enemy.h"
#include "objects/item.h"
#include "objects/objectinfo.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "player/discharge.h"
#include "player/multiple.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/ship.h"
#include "player/shipjet.h"

#include <algorithm>

namespace {

bool overlap(const plat::rect_t& a, const plat::rect_t& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

template <typename T> void update_alive(std::vector<T*>& objects) {
    for (T* object : objects) {
        if (object->alive) {
            object->update();
        }
    }
}

} // namespace

ship_play_standin_t::~ship_play_standin_t() {
    powergauge_destroy();
    player.destroy_all();
    scene.ship = nullptr;
    scene.player_shots.clear();
    g_player_ship = nullptr;
}

bool ship_play_standin_t::startup(const play_settings_t& settings) {
    g_lives = settings.lives;
    g_score = 0;
    if (!player.create(settings.option_type) ||
        !powergauge_setup(&player, settings.ship_type, settings.power_up, settings.power_down)) {
        return false;
    }
    ship = player.ship;
    powergauge_update(ship);
    powergauge_apply_bits(ship, settings.equipment, 2);
    scene.ship = ship;
    g_player_ship = ship;
    return true;
}

void ship_play_standin_t::start_stage() {
    player.kill_missiles();
    player.kill_explosions();
    player.kill_items();
    ship->start_stage();
    g_frame_counter = 0;
    scene.advance_windows(0, 0xFFFFFFFF);
}

void ship_play_standin_t::frame(uint8_t input) {
    powergauge_refresh_slots(ship);
    ship->input = input;
    weapon_list_t& weapons = powergauge::active_weapons;
    scene.player_shots.assign(weapons.items.begin(), weapons.items.end());
    scene.update(); // the ship, its weapons, then the stage's lists
    for (object_t* attachment : {static_cast<object_t*>(player.jet), static_cast<object_t*>(player.shield),
                                 static_cast<object_t*>(player.discharge)}) {
        if (attachment->alive) {
            attachment->update();
        }
    }
    update_alive(player.multiples);
    update_alive(player.explosions.items);
    update_alive(player.items);
    scene.collide();
    pick_up_items(player.items);
    pick_up_items(scene.stage.items);
    scene.end_frame();
}

void ship_play_standin_t::frames(uint8_t input, int count) {
    for (int i = 0; i < count; ++i) {
        frame(input);
    }
}

bool ship_play_standin_t::until_in_play(int limit) {
    for (int i = 0; i < limit && ship->state != ship_t::play; ++i) {
        frame(0);
    }
    return ship->state == ship_t::play;
}

void ship_play_standin_t::pick_up_items(std::vector<item_t*>& items) {
    for (item_t* item : items) {
        if (!ship->alive) {
            return;
        }
        plat::rect_t ship_box;
        plat::rect_t item_box;
        ship->get_rect(ship_box);
        if (!item->alive) {
            continue;
        }
        item->get_rect(item_box);
        bool applied = false;
        if (overlap(ship_box, item_box) && ship->apply_item(item->type_id(), item->score(), true, applied)) {
            item->kill();
        }
    }
}

enemy_t* ship_play_standin_t::add_enemy(float x, float y, object_t* carried) {
    auto* enemy = new enemy_t(objectinfo_find(200), x, y, 0);
    enemy->set_carried(carried);
    scene.stage.enemies[0].push_back(enemy);
    scene.advance_windows(0, 0xFFFFFFFF);
    return enemy;
}

item_t* ship_play_standin_t::add_item(int32_t kind, float x, float y, bool placed) {
    const objectinfo_t* info = objectinfo_find(kind);
    item_t* item = kind == 34 ? new speed_item_t(info) : new item_t(info);
    scene.stage.items.push_back(item);
    if (placed) {
        item->set_position(x, y);
        item->start();
    }
    return item;
}

int32_t ship_play_standin_t::count_events(int32_t type, int32_t param) const {
    return int32_t(std::count(scene.events.begin(), scene.events.end(), std::make_pair(type, param)));
}
