// Worm005: a vulnerable head that homes for one section, fires when lined up with the ship and bursts
// into a ring of missiles when it dies; its twelve armoured segments follow its history.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"
#include "player/poslog.h"

#include <cstdint>
#include <vector>

namespace worm005 {

class worm_missile_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
};

class part_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    part_t* front = nullptr;
    part_t* back = nullptr;
};

class head_t : public part_t {
  public:
    head_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    void damage(int32_t n) override;
    void fire();
    // The ring of missiles its death sends out from level 2 on.
    void burst();

    int32_t dir = 0;
    poslog_t trail;
    std::vector<worm_missile_t*> burst_missiles; // in the stage's enemy-shot list
    std::vector<missile_t*> shots;
    uint32_t clock = 0;
};

// An armoured segment: moved only by its head, never hurt.
class tail_t : public part_t {
  public:
    using part_t::part_t;

    void update() override {}
    void damage(int32_t) override {}
};

} // namespace worm005
