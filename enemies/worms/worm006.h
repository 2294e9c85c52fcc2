// Worm006: a large swimmer that strokes toward +x with two jointed arms, stops once to coil and sweep
// them while the hands fire lasers, then swims off; a quick kill releases the worm001 it carries.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

namespace worm001 {
class head_t;
}

namespace worm006 {

class body_t;

// A segment of an arm: never hurt, flashing with the body, dying four frames after the part before it.
class arm_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void move_x(int32_t) override {}
    void kill() override;
    void damage(int32_t) override {}
    bool is_flashing() override;

    // One step toward target from the first segment that can turn, the rest of the chain trailing it;
    // true when a segment turned.
    static bool steer(arm_t* segment, int32_t base, int32_t target);
    // Each segment from this one turned (when asked) toward its bearing from the part before it, and
    // held within the bend window of that part.
    static void trail(arm_t* segment, int32_t base, bool turn);
    // Every segment turned by step within its window; true when the tip still moved.
    static bool bend(arm_t* segment, int32_t base, int32_t step);

    body_t* body = nullptr;
    arm_t* prev = nullptr; // toward the body
    arm_t* next = nullptr; // toward the hand
    int32_t direction = 0; // not wrapped; drawn as direction & 63
    uint32_t death_delay = 0;

  protected:
    void set_direction(int32_t d);
    int32_t clamped(int32_t d, int32_t base) const;
    const float* bearing_origin();
};

class hand_t : public arm_t {
  public:
    hand_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void fire_laser();

    std::vector<missile_t*> lasers; // its worm006::laser_t, in the stage's enemy-shot list
    int32_t firing = 0;
    uint32_t fire_counter = 0;
};

// Only the first two terrain layers stop it, whatever the terrain switch says.
class laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void check_bg_hit() override;
};

class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void move_x(int32_t) override {}
    void damage(int32_t n) override;
    void place_chain(arm_t* first, float dx, float dy);

    worm001::head_t* tail_worm = nullptr;
    arm_t* arm_a = nullptr;
    arm_t* arm_b = nullptr;
    hand_t* hand_a = nullptr;
    hand_t* hand_b = nullptr;
    float speed = 0;
    uint8_t attacked = 0;
    int32_t bend_max = 0;
    int32_t bend_min = 0;
    uint32_t anim_period = 0;
    uint32_t state = 0;
    uint32_t timer = 0;

  private:
    bool run_state();
    void move();
    void place_chains();
    void set_bend(int32_t limit);
    bool steer_both(int32_t base_a, int32_t target_a, int32_t base_b, int32_t target_b);
    bool bend_both(int32_t step_a);
    void set_firing(int32_t on);
};

} // namespace worm006
