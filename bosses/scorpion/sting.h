// The scorpion's sting, the armoured tip of its tail that turns and fires on the chest's commands, and its
// weapons: thrown balls, bouncing trailing lasers, bolts, homing lasers, with their sparks and smoke.
#pragma once

#include "bosses/scorpion/limbs.h"
#include "objects/explosion.h"
#include "player/poslog.h"
#include "player/smoke.h"

#include <cstdint>
#include <vector>

namespace scorpion001 {

// One step of a turn toward target: 0 reached, else +1 or -1 the shorter way (a half turn goes +1).
int32_t turn_step(int32_t direction, int32_t target);

class stingball_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void start() override;
    void kill() override { piveter_t::kill(); }
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }

    int32_t direction = 0;
    float speed = 0;
    float fall = 0;
};

class stinglaser1_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override {}
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void kill() override {}
    void damage(int32_t) override {}

    stinglaser1_t* next = nullptr;
};

// Drags its segments along its last eight positions; mirrored by the terrain at level 8.
class stinglaser1_head_t : public stinglaser1_t {
  public:
    stinglaser1_head_t(const objectinfo_t* info, uint32_t key);

    void update() override;
    void start() override;

    poslog_t trail;
    int32_t bounces = 0;
    int32_t max_bounces = 0;
    uint8_t stopped = 0;
};

class sting_t;

class stinglaser2_t : public missile_t {
  public:
    using missile_t::missile_t;

    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    // Leaves a puff and a spark where it ends.
    void kill() override;

    sting_t* sting = nullptr;
};

class stinglaser3_t : public missile_t {
  public:
    stinglaser3_t(const objectinfo_t* info, uint32_t key) : missile_t(info, key), trail(32) {
        segments.reserve(32);
    }

    void update() override;
    void start() override;
    void kill() override {}
    void damage(int32_t) override {}

    sting_t* sting = nullptr;
    poslog_t trail;
    std::vector<missile_t*> segments;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    void steer(uint32_t every);
};

class stingspark_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void update() override;

    int32_t direction = 0;
    int32_t offset = 0;
};

class stingsmoke_t : public smoke_t {
  public:
    using smoke_t::smoke_t;

    int32_t offset = 0;
};

class sting_t : public body_t {
  public:
    sting_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    bool is_flashing() override { return flash != 0; }
    void set_state(int32_t s);
    void set_flashing(bool on);
    void fire_fan(int32_t n, int32_t spread);
    void fire_bolt();
    void fire_homer(int32_t e);
    void throw_ball();
    void emit_spark(float at_x, float at_y, int32_t e);
    void emit_smoke(float at_x, float at_y, int32_t e);

    std::vector<stingball_t*> balls;
    std::vector<stinglaser1_t*> heads;
    std::vector<stinglaser2_t*> bolts;
    std::vector<stinglaser3_t*> homers;
    std::vector<stingspark_t*> sparks;
    std::vector<stingsmoke_t*> smokes;
    int32_t aim = 0;
    uint8_t flash = 0;
    uint8_t flash_enabled = 0;
    int32_t state = 0;
    uint32_t timer = 0;
    uint32_t last_smoke_frame = 0;

  private:
    void run_state();
    void go(int32_t next);
    // Turns one step toward t; false once reached or at a limit.
    bool turn(int32_t t);
    size_t next_head = 0;
};

} // namespace scorpion001
