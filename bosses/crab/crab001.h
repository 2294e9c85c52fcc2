// Crab001: a walker that clings with four legs to the walls of a shaft and climbs it, throwing ball fans
// and raining lasers; its eyes keep its time limit, its legs fall apart when it dies and two parked
// formations enter.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

namespace twister005 {
class leader_t;
}

namespace crab001 {

class ball_t;
class body_laser_t;
class eye_t;
class foot_t;
class shin_t;
class spark_t;
class thigh_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        death_explosions.entries.reserve(4);
        body_lasers.reserve(32);
        balls.reserve(32);
    }

    void update() override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t) override {}
    // The eyes follow.
    void set_position(float new_x, float new_y) override;
    // Releases the parked formations while the stage is still within a section of the body.
    void kill() override;
    // A lethal hit is not applied: it starts the death sequence.
    void damage(int32_t n) override;

    void set_eyes(int32_t mode);
    // n idle balls from the point, centred on direction c, 4 apart.
    void fire_ball_fan(float at_x, float at_y, int32_t c, int32_t n);
    void fire_body_laser();
    // Legs 0 to 3 in turn: an airborne foot steps on, a foot on the wall lifts when due and the other
    // diagonal pair holds the wall.
    void step_legs(float dy);

    uint8_t invulnerable = 1;
    uint8_t motion_done = 1;
    float motion_start[2] = {0, 0};
    float motion_amp[2] = {0, 0};
    float motion_angle = 0;
    float motion_step = 0;
    eye_t* eyes[3] = {nullptr, nullptr, nullptr};
    foot_t* feet[4] = {nullptr, nullptr, nullptr,
                       nullptr}; // upper-left, lower-left, upper-right, lower-right
    thigh_t* thigh_roots[4] = {nullptr, nullptr, nullptr, nullptr};
    mul_explosion_t death_explosions;
    std::vector<body_laser_t*> body_lasers;
    std::vector<ball_t*> balls;
    twister005::leader_t* twisters[2] = {nullptr, nullptr};
    uint8_t recentering = 0;
    int32_t center_x = 0;
    int32_t target_center_x = 0;
    int32_t wobble_amp = 0;
    int32_t wobble_angle = 0;
    int32_t phase = 0;
    uint32_t phase_timer = 0;

  private:
    bool run_phase();
    void plant_feet();
    // Toward the middle of the gap 32 pixels up or down, legs stepping along.
    void climb(float dy);
    // The airborne feet step; true when none was airborne.
    bool settle(float dy);
    // False once the sway has ended.
    bool sway(float a);
    void ball_fans();
    void start_wobble();
    void wobble_step();
    void lay_out_thighs();
};

class foot_t : public enemy_t {
  public:
    foot_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {}

    void update() override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t) override {}
    // Probes the wall beside the toe; touching it lands and stamps.
    void set_position(float new_x, float new_y) override;
    void kill() override;
    void damage(int32_t) override {}

    // One frame of the swing along the step's parabola; a new step begins while on the wall.
    void step(float dy);

    int32_t side = 1; // 1 left wall, 2 right wall
    uint8_t airborne = 1;
    float arc_apex_x = 0;
    float arc_center_y = 0;
    float arc_k = 0;
    shin_t* shin = nullptr;
    std::vector<spark_t*> sparks;
    int32_t fuse = 24;

  private:
    bool touching();
    void stamp();
};

class shin_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}

    void start_wobble(int32_t side);
    void wobble_step();

    foot_t* foot = nullptr;
    thigh_t* last_thigh = nullptr;
    int32_t wobble_offset = 0;
    int32_t wobble_amp = 0;
    int32_t wobble_angle = 0;
    int32_t wobble_count = 0;
    int32_t fuse = 16;
};

class thigh_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}
    bool is_flashing() override { return flash != 0; }

    thigh_t* prev = nullptr;
    thigh_t* next = nullptr;
    int32_t fuse = 4;
    int32_t flash = 0;
};

// Its lid's openness is its pattern, 0 closed to 7 wide open; it also keeps the body's time limit.
class eye_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t) override {}

    body_t* body = nullptr;
    int32_t mode = 0;
    uint32_t timer = 0;
    uint32_t time_limit = 0;

  private:
    bool run_mode();
};

class ball_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }

    int32_t direction = 0;
    float speed = 0;
};

// Its effect travels with it.
class body_laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
};

// An explosion that also flies.
class spark_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void update() override;

    int32_t direction = 0;
    float speed = 0;
};

} // namespace crab001
