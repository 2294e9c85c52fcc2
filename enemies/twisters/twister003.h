// Twister003: a large spinning gunship that hangs still, drifts sideways while it fires three-way spreads
// and straight lasers (or, from level 2, opens and fires mirrored laser pairs), then speeds away; its
// lasers and its death destroy nearby meteors.
#pragma once

#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

namespace twister003 {

class laser_t;
class laser_flash_t;

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(12);
        lasers.reserve(16);
        twin_lasers.reserve(32);
    }

    void update() override;
    // It keeps its screen position while the stage scrolls.
    void move_x(int32_t) override {}
    void damage(int32_t n) override;

    void fire_spread();
    void fire_laser();
    void fire_twin_lasers();

    int32_t side = 0; // 0 travels to smaller x, 1 to larger x
    float speed = 0;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    std::vector<laser_t*> lasers;
    std::vector<laser_t*> twin_lasers;
    laser_flash_t* flash_upper = nullptr;
    laser_flash_t* flash_lower = nullptr;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    struct flags_t {
        bool spin;
        bool spread = false;
        bool laser = false;
        bool twin = false;
    };
    // The phase's step; true when it ended and the next phase runs in the same frame.
    bool run_phase(flags_t& f);
};

// Cuts the first meteor it touches.
class laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    void move_x(int32_t) override {}
};

class laser_flash_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    // A running flash is not restarted.
    void start() override;
};

} // namespace twister003
