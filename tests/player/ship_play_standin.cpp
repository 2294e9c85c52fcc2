#include "tests/player/ship_play_standin.h"

#include "objects/enemy.h"
#include "objects/item.h"
#include "objects/objectinfo.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "play/collision.h"
#include "play/scroll.h"
#include "player/powergauge.h"
#include "player/ship.h"

#include <algorithm>

ship_play_standin_t::~ship_play_standin_t() {
    powergauge_destroy();
    player.destroy_all();
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
    g_player_ship = ship;
    return true;
}

void ship_play_standin_t::start_stage() {
    player.kill_missiles();
    player.kill_explosions();
    player.kill_items();
    ship->start_stage();
    g_frame_counter = 0;
    advance_object_windows(scene.stage, 0, 0xFFFFFFFF);
}

void ship_play_standin_t::frame(uint8_t input) {
    scene.input = input;
    scene.update();
    collide_all(scene.stage, player, powergauge::active_weapons);
    ++g_frame_counter;
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

enemy_t* ship_play_standin_t::add_enemy(float x, float y, object_t* carried) {
    auto* enemy = new enemy_t(objectinfo_find(200), x, y, 0);
    enemy->set_carried(carried);
    scene.stage.enemies[0].push_back(enemy);
    advance_object_windows(scene.stage, 0, 0xFFFFFFFF);
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
