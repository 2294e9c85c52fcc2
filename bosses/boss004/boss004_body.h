// Boss004: an armoured craft that eases in, tracks the ship vertically and fires front lasers, arm sweeps,
// beams and a core sweep; only the core and its four shields can be hurt, and the core's cover is a spare
// life. The body's death sequence plays once the core dies.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"
#include "player/poslog.h"

#include <cstdint>
#include <vector>

class jet_t;
class missile_t;

namespace boss004 {

class arm_t;
class body_cover_t;
class body_laser_t;
class core_cover_t;
class core_shield_t;
class core_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key), trail(4) {
        body_lasers.reserve(64);
        explosions.entries.reserve(4);
        trail.fill(x, y, 0);
    }

    void update() override;
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    // The parts follow; the arms from the oldest of the last four positions.
    void set_position(float new_x, float new_y) override;
    void kill() override;
    void damage(int32_t) override {}
    bool is_flashing() override;

    // Bits 1, 2, 4: the pairs at the nose, the mid front and the arms; nothing unless six lasers are idle.
    void fire_volley(int32_t bits);
    // Both arms sweep from direction d (the lower mirrored) by the level's count and step, sign g.
    void sweep_arms(int32_t d, int32_t g);
    void set_arm_states(int32_t state);

    float arm_spread = 0;
    uint8_t arms_closing = 0;
    std::vector<body_laser_t*> body_lasers;
    mul_explosion_t explosions; // offsets from the body; next is the next to start
    poslog_t trail;
    arm_t* arms[2] = {nullptr, nullptr}; // upper, lower
    jet_t* jets[3] = {nullptr, nullptr, nullptr};
    core_t* core = nullptr;
    core_shield_t* core_shields[4] = {nullptr, nullptr, nullptr, nullptr};
    core_cover_t* core_cover = nullptr;
    body_cover_t* body_cover = nullptr;
    uint8_t arrived = 1;
    float move_start_x = 0;
    float move_start_y = 0;
    float move_span_x = 0;
    float move_span_y = 0;
    float move_angle = 0;
    float move_step = 0;
    float move_end = 360;
    int32_t round_count = 0;
    int32_t phase = 0;
    uint32_t phase_timer = 0;
    uint32_t death_timer = 0;

  private:
    bool run_phase(int32_t& volley);
    void set_up_home(float step);
    void set_up_aim(float step);
    void set_up_wave();
    enum move_kind_t { move_home, move_aim, move_wave };
    // Advances the move; false once it has arrived.
    bool step_move(move_kind_t kind);
    void death_step();
};

// Opens after the entrance, sweeps its lasers along its cover's direction and pays the bonus.
class core_t : public enemy_t {
  public:
    core_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        lasers.reserve(32);
    }

    void update() override;
    // Ignored until open; the first lethal hit takes the cover instead.
    void damage(int32_t n) override;
    int32_t bonus() override;

    body_t* body = nullptr;
    core_cover_t* cover = nullptr;
    std::vector<missile_t*> lasers;
    int32_t sweep_count = 0;
    int32_t state = 0;
    uint32_t state_timer = 0;
    uint32_t frame_count = 0;

  private:
    bool run_state(bool& firing);
    void fire_laser();
};

class core_shield_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    void update() override {}
    // Revenge bullets by level when it dies.
    void damage(int32_t n) override;

    core_t* core = nullptr;
};

// Its pattern shows its direction; its death explosion goes along with it.
class core_cover_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    void set_position(float new_x, float new_y) override;
    void damage(int32_t) override {}
    bool is_flashing() override;

    int32_t direction = 0;
    core_t* core = nullptr;
};

class body_cover_t : public enemy_t {
  public:
    using enemy_t::enemy_t;
    void damage(int32_t) override {}
    bool is_flashing() override;

    core_t* core = nullptr;
};

} // namespace boss004
