#include "play/play_frame_standin.h"

#include "base/bootlog.h"
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/hitmark.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/objectinfo.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "play/collision.h"
#include "play/each_alive.h"
#include "play/scroll.h"
#include "player/ship.h"

namespace {

void update_object(object_t& object) {
    object.update();
}

} // namespace

play_frame_standin_t::play_frame_standin_t() : play_scene_t(nullptr, nullptr, nullptr) {}

play_frame_standin_t::~play_frame_standin_t() {
    stage.clear();
}

bool play_frame_standin_t::startup(const std::string& objectinfo_path, int32_t level, uint32_t seed) {
    rng::srand(seed);
    g_level = level;
    if (!objectinfo_load(objectinfo_path, level)) {
        bootlog_error("オブジェクト情報(objectinfo_t)テーブルのロードに失敗しました");
        return false;
    }
    return true;
}

int32_t play_frame_standin_t::run_event(int32_t type, int32_t param) {
    events.emplace_back(type, param);
    return 0;
}

void play_frame_standin_t::update() {
    if (ship != nullptr) {
        ship->update();
    }
    each_alive(player_shots, update_object);
    for (int list = 0; list < 3; ++list) {
        each_alive_in_window(stage.enemies[list], update_object);
    }
    each_alive_in_window(stage.enemy_shots, update_object);
    each_alive(stage.shot_pool, update_object);
    each_alive_in_window(stage.explosions, update_object);
    each_alive(stage.spark_pool, update_object);
    each_alive(stage.items, update_object);
    hitmark_update_all();
}

void play_frame_standin_t::collide() {
    collide_enemies_player_shots(stage.enemies[0], player_shots);
    if (ship != nullptr) {
        collide_ship_window(*ship, stage.enemy_shots);
        collide_ship_list(*ship, stage.shot_pool);
        collide_ship_enemies(*ship, stage.enemies[0]);
    }
}

void play_frame_standin_t::scroll_x(int32_t dx) {
    if (dx == 0) {
        return;
    }
    const auto move = [dx](object_t& object) { object.move_x(dx); };
    for (int list = 0; list < 3; ++list) {
        each_alive_in_window(stage.enemies[list], move);
    }
    each_alive_in_window(stage.explosions, move);
    each_alive(stage.spark_pool, move);
    each_alive_in_window(stage.enemy_shots, move);
    each_alive(stage.shot_pool, move);
    each_alive(stage.items, move);
    each_alive(player_shots, move);
}

void play_frame_standin_t::end_frame() {
    ++g_frame_counter;
}

void play_frame_standin_t::advance_windows(uint32_t from, uint32_t to) {
    advance_object_windows(stage, from, to);
    stage.events.advance_window(from, to);
}
