// Boss005's two bodies: the lead body that moves, steers both pairs of hands and runs the fight, and the
// trailing body that waits off screen until the lead body calls it in to dock behind it.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"

#include <cstdint>
#include <vector>

namespace boss005 {

class arm_t;
class hand_t;
class leadbody_t;
class spark_t;
class spred_missile_t;

// What both bodies share: an upper and a lower hand, each at the end of a chain of segments from the body.
class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void set_position(float new_x, float new_y) override;
    // The chains die from the body outward and take the hands with them.
    void kill() override;
    void damage(int32_t n) override;

    // target in half degrees, 0..360; true while the arms moved.
    bool rotate_arms(int32_t target, int32_t step);
    bool open_hands();
    bool close_hands();
    void fire_hands();
    void start_lasers();
    void stop_lasers();

    hand_t* hands[2] = {nullptr, nullptr}; // upper, lower
    arm_t* arms[2] = {nullptr, nullptr};   // the segment at the body of each chain
    int32_t arm_angle = 0;
    int32_t mirror_angle = 0;
    uint8_t arms_dirty = 1;

  protected:
    // Hands at the radius from the shoulders (dx from the body, 8 above and below), segments on the line.
    void place_arms_from(float shoulder_dx, float radius);
    bool retract_toward(int32_t upper, int32_t lower);
};

class trailbody_t : public body_t {
  public:
    using body_t::body_t;

    void update() override;
    void damage(int32_t) override {}
    bool is_flashing() override;

    void place_arms();
    bool retract_arms();

    leadbody_t* partner = nullptr;
    int32_t phase = 0;
    uint32_t phase_timer = 0;

  private:
    bool run_phase();
};

class leadbody_t : public body_t {
  public:
    leadbody_t(const objectinfo_t* info, float x, float y, uint32_t key) : body_t(info, x, y, key) {
        death_explosions.entries.reserve(4);
        sparks.reserve(16);
        spread_missiles.reserve(16);
    }

    void update() override;
    void get_rect(plat::rect_t& out) override;
    void kill() override;
    // The first lethal hit calls the trailing body in on level 3 and up, until they have docked.
    void damage(int32_t n) override;
    int32_t bonus() override { return bonus_score; }

    void place_arms();
    bool retract_arms();
    void emit_spark();
    void fire_spread(float at_x, float at_y, int32_t n);

    // Motions: each start stores where it begins; each step is true while it moves.
    void glide_to(float to_x, float to_y, float step);
    bool step_glide();
    void ease_to(float to_x, float to_y, float step);
    bool step_ease();
    // Eases toward the ship's side of the screen, a little up or down.
    void reposition(float step);
    bool enter_step();
    void start_sweep();
    bool step_sweep();

    trailbody_t* partner = nullptr;
    uint8_t motion_done = 1;
    float motion_start[2] = {0, 0};
    float motion_target[2] = {0, 0};
    float motion_amp[2] = {0, 0};
    float motion_angle = 0;
    float motion_step = 0;
    float escape_speed = 0;
    mul_explosion_t death_explosions;
    std::vector<spark_t*> sparks;
    std::vector<spred_missile_t*> spread_missiles;
    float aim_point[2] = {0, 0};
    uint8_t invulnerable = 1;
    uint8_t merged = 0;
    uint8_t retracting = 0;
    uint8_t partner_retracting = 0;
    int32_t bonus_score = 0;
    uint32_t repeat = 0;
    uint32_t cycle = 0;
    int32_t phase = 0;
    uint32_t phase_timer = 0;

    // What a frame's script asks of the hands, done after it.
    struct orders_t {
        bool fire = false;
        bool partner_fire = false;
        bool lasers = false;
        bool partner_lasers = false;
        int32_t spread = 0;
    };

  private:
    void start_motion(float to_x, float to_y, float amp_x, float amp_y, float angle, float step);
    bool run_phase(uint32_t f, orders_t& o);
    bool run_stage_one(uint32_t t, uint32_t f, orders_t& o);
    bool run_stage_two(uint32_t t, uint32_t f, orders_t& o);
    bool run_end(uint32_t t);
    bool next(int32_t p);
    // The count of an attack's rounds: below the limit another round, else the attack ends.
    bool next_round(uint32_t limit, int32_t more, int32_t done);
    bool any_laser_alive();
};

} // namespace boss005
