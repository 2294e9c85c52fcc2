// Every game object of the current stage, in the lists the play scene updates, scrolls, collides and
// draws; the stage owns them all and deletes them when the stage is cleared.
#pragma once

#include "objects/array.h"
#include "play/eventinfo.h"

#include <cstdint>
#include <vector>

class enemy_t;
class explosion_t;
class item_t;
class missile_t;
class star_t;

using event_array_t = array_t<eventinfo_t>;

class stage_t {
  public:
    stage_t();
    stage_t(const stage_t&) = delete;
    stage_t& operator=(const stage_t&) = delete;

    // Deletes every object, empties the lists and withdraws the shared stage pointers.
    void clear();

    // The enemy list of a record's list index; any other index gets a list that is never updated, drawn
    // or collided, whose objects are still deleted with the stage.
    array_t<enemy_t*>& enemy_list(int32_t list_index);

    // Made after the placements: 80 common shots, 128 sparks, the star field.
    void create_missile_pool(int32_t count, int32_t loop);
    void create_spark_pool(int32_t count);
    void create_star_field();
    // Publishes enemy list 0 and the two pools to the fire helpers and enemies: the last step of a load.
    void share_lists();

    int32_t item_mode = 0; // 0 items, 1 capsules
    std::vector<item_t*> items;
    array_t<enemy_t*> enemies[4]; // list 3 is never filled, updated, drawn or cleared
    event_array_t events;
    array_t<missile_t*> enemy_shots;
    array_t<missile_t*> shot_pool; // used whole
    array_t<explosion_t*> explosions;
    array_t<explosion_t*> spark_pool; // used whole
    std::vector<star_t*> stars;
    array_t<enemy_t*> unlisted; // enemies whose record names no enemy list
};
