// The common base of the ship and the multiples: it fires the shots and missiles the equipper lends it.
#pragma once

#include "objects/array.h"
#include "objects/object.h"

#include <cstdint>

class player_missile_t;

using weapon_list_t = array_t<player_missile_t*>;

class player_piveter_t : public piveter_t {
  public:
    explicit player_piveter_t(const objectinfo_t* info);

    // One shot at the truncated position once fire_interval frames have passed since the last one.
    void fire_shot();
    // A single missile whenever it is idle; a pair only when both are.
    void fire_missile();

    weapon_list_t shot_pool;    // owned by the player's weapon list
    weapon_list_t missile_pool; // none, one, or an upper and lower pair
    uint32_t last_fire = 0;     // frame of the last shot
    uint32_t fire_interval = 0;
};
