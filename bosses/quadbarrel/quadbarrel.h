// The quad-barrel gunship: a body that glides in, holds the scroll, eases toward the ship's height firing
// straight and bending lasers, and flies off again; its only weak point is the core it carries, which
// opens after a while and, on higher levels, fires fans of missiles. The core's death knocks the body
// back and blows it up piece by piece.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"
#include "objects/missile.h"
#include "player/poslog.h"

#include <cstdint>
#include <vector>

namespace quadbarrel {

class body_t;

// A straight laser: runs left at 3 pixels a frame, keeping its height relative to its owner.
class laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    void start() override;
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}

    float y_offset = 0; // from the owner while it flies
};

// A segment of a bending laser, moved only by its chain's head.
class bend_laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override {}
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}

    bend_laser_t* next = nullptr;
};

// The head of a bending laser: runs left, halts, aims at the ship and flies at it, its segments tracing
// its path one trail entry apart.
class bend_laser_head_t : public bend_laser_t {
  public:
    static constexpr uint32_t trail_length = 24;

    bend_laser_head_t(const objectinfo_t* info, uint32_t key)
        : bend_laser_t(info, key), trail(trail_length) {}

    void update() override;
    void start() override;
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;

    poslog_t trail; // newest first
    int32_t phase = 0;
    uint32_t phase_timer = 0;

  private:
    void kill_chain();
};

class core_missile_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    void start() override;
};

class core_t : public enemy_t {
  public:
    core_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        missiles.reserve(64);
    }

    void update() override;
    void move_x(int32_t) override {}
    void damage(int32_t n) override;
    // n idle missiles in a fan to the left, searching on from the last one found round the pool: the fan
    // is short only when fewer are idle.
    void fire_missile_fan(int32_t n);

    body_t* body = nullptr;
    std::vector<core_missile_t*> missiles;
    uint8_t invulnerable = 1;
    int32_t phase = 0;
    uint32_t phase_timer = 0;

  private:
    size_t next_missile = 0;
};

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        lasers.reserve(16);
        bend_lasers.reserve(8);
        death_explosions.entries.reserve(4);
    }

    void update() override;
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    // Carries the core, and a core explosion in progress.
    void set_position(float new_x, float new_y) override;
    void damage(int32_t) override {}
    bool is_flashing() override;

    core_t* core = nullptr;
    uint8_t motion_done = 1;
    float motion_start[2] = {0, 0};
    float motion_target[2] = {0, 0};
    float motion_amp[2] = {0, 0};
    float motion_angle = 0;
    float motion_step = 0;
    float glide_speed = 3.0f;
    uint32_t repeat = 0;
    int32_t phase = 0;
    uint32_t phase_timer = 0;
    int32_t tilt = 0; // -3..3
    std::vector<laser_t*> lasers;
    std::vector<bend_laser_head_t*> bend_lasers;
    mul_explosion_t death_explosions; // offsets from the body; `next` is the one to start next

  private:
    void run_phase();
    void go(int32_t next_phase);
    void track_start();
    // True when the body moved.
    bool track_step();
    void tilt_toward(int32_t d);
    void fire_laser_pair();
    void fire_bend_lasers();
    void next_death_explosion();
    void blow_up();
};

} // namespace quadbarrel
