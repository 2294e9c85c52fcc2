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

bool overlap(const plat::rect_t& a, const plat::rect_t& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The ship against each alive object of [first, end), while the ship lives.
template <typename T> void collide_ship(ship_t& ship, array_t<T*>& list, uint32_t first, uint32_t end) {
    plat::rect_t ship_box;
    ship.get_rect(ship_box);
    const int32_t ship_damage = ship.contact_damage();
    for (uint32_t i = first; i < end && ship.alive; ++i) {
        T* other = list[i];
        if (!other->alive) {
            continue;
        }
        plat::rect_t box;
        other->get_rect(box);
        if (overlap(ship_box, box)) {
            const int32_t other_damage = other->contact_damage();
            other->damage(ship_damage);
            ship.damage(other_damage);
        }
    }
}

} // namespace

play_frame_standin_t::play_frame_standin_t() {
    g_play_scene = this;
}

play_frame_standin_t::~play_frame_standin_t() {
    stage.clear();
    g_play_scene = nullptr;
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
    array_t<enemy_t*>& enemies = stage.enemies[0];
    for (uint32_t i = enemies.first, end = enemies.end; i < end; ++i) {
        enemy_t* enemy = enemies[i];
        if (!enemy->alive) {
            continue;
        }
        plat::rect_t enemy_box;
        enemy->get_rect(enemy_box);
        const int32_t enemy_damage = enemy->contact_damage();
        for (object_t* shot : player_shots) {
            if (!shot->alive) {
                continue;
            }
            plat::rect_t shot_box;
            shot->get_rect(shot_box);
            if (overlap(enemy_box, shot_box)) {
                enemy->damage(shot->contact_damage());
                shot->damage(enemy_damage);
                if (!enemy->alive) {
                    break;
                }
            }
        }
    }
    if (ship != nullptr) {
        collide_ship(*ship, stage.enemy_shots, stage.enemy_shots.first, stage.enemy_shots.end);
        collide_ship(*ship, stage.shot_pool, 0, stage.shot_pool.size());
        collide_ship(*ship, enemies, enemies.first, enemies.end);
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
    for (int list = 0; list < 3; ++list) {
        stage.enemies[list].advance_window(from, to);
    }
    stage.enemy_shots.advance_window(from, to);
    stage.explosions.advance_window(from, to);
    stage.events.advance_window(from, to);
}
