// Worm007: a spinning core with four jointed arms at right angles, an eye over it and a light that comes on
// once an arm breaks; it hunts the ship, aims its arms and hands at it, then brakes and leaves left.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace worm007 {

class core_t;

// An arm segment: a destroyed neighbour breaks it four frames later; it flashes with the core.
class arm_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void kill() override;
    void damage(int32_t n) override;
    bool is_flashing() override;
    // Every segment after this one held within three steps of the one before it.
    void clamp_chain();

    core_t* core = nullptr;
    arm_t* prev = nullptr; // toward the core
    arm_t* next = nullptr; // toward the hand
    int32_t index = 0;     // which arm, 1..4
    int32_t direction = 0; // unbounded; drawn as direction & 63
    uint32_t death_delay = 0;
};

class hand_t : public arm_t {
  public:
    hand_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void fire(float speed);

    std::vector<missile_t*> shots; // in the stage's enemy-shot list
};

class eye_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t) override {}
    void on_core_hit();
    void on_arm_destroyed();

    int32_t blink = 0;
    int32_t state = 0;
    uint32_t timer = 0;
};

class light_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t) override {}
};

class core_t : public enemy_t {
  public:
    struct arm_record_t {
        arm_t* first = nullptr;
        arm_t* hand = nullptr;
        int32_t recoil = 0; // frames it still turns away
        float reach = 0;    // half the spacing of its segments
    };

    using enemy_t::enemy_t;

    void update() override;
    void move_x(int32_t) override {}
    void damage(int32_t n) override;
    // Stores each arm's first segment and hand and gives every segment the core; a null arm stays empty.
    void attach_arms(arm_t* a1, arm_t* a2, arm_t* a3, arm_t* a4);
    void on_arm_destroyed(arm_t* segment);
    void on_arm_hit(arm_t* segment);
    // Each arm's segments placed from the core by the angle, their directions and the arm's reach.
    void place_arms();
    // Per arm, the first segment (from the core outward) that must turn two steps or more toward the
    // ship (away from it while the arm recoils) turns one, within three of its base.
    void aim_arms(int32_t r);

    eye_t* eye = nullptr;
    light_t* light = nullptr;
    std::array<arm_record_t, 4> arms;
    int32_t angle = 0; // degrees, unbounded
    int32_t spin = 0;
    int32_t heading = 0;
    uint32_t window = 0x20000; // stage-position units of hunting
    uint8_t forward = 1;
    float speed = 0;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    void reset_arms();
    int32_t rotate();
    void move_toward_ship(float by);
    void update_reach();
};

} // namespace worm007
