// Bee002: the escort bee that bee003 summons. It fades in unhurt and harmless, then glides a short way
// beside the ship and fires six fans of homing balls, again and again, until it is shot, killed with
// its summoner or sent away (it fades out).
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

namespace bee002 {

class ball_t;
class wing_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        balls.reserve(64);
    }

    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    // The wing follows, 16 pixels right and 12 up.
    void set_position(float new_x, float new_y) override;
    void start() override;
    void kill() override;
    void damage(int32_t n) override;
    // Harmless until fully opaque.
    int32_t contact_damage() override { return fade != 0 ? 0 : info->contact_damage; }
    int32_t blend_mode() override { return fade; }

    // Body and wing dead, without explosion or score; the balls fly on.
    void deactivate();
    void fire_fan(int32_t n);

    std::vector<ball_t*> balls;
    float start_x = 0;
    float start_y = 0;
    float target_x = 0;
    float target_y = 0;
    float span_x = 0;
    float span_y = 0;
    float angle = 0;
    float angle_step = 0;
    int32_t fade = 0; // 256 invisible .. 0 opaque
    wing_t* wing = nullptr;
    uint8_t invulnerable = 1;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // Runs the state; true when it moved on to another, which then runs too.
    bool run_state();
    void choose_glide();
};

class wing_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    void update() override { pattern = (pattern + 1) & 1; }
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void start() override;
    void damage(int32_t) override {}
    bool is_flashing() override;
    int32_t blend_mode() override { return fade; }

    body_t* body = nullptr;
    int32_t fade = 0;
};

// Flies straight, then turns toward the ship a step every 8 frames for a while, then straight on.
class ball_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    void update() override;
    void move_x(int32_t) override {}
    void start() override;
    void damage(int32_t n) override;

    int32_t direction = 0;
    float speed = 0;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    void turn_to_ship();
};

} // namespace bee002
