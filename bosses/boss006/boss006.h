// Boss006: a ship that glides home and runs five cycles of dashes with twin bolts, charged beams and
// homing barrages, then escapes; a hit that would leave it 500 hit points or fewer starts its long death.
// Its bolts and beams also hurt the other enemies, and its pods break meteors.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "player/poslog.h"

#include <cstdint>
#include <vector>

class jet_t;
class smoke_t;

namespace boss006 {

class big_laser_head_t;
class homing_t;
class laser_t;
class spark_ctr_t;
class spark_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        lasers.reserve(16);
        big_lasers.reserve(2);
        homings.reserve(64);
        death_explosions.entries.reserve(4);
    }

    void update() override;
    // The hit box sits 8 pixels right of the sprite's centre.
    void get_rect(plat::rect_t& out) override;
    // Everything still alive in enemy list 0's window goes down with it.
    void kill() override;
    // A hit that would leave 500 hit points or fewer is not applied: it starts the death sequence.
    void damage(int32_t n) override;
    int32_t bonus() override;

    // Owns every link of the chain and keeps its head.
    void attach_lasers(big_laser_head_t* head);
    // Two bolts from the nose, apart by 16 cos a.
    void fire_laser_pair(int32_t a);
    void fire_big_laser();
    void fire_homing(int32_t kind);
    void emit_smoke(float at_x, float at_y);
    // +1 or -1 turns the roll; 0 eases it back to level by the shorter way.
    void roll(int32_t d);

    enum motion_kind_t { ease, track, recoil };
    void start_motion(motion_kind_t kind, float to_x, float to_y, float start_angle, float step);
    // To (216, 128) at step degrees a frame.
    void ease_home(float step);
    void ease_to(float to_x, float to_y);
    // Vertically toward the ship by 8 to 16 x level (at most 64) pixels.
    void start_track();
    void start_recoil();
    // False, and the motion done, once the angle has passed 360.
    bool step_motion();

    uint8_t motion_done = 1;
    float motion_start[2] = {0, 0};
    float motion_target[2] = {0, 0};
    float motion_amp[2] = {0, 0};
    float motion_angle = 0;
    float motion_step = 0;
    jet_t* jets[2] = {nullptr, nullptr}; // upper, lower
    std::vector<laser_t*> lasers;
    std::vector<big_laser_head_t*> big_lasers;
    spark_ctr_t* spark_ctr = nullptr;
    std::vector<homing_t*> homings;
    std::vector<smoke_t*> smokes;
    mul_explosion_t death_explosions; // next: the next to start
    uint8_t invulnerable = 1;
    float escape_speed = 0;
    int32_t phase = 0;
    uint32_t cycle = 0;
    uint32_t repeat = 0;
    uint32_t phase_timer = 0;
    uint32_t frames_alive = 0;

  private:
    struct frame_flags_t {
        bool laser_pair = false;
        bool big_laser = false;
        bool smoke = false;
        bool roll = true;
    };

    bool run_phase(frame_flags_t& flags);
    void barrage(int32_t first_every, int32_t second_every);
    void dying_frame(frame_flags_t& flags);
    void frame_tail(const frame_flags_t& flags, float reference_y);

    motion_kind_t motion_kind = ease;
};

// Its pattern shows its direction; its death explosion is also its muzzle flash.
class homing_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void start() override;
    void damage(int32_t n) override;
    // Restarts the explosion there, also while it runs.
    void explode_at(float at_x, float at_y) override;

    int32_t direction = 0;
    uint32_t timer = 0;
};

class laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
};

// A beam segment: placed by its head, never scrolled or hurt.
class big_laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override {}
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}

    big_laser_t* next = nullptr;
};

// The beam's front: the segments follow its trail one frame apart.
class big_laser_head_t : public big_laser_t {
  public:
    big_laser_head_t(const objectinfo_t* info, uint32_t key) : big_laser_t(info, key), trail(32) {}

    void update() override;
    void start() override;

    poslog_t trail;
};

// The charge before a beam: sparks drawn to the nose and a flash that plays until the charge ends.
class spark_ctr_t : public explosion_t {
  public:
    spark_ctr_t(const objectinfo_t* info, uint32_t key);

    void update() override;
    void start() override;

    body_t* body = nullptr;
    explosion_t* effect = nullptr;
    std::vector<spark_t*> sparks;
    float x_offsets[32];
    float y_offsets[32];
    uint32_t next_offset = 0; // carries over from one charge to the next
    uint32_t state = 0;
    uint32_t timer = 0;

  private:
    void emit_spark(float at_x, float at_y);
};

class spark_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void update() override;

    body_t* body = nullptr;
    float speed = 0;
};

} // namespace boss006
