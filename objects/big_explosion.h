// Sets of explosions started together at offsets from their holder: the composite death explosion.
#pragma once

#include "objects/explosion.h"

#include <vector>

// Points to explosions that live in the stage's explosion list; owns none of them.
class mul_explosion_t {
  public:
    struct data_t {
        explosion_t* explosion;
        int32_t dx;
        int32_t dy;
    };

    void add(explosion_t* explosion, int32_t dx, int32_t dy) { entries.push_back({explosion, dx, dy}); }
    // Places and starts every entry that is not running, at (trunc(x) + dx, trunc(y) + dy).
    void start_at(float x, float y);
    // Starts the entry at next, at (trunc(x) + dx, trunc(y) + dy), and moves next on; null, with next kept,
    // while that entry still runs or there is none.
    explosion_t* start_next_at(float x, float y);

    std::vector<data_t> entries;
    int32_t next = 0; // the entry that a holder starting them one by one uses next
};

// Calls kill on every entry's explosion, in order.
void kill_all_in_list(mul_explosion_t& set);

// Never alive itself: starting it starts its parts, so every death of its owner can trigger it.
class big_explosion_t : public explosion_t {
  public:
    big_explosion_t(const objectinfo_t* info, uint32_t key);

    void start() override;
    void update() override {}

    mul_explosion_t parts;
};
