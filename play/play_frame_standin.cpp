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
#include "play/scroll.h"
#include "player/ship.h"

namespace {

template <typename T> void update_window(array_t<T*>& list) {
    for (uint32_t i = list.first, end = list.end; i < end; ++i) {
        if (list[i]->alive) {
            list[i]->update();
        }
    }
}

template <typename T> void update_whole(std::vector<T*>& objects) {
    for (T* object : objects) {
        if (object->alive) {
            object->update();
        }
    }
}

template <typename T> void scroll_window(array_t<T*>& list, int32_t dx) {
    for (uint32_t i = list.first, end = list.end; i < end; ++i) {
        if (list[i]->alive) {
            list[i]->move_x(dx);
        }
    }
}

template <typename T> void scroll_whole(std::vector<T*>& objects, int32_t dx) {
    for (T* object : objects) {
        if (object->alive) {
            object->move_x(dx);
        }
    }
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
    for (object_t* shot : player_shots) {
        if (shot->alive) {
            shot->update();
        }
    }
    for (int list = 0; list < 3; ++list) {
        update_window(stage.enemies[list]);
    }
    update_window(stage.enemy_shots);
    update_whole(stage.shot_pool.items);
    update_window(stage.explosions);
    update_whole(stage.spark_pool.items);
    update_whole(stage.items);
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
    for (int list = 0; list < 3; ++list) {
        scroll_window(stage.enemies[list], dx);
    }
    scroll_window(stage.explosions, dx);
    scroll_whole(stage.spark_pool.items, dx);
    scroll_window(stage.enemy_shots, dx);
    scroll_whole(stage.shot_pool.items, dx);
    scroll_whole(stage.items, dx);
    scroll_whole(player_shots, dx);
}

void play_frame_standin_t::end_frame() {
    ++g_frame_counter;
}

void play_frame_standin_t::advance_windows(uint32_t from, uint32_t to) {
    advance_object_windows(stage, from, to);
    stage.events.advance_window(from, to);
}
