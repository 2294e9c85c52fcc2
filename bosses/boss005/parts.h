// Boss005's parts that its bodies drive: the arm segments, the pincer hands with their shots, and the
// weapons and effects of their own kind: the big laser, the spread missiles and the docking sparks.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

namespace boss005 {

class big_laser_ctr_t;

// Starts the set's next entry at its offset from (x, y) and moves on, unless it still runs: then null, and
// the same entry is tried next time.
explosion_t* start_next_entry(mul_explosion_t& set, float at_x, float at_y);

// Follows where its body puts it; a pulse runs along the chain and flashes each segment in turn.
class arm_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}
    bool is_flashing() override { return pulse_count > 0; }

    void pulse(bool on) { pulse_count = on ? 10 : 0; }

    arm_t* prev = nullptr;
    arm_t* next = nullptr;
    int32_t death_delay = 4;
    uint32_t pulse_count = 0;
};

// Points within 17..47 (16 patterns either side of straight left) and fires along its direction.
class hand_t : public enemy_t {
  public:
    hand_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        pattern = direction - 16;
        missiles.reserve(64);
        sparks.entries.reserve(4);
    }

    void update() override;
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}

    // One step the shorter way (counter-clockwise on a tie); false when the limit stops it.
    bool turn_toward(int32_t d);
    bool aim_at(const float* point);
    void fire_missile();
    void start_laser();
    void stop_laser();
    void emit_spark(float at_x, float at_y);

    arm_t* arm = nullptr;
    std::vector<missile_t*> missiles;
    big_laser_ctr_t* laser = nullptr;
    mul_explosion_t sparks; // next is the next to start
    int32_t direction = 32;
    int32_t death_delay = 16;
};

class big_laser_t : public missile_t {
  public:
    big_laser_t(const objectinfo_t* info, uint32_t key) : missile_t(info, key) {}

    void update() override {}
    void damage(int32_t) override {}
    int32_t contact_damage() override { return contact; }

    int32_t contact = 0;
};

// Lays out the beam leftward from its hand's muzzle: a flickering sight, widening, the full beam, leaving.
class big_laser_ctr_t : public missile_t {
  public:
    big_laser_ctr_t(const objectinfo_t* info, uint32_t key) : missile_t(info, key) { segments.reserve(16); }

    void update() override;
    void set_position(float new_x, float new_y) override;
    void start() override;
    // The beam narrows and leaves; the controller stays alive until it has gone.
    void kill() override;

    void set_width(int32_t n);
    bool widen();
    bool narrow();

    hand_t* hand = nullptr;
    std::vector<big_laser_t*> segments;
    int32_t phase = 0;
    uint32_t phase_timer = 0;

  private:
    bool run_phase(float muzzle_x, float muzzle_y);
    // Every segment one width wider or narrower; it hurts when the width before the step was 5 or more.
    void step_width(int32_t by);
};

// A spinning shot that flies straight until it leaves or meets the terrain.
class spred_missile_t : public missile_t {
  public:
    spred_missile_t(const objectinfo_t* info, uint32_t key) : missile_t(info, key) {}

    void update() override;
    void start() override;
};

class spark_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void update() override;

    int32_t direction = 0;
    float speed = 0;
};

} // namespace boss005
