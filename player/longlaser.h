// The long laser: a chain of sixteen pieces, emitted one behind the other while the key is held, and the
// controller a firer claims to emit them.
#pragma once

#include "player/player_missile.h"

class longlaser_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    // 10 pixels ahead, level with the firer; does nothing without one.
    void update() override;
    // The piece behind becomes the front tip.
    void kill() override;
    // The cut rule: the foremost thin piece dies alone, a robust one takes every piece in front with it.
    void damage(int32_t n) override;
    void check_bg_hit() override;

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

    // Emits the next piece; the controller itself never becomes alive.
    void start() override;
    void update() override {}
    void damage(int32_t) override {}
    // Kills the whole chain.
    void kill() override;
    void set_owner(object_t* object) override;

    longlaser_t* head = nullptr;
    longlaser_t* tail = nullptr;
    longlaser_t* next_segment = nullptr; // null while the whole chain is in flight

  private:
    void emit(longlaser_t* piece, float at_x, float at_y, int32_t piece_pattern);
};
