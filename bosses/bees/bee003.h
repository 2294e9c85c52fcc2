// Bee003: a mid-boss bee that rises from the bottom left, holds the stage's section and cycles through
// ball rings, reflecting lasers, escort bees, big-ball fans, tail lasers and a dash; it leaves after five
// cycles or dies in a long burst of explosions once its hit points fall below 500.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "player/poslog.h"

#include <cstdint>
#include <vector>

class smoke_t;

namespace bee002 {
class body_t;
}

namespace bee003 {

class ball_t;
class bigball_t;
class reflex_laser_head_t;
class tail_laser_t;
class wing_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key)
        : enemy_t(info, x, y, key), hover_base_y(y) {
        reflex_lasers.reserve(8);
        bigballs.reserve(5);
        tail_lasers.reserve(4);
        balls.reserve(8);
        smokes.reserve(8);
        explosions.entries.reserve(4);
    }

    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    // The wing follows, 24 pixels right and 32 up.
    void set_position(float new_x, float new_y) override;
    // The record's box, 8 pixels right and 8 up.
    void get_rect(plat::rect_t& out) override;
    void kill() override;
    // Hits count only while it attacks.
    void damage(int32_t n) override;
    // Falls with the frames it has fought.
    int32_t bonus() override;

    std::vector<reflex_laser_head_t*> reflex_lasers;
    std::vector<bigball_t*> bigballs;
    std::vector<tail_laser_t*> tail_lasers;
    std::vector<ball_t*> balls;
    std::vector<smoke_t*> smokes;
    mul_explosion_t explosions; // the death sequence's, at offsets fixed at load; next is the next to start
    wing_t* wing = nullptr;
    bee002::body_t* escorts[3] = {nullptr, nullptr, nullptr};
    uint8_t arrived = 1;
    float move_start_x = 0;
    float move_start_y = 0;
    float move_target_x = 0;
    float move_target_y = 0;
    float move_span_x = 0;
    float move_span_y = 0;
    float move_angle = 0;
    float move_step = 0;
    float recoil_speed = 0;
    int32_t hover_angle = 0;
    float hover_base_y;
    int32_t phase = 0;
    int32_t loop_count = 0;
    uint32_t phase_timer = 0;
    uint32_t frame_count = 0;

  private:
    // Runs the phase's step; true when it ended the phase. hover: whether the phase hovers.
    bool run_phase(bool& hover);
    bool run_laser_series(bool& hover);
    bool run_tail_series();
    bool run_death();
    bool next(int32_t phase_after);
    void hover();
    // The eased moves: each sets itself up at the phase's frame 0; false once it has arrived.
    bool move_home(float step);
    bool move_by(float dx, float dy, float step);
    bool ease_out(float dx, float dy, float step);
    bool dash();
    void set_up_move(float target_x, float target_y, float span_x, float span_y, float angle, float step);
    bool step_move(bool eased_out);
    void ball_ring();
    void aimed_ball(int32_t direction);
    void reflecting_laser(int32_t direction);
    void bigball_fan();
    void tail_laser();
    void smoke();
    void launch_escort(int32_t index, float dx, float dy);
    bool escorts_fighting();
    void send_escorts_away();
    void death_explosion();
    const float* ship_or_self();
};

// Flaps while the body fights; it cannot be hurt.
class wing_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}

    body_t* body = nullptr;
};

// Flies two pixels per frame along its direction and explodes once it leaves the area around the screen.
class ball_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    void update() override;
    void move_x(int32_t) override {}
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }

    int32_t direction = 0;
};

class bigball_t : public missile_t {
  public:
    using missile_t::missile_t;
    void move_x(int32_t) override {}
};

// Drifts by a quarter of the horizontal scroll.
class body_explosion_t : public explosion_t {
  public:
    using explosion_t::explosion_t;
    void move_x(int32_t d) override { x += float(d >> 2); }
};

// A segment of a tail laser: the first runs left (from level 5 it turns up or down past the ship), the
// others follow 12 pixels apart and turn where it turned.
class tail_laser_t : public missile_t {
  public:
    using missile_t::missile_t;
    void update() override;
    void move_x(int32_t) override {}
    void damage(int32_t) override {}
    // Starts the segments behind it from the same point.
    void start() override;
    // The segments ahead die too.
    void kill() override;

    tail_laser_t* prev = nullptr;
    tail_laser_t* next = nullptr;
    int32_t state = 0;
    uint32_t state_timer = 0;

  private:
    bool run_state();
};

// A segment of a reflecting laser: its head places it.
class reflex_laser_t : public missile_t {
  public:
    using missile_t::missile_t;
    void update() override {}
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}
    void start() override;
    // The segments behind die too.
    void kill() override;

    reflex_laser_t* prev = nullptr;
    reflex_laser_t* next = nullptr;
};

// Leads its 19 segments along its own path, its vertical direction mirrored on terrain.
class reflex_laser_head_t : public reflex_laser_t {
  public:
    reflex_laser_head_t(const objectinfo_t* info, uint32_t key) : reflex_laser_t(info, key), trail(20) {}
    void update() override;
    void start() override;

    poslog_t trail;
};

} // namespace bee003
