#include "play/stage.h"

#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/stage_pointers.h"
#include "objects/star.h"

array_t<enemy_t*>* g_enemy_list = nullptr;
array_t<missile_t*>* g_shot_pool = nullptr;
array_t<explosion_t*>* g_spark_pool = nullptr;

namespace {

template <typename T> void delete_all(std::vector<T*>& objects) {
    for (T* object : objects) {
        delete object;
    }
    objects.clear();
}

template <typename T> void delete_all(array_t<T*>& list) {
    delete_all(list.items);
    list.clear();
}

} // namespace

stage_t::stage_t() {
    items.reserve(32);
    enemies[0].items.reserve(4096);
    enemies[1].items.reserve(256);
    enemies[2].items.reserve(64);
    enemies[3].items.reserve(256);
    events.items.reserve(32);
    enemy_shots.items.reserve(6144);
    shot_pool.items.reserve(128);
    explosions.items.reserve(6144);
    spark_pool.items.reserve(256);
    stars.reserve(64);
}

void stage_t::clear() {
    delete_all(spark_pool);
    delete_all(stars);
    delete_all(items);
    delete_all(enemies[0]);
    delete_all(enemies[1]);
    delete_all(enemies[2]);
    delete_all(unlisted);
    delete_all(unlisted_objects);
    delete_all(explosions);
    delete_all(enemy_shots);
    delete_all(shot_pool);
    events.clear();
    g_enemy_list = nullptr;
    g_shot_pool = nullptr;
    g_spark_pool = nullptr;
}

array_t<enemy_t*>& stage_t::enemy_list(int32_t list_index) {
    return list_index >= 0 && list_index <= 2 ? enemies[list_index] : unlisted;
}

void stage_t::share_lists() {
    g_enemy_list = &enemies[0];
    g_shot_pool = &shot_pool;
    g_spark_pool = &spark_pool;
}
