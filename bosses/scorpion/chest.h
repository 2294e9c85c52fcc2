// The scorpion's chest: the root of the boss, which cannot be hurt. Each frame it runs a step of its
// script, then places the tail, sting, arm and legs from its own position.
#pragma once

#include "bosses/scorpion/sting.h"
#include "objects/big_explosion.h"

#include <array>
#include <cstdint>
#include <vector>

namespace scorpion001 {

class chest_t : public enemy_t {
  public:
    chest_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void move_x(int32_t d) override;
    void damage(int32_t) override {}
    int32_t blend_mode() override { return blend; }

    // The start-up pose: feet lowered onto the ground, tail at rest.
    bool assemble();
    // Mode 1 left, 3 right: toward 28 above the ground 8 ahead.
    bool walk(int32_t mode, float speed);
    bool step_feet(int32_t mode, float speed);
    void start_jump();
    bool step_jump();
    void place_parts();
    bool explode_step();
    // Turns the tail a step toward row of the pose table; false once settled.
    bool turn_tail(int32_t row, int32_t step);

    arm_t* arm = nullptr;
    std::array<leg_t*, 3> legs{};
    std::array<foot_t*, 3> feet{};
    hand_t* hand = nullptr;
    head_t* head = nullptr;
    sting_t* sting = nullptr;
    body_t* tail = nullptr;
    std::array<enemy_t*, 2> escorts{};
    std::vector<smoke_t*> smokes;
    struct {
        uint8_t done = 1;
        float x0 = 0;
        float y0 = 0;
        float x1 = 0;
        float y1 = 0;
        float dx = 0;
        float dy = 0;
        float angle = 0;
        float step = 0;
    } fall;
    mul_explosion_t explosions;
    float dir_vectors[64][2];
    float jump_vx = 0;
    float jump_vy = 0;
    int32_t aim = 0;
    int32_t blend = 0;
    uint32_t pass_count = 0;
    uint32_t attack_count = 0;
    int32_t phase = 0;
    uint32_t phase_frame = 0;

  private:
    void run_phase();
    void go(int32_t next);
    void sting_command(int32_t command);
    bool sting_idle() const;
    // The direction from the sting to the ship; the last aim without a ship.
    int32_t aim_from_sting();
    void set_hand(int32_t p);
    void set_head(int32_t p);
    void puff_at_sting();
};

// The tail's poses: rest, raised to aim, and the strikes; nine directions each, segment 0 first.
extern const int32_t tail_poses[14][9];
enum : int32_t { pose_rest = 0, pose_aim = 1, pose_strikes = 2 };

} // namespace scorpion001
