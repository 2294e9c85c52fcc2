// Worm003: eight parts with fixed patterns whose head chases the ship; it keeps its screen place while
// the stage scrolls sideways.
#pragma once

#include "objects/enemy.h"
#include "player/poslog.h"

#include <cstdint>

namespace worm003 {

class head_t;

class part_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void move_x(int32_t) override {}

    part_t* front = nullptr;
    part_t* back = nullptr;
};

class head_t : public part_t {
  public:
    head_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void damage(int32_t n) override;

    int32_t dir = 0;
    poslog_t trail;
    int32_t clock = 0;
};

class body_t : public part_t {
  public:
    using part_t::part_t;

    // Explodes 3 frames after the part in front died.
    void update() override;
    // Hits go to the head while it lives; the body never loses hit points.
    void damage(int32_t n) override {
        if (head != nullptr && head->alive) {
            head->damage(n);
        }
    }
    bool is_flashing() override { return head != nullptr && head->is_flashing(); }

    head_t* head = nullptr;
    int32_t death_count = 0;
};

} // namespace worm003
