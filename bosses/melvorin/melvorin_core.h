// The final boss's heart and its cover: the core flies in, docks between the emitters, waits for the
// scroll to hold, then runs its attack cycle and pulls the ship toward itself; it is the only part that
// can be destroyed, and its death starts the body's death sequence.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class ship_t;

namespace melvorin {

class bend_laser_t;
class big_laser_t;
class body_t;
class charge_t;
class core_missile_t;

// Sits on the core, which places, animates and kills it.
class core_cover_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void damage(int32_t) override {}
};

class core_t : public enemy_t {
  public:
    core_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        bend_lasers.reserve(128);
        missiles.reserve(64);
    }

    void update() override;
    // The cover goes with it.
    void set_position(float new_x, float new_y) override;
    void kill() override;
    // Ignored until the scroll holds; the death starts the body's death sequence.
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }
    // 10 points per update short of 2500.
    int32_t bonus() override;

    // The first idle bending laser at (x, y); the sound either way.
    void fire_bend_laser(float at_x, float at_y);
    // Up to n missiles from in front of the core, 2 x spread apart and centred on direction; an exhausted
    // pool cuts the fan short, and the sound is requested once either way.
    void fire_missile_fan(int32_t n, int32_t spread, int32_t direction, float fan_speed);

    ship_t* ship = nullptr;
    body_t* body = nullptr;
    core_cover_t* cover = nullptr;
    charge_t* charge = nullptr;
    big_laser_t* big_laser = nullptr;
    std::vector<bend_laser_t*> bend_lasers;
    std::vector<core_missile_t*> missiles;
    int32_t bob_angle = 0; // degrees
    int32_t aim_direction = 0;
    float pull_factor = 0;
    uint8_t invulnerable = 0;
    int32_t phase = 0;
    uint32_t phase_timer = 0;
    uint32_t frames_alive = 0;

  private:
    bool run_phase();
    void run_attack_cycle();
    void bob(float base_y, int32_t shake);
    void pull_ship();
};

} // namespace melvorin
