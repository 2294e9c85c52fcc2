// Stand-in for a loaded stage's first enemy list, for the weapons that look for enemies: it owns its
// enemies, publishes the list while it exists and withdraws it at the end, as clearing the stage does.
#pragma once

#include "objects/enemy.h"
#include "play/array.h"

#include <cstdint>
#include <memory>
#include <vector>

class enemy_list_standin_t {
  public:
    enemy_list_standin_t();
    ~enemy_list_standin_t();
    enemy_list_standin_t(const enemy_list_standin_t&) = delete;
    enemy_list_standin_t& operator=(const enemy_list_standin_t&) = delete;

    // Appends an enemy of the record at (x, y) and opens the window over the whole list.
    enemy_t* add(const objectinfo_t* info, float x, float y);

    array_t<enemy_t*> list;

  private:
    std::vector<std::unique_ptr<enemy_t>> owned;
};
