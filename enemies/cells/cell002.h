// Cell002's chains: a root that hangs seventeen parts on a curve and runs a wave down them, parts that
// decay beside a dead neighbour and then release a piece flying at the ship, and the pieces.
#pragma once

#include "objects/enemy.h"

#include <cstdint>

namespace cell002 {

class piece_t;
class root_t;

// Its root places it every frame.
class part_t : public enemy_skipper_t {
  public:
    using enemy_skipper_t::enemy_skipper_t;

    void update() override;
    void damage(int32_t n) override;
    bool is_flashing() override;
    virtual void mark_hit() {}

    root_t* root = nullptr;
    part_t* prev = nullptr;
    part_t* next = nullptr;
    piece_t* piece = nullptr;
};

class root_t : public part_t {
  public:
    struct point_t {
        float x;
        float y;
    };

    root_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    void damage(int32_t) override {}
    bool is_flashing() override { return hit != 0; }
    void mark_hit() override { hit = 1; }

    uint8_t hit = 0;
    point_t points[3] = {}; // the root, the control point, the chain's end
    int32_t wave_direction = 0;
    uint32_t timer = 0;

  private:
    void wave();
};

class piece_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t n) override;
    int32_t contact_damage() override { return loose ? 0 : info->contact_damage; }

    uint8_t loose = 0;
    int32_t direction = 0;
    uint32_t timer = 0;
};

} // namespace cell002
