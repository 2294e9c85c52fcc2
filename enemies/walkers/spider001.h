// The spider001: a walker on the floor or hanging from the ceiling, a body on four feet joined to it by
// legs of 20 links, that drops onto the terrain, walks in, and shakes in place lobbing eggs or walks to
// the ship's side. Feet and legs pass their hits to the body; the body's death takes them all.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace spider001 {

class body_t;

// Whether a walker finds terrain at a screen point: background layer 0, and solid above and below the
// screen.
bool probe_solid(float px, float py);

class leg_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // Runs a hit pulse (pattern 3, 2, 1) towards the body.
    void update() override;
    // From level 6 a revenge bullet: at 6 and 7 only from links that explode.
    void kill() override;
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }

    leg_t* prev = nullptr; // towards the body
    leg_t* next = nullptr; // towards the foot
    body_t* body = nullptr;
};

class foot_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // The scroll carries the arc with the foot.
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    // Probes the terrain just beyond the foot: airborne while it is clear.
    void set_position(float new_x, float new_y) override;
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }
    // Moves dx along a step's arc; a standing foot starts a fresh arc.
    void step(float dx);

    int32_t ceiling = 0;
    body_t* body = nullptr;
    leg_t* last_leg = nullptr;
    uint8_t airborne = 1;
    float apex_x = 0;
    float apex_y = 0;
    float curve = 0;
};

class egg_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    void start() override;

    uint32_t timer = 0;
};

class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void kill() override;
    // Nothing until it has walked in.
    void damage(int32_t n) override;
    // The feet at their stance around the body.
    virtual void stand();
    // Body and airborne feet fall 8 towards the terrain; whether anything moved.
    virtual bool drop();

    int32_t ceiling = 0;
    std::array<foot_t*, 4> feet{}; // by slot, left to right
    std::array<leg_t*, 4> legs{};  // each slot's link at the body
    std::vector<egg_t*> eggs;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // One phase; true when it moved on to another, which starts next frame.
    bool act(const float* ship);
    bool go(int32_t next);
    void walk(float dx);
    bool settle(float dx);
    void place_leg(size_t slot);
    void place_legs();
    void fire_egg(const float* ship);
    // +1 on the floor, -1 on the ceiling: the sign of every vertical offset.
    float down() const { return ceiling != 0 ? -1.0f : 1.0f; }
};

} // namespace spider001
