// The scorpion's limbs: tail, arm and leg segments that pass a death down their chains, the feet that
// stand on the terrain, the head with its eye and jaw, and the claw that fires lasers.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

class smoke_t;

namespace worm001 {
class head_t;
}

namespace scorpion001 {

class chest_t;
class eye_t;

// Turns the segment toward targets[index] by at most step, the shorter way (a half turn goes +), then the
// rest of the chain toward the following targets; true when any direction changed.
bool turn_joint_chain(class body_t* segment, const int32_t* targets, int32_t step, int32_t index);

// A tail segment: placed by the chest, killed six frames after the segment before it.
class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    // At level 3 or more the segment's end fires at the ship.
    void kill() override;
    void damage(int32_t) override {}

    object_t* owner = nullptr; // whose death this segment follows
    body_t* next = nullptr;    // toward the sting
    int32_t direction = 0;
    int32_t death_delay = 0;
};

class tail_t : public body_t {
  public:
    using body_t::body_t;
};

class leg_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // Dies four frames after the segment before it.
    void update() override;
    void damage(int32_t) override {}

    object_t* owner = nullptr;
    leg_t* next = nullptr;
    int32_t death_delay = 0;
};

class arm_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // Dies four frames after the segment before it; runs the flash pulse down the arm.
    void update() override;
    void damage(int32_t) override {}
    bool is_flashing() override { return pulse > 0; }
    virtual void start_pulse(bool on) { pulse = on ? 10 : 0; }

    object_t* owner = nullptr;
    arm_t* next = nullptr;
    int32_t death_delay = 0;
    int32_t pulse = 0;
};

class foot_t : public enemy_t {
  public:
    foot_t(const objectinfo_t* info, float x, float y, uint32_t key)
        : enemy_t(info, x, y, key), anchor_x(x), anchor_y(y) {
        puffs.reserve(4);
    }

    // Dies with its leg; the anchor follows the foot.
    void update() override;
    void damage(int32_t) override {}
    // On the ground (with a puff) when the terrain is solid `height` below and that point is at
    // `ground_from` or lower.
    void set_position(float new_x, float new_y) override;
    void puff();
    // Moves speed along a step's parabola; a foot on the ground starts a new one.
    void step(float speed);

    static constexpr float height = 20;
    static constexpr float ground_from = 128;

    object_t* owner = nullptr; // the last leg segment
    uint8_t in_air = 1;
    float anchor_x;
    float anchor_y;
    float anchor_dx = 0;
    float anchor_dy = 0;
    float apex_x = 0;
    float apex_y = 0;
    float arc_k = 0;
    std::vector<smoke_t*> puffs;
};

class eye_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t) override {}

    int32_t phase = 0;
    uint32_t phase_frame = 0;
};

// The weak point: its death is the boss's.
class head_t : public enemy_t {
  public:
    head_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        pattern = 8;
    }

    void update() override;
    void kill() override;
    void damage(int32_t n) override;
    void set_position(float new_x, float new_y) override;
    int32_t bonus() override { return 25000; }

    chest_t* chest = nullptr;
    eye_t* eye = nullptr;
    worm001::head_t* worm = nullptr;
    int32_t direction = 32;
    uint8_t invulnerable = 0;
    int32_t phase = 0;
    uint32_t phase_frame = 0;

  private:
    void run_phase();
    void go(int32_t next);
    void turn_toward(int32_t target);
};

class hand_laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
};

class hand_t : public enemy_t {
  public:
    hand_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        lasers.reserve(16);
    }

    void update() override;
    void damage(int32_t) override {}
    void move_x(int32_t d) override;
    // An eased move to x and to y held within 40 of the anchor's height, step degrees a frame.
    void start_move(float to_x, float to_y, float step);
    bool step_move();
    void fire_laser(int32_t kind);

    object_t* owner = nullptr;  // the last arm segment
    object_t* anchor = nullptr; // the chest
    int32_t bob = 0;
    uint8_t done = 1;
    float x0 = 0;
    float y0 = 0;
    float x1 = 0;
    float y1 = 0;
    float half_dx = 0;
    float half_dy = 0;
    float angle = 0;
    float step = 0;
    std::vector<hand_laser_t*> lasers;
    int32_t phase = 0;
    uint32_t phase_frame = 0;

  private:
    void run_phase();
    void go(int32_t next);
};

} // namespace scorpion001
