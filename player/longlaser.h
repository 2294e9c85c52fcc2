// The long laser: a chain of sixteen pieces, emitted one behind the other while the key is held, and the
// controller a firer claims to emit them.
#pragma once

#include "player/player_missile.h"

class longlaser_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    uint8_t fragile = 0;         // the pieces behind the first four pass through what they touch
    longlaser_t* prev = nullptr; // the piece emitted before this one, further forward
    longlaser_t* next = nullptr; // the piece emitted after it
};

class longlaser_head_t : public longlaser_t {
  public:
    using longlaser_t::longlaser_t;
};

class longlaser_ctr_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    longlaser_t* head = nullptr;
    longlaser_t* tail = nullptr;
    longlaser_t* next_segment = nullptr; // null while the whole chain is in flight
};
