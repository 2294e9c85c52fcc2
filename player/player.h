// The player's side of a play: the ship with its attachments and formation controller, the player's
// explosions and weapon objects, the four multiples and the items a dying ship leaves. Filled once per
// play; nothing is made during play, objects are revived in place.
#pragma once

#include "player/weapon_factories.h"

#include <cstdint>
#include <vector>

class discharge_t;
class item_t;
class mulctr_t;
class multiple_t;
class shield_t;
class ship_t;
class shipjet_t;

class player_t {
  public:
    player_t();
    ~player_t();
    player_t(const player_t&) = delete;
    player_t& operator=(const player_t&) = delete;

    // Builds the ship for option type 1 (trail) or 2 (formation); false, with nothing made, for another
    // option type or when a required parameter record is missing.
    bool create(int32_t option_type);
    // At every stage load, so nothing of the previous stage stays alive.
    void kill_missiles();
    void kill_explosions();
    void kill_items();
    void destroy_all();

    ship_t* ship = nullptr;
    shipjet_t* jet = nullptr;
    shield_t* shield = nullptr;
    discharge_t* discharge = nullptr;
    mulctr_t* controller = nullptr;
    effect_list_t explosions; // the ship's death explosion and debris, the weapons' hit effects
    weapon_list_t missiles;   // every weapon object
    std::vector<multiple_t*> multiples;
    std::vector<item_t*> items;
};
