// Boss004's weapons on its arms and front: the arms with their missile sweeps and long beams, the beam's
// muzzle flash and sparks, and the straight front laser.
#pragma once

#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

namespace boss004 {

class arm_laser1_t;
class core_t;
class flash_t;
class spark_t;

// Follows the body, which writes its state: 100 beam on, 101 beam off, 200 a missile sweep.
class arm_t : public enemy_t {
  public:
    arm_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        missiles.reserve(32);
    }

    void update() override;
    void set_position(float new_x, float new_y) override;
    void kill() override;
    void damage(int32_t) override {}
    bool is_flashing() override;

    // The first missile idle with its effect, in the direction, from the muzzle; the sound only when fired.
    void fire_missile(int32_t direction);

    core_t* core = nullptr;
    arm_laser1_t* beam = nullptr;
    std::vector<missile_t*> missiles;
    int32_t sweep_direction = 0;
    int32_t shots_left = 0;
    int32_t sweep_step = 0;
    int32_t state = 0;
    uint32_t state_timer = 0;

  private:
    bool run_state();
};

// The long beam: its pattern is its width, 0 to 56; it hurts only at full width.
class arm_laser1_t : public missile_t {
  public:
    arm_laser1_t(const objectinfo_t* info, uint32_t key) : missile_t(info, key) {
        alive = 0;
        hp = 0;
        sparks.reserve(8);
    }

    void update() override;
    void set_position(float new_x, float new_y) override;
    void start() override;
    // Narrows from its width and goes out; a closing beam stays as it is.
    void kill() override;
    void damage(int32_t) override {}
    int32_t contact_damage() override;

    uint8_t closing = 1;
    uint32_t beam_timer = 0;
    flash_t* flash = nullptr;
    std::vector<spark_t*> sparks;

  private:
    void show_flash(bool on);
};

// The beam's muzzle flash: a still picture while alive.
class flash_t : public explosion_t {
  public:
    using explosion_t::explosion_t;
    void update() override {}
    void start() override;
};

// Flies 3 pixels a frame along its direction and burns out through four patterns in 32 frames.
class spark_t : public explosion_t {
  public:
    using explosion_t::explosion_t;
    void update() override;
    void start() override;

    int32_t direction = 0;
    uint32_t spark_timer = 0;
};

// Flies straight along its direction carrying its muzzle effect with it.
class body_laser_t : public missile_t {
  public:
    using missile_t::missile_t;
    void update() override;
    void damage(int32_t) override {}
};

} // namespace boss004
