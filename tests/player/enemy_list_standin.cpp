#include "tests/player/enemy_list_standin.h"

#include "play/stage_pointers.h"

enemy_list_standin_t::enemy_list_standin_t() {
    g_enemy_list = &list;
}

enemy_list_standin_t::~enemy_list_standin_t() {
    g_enemy_list = nullptr;
}

enemy_t* enemy_list_standin_t::add(const objectinfo_t* info, float x, float y) {
    owned.push_back(std::make_unique<enemy_t>(info, x, y, 0));
    list.push_back(owned.back().get());
    list.first = 0;
    list.end = list.size();
    return owned.back().get();
}
