// Midboss001: a column of winged gunships that hover on the right, follow the ship's height, open their
// wings to fire spreads, close them to fire straight beams, bump apart and fly off after a section.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class jet_t;
class missile_t;

namespace midboss001 {

class wing_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        spread_shots.reserve(32);
        beam_shots.reserve(4);
    }

    void update() override;
    void move_x(int32_t) override {}
    void get_rect(plat::rect_t& out) override;
    void damage(int32_t n) override;

    // One movement step: bump, slide, fly off, recoil or follow; then the wings and flames are placed.
    void move();
    // The first body further down the column, appeared and alive, whose bump box overlaps this one's.
    body_t* find_bump();
    void fire_spread();
    void fire_beam();

    body_t* prev = nullptr;
    body_t* next = nullptr;
    wing_t* upper_wing = nullptr;
    wing_t* lower_wing = nullptr;
    jet_t* upper_jet = nullptr;
    jet_t* lower_jet = nullptr;
    std::vector<missile_t*> spread_shots; // in the stage's enemy-shot list
    std::vector<missile_t*> beam_shots;
    float spread = 12; // each wing's distance from the body
    float push_speed = 0;
    int32_t push_direction = 0;
    uint8_t hit = 0;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // Runs the state; true when it changed, so that the new one runs in the same frame.
    bool run_state(bool& spread_now, bool& beam_now);
};

// A shield above or below the body: it cannot be hurt, moves only when the body places it, flashes with
// the body and takes its flame with it when it dies.
class wing_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    // Also places the flame behind the wing.
    void set_position(float new_x, float new_y) override;
    void kill() override;
    void damage(int32_t) override {}
    bool is_flashing() override;

    jet_t* jet = nullptr;
    body_t* body = nullptr;
};

// The unit count comes from the stage file, and each unit is 69 objects (68 and its item), so a column
// stops at 16 units. They stand 512 / n apart for the n the placement asks for: the units made stand
// where a whole column would put them.
constexpr int32_t group_cap = 16;

} // namespace midboss001
