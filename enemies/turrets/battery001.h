// Battery001: the floor and roof turrets that turn their barrel toward the ship within the half circle
// open to them and fire single shots from a pool of four; and the pooled-shot launch every turret shares.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

// +1, -1 or 0: the shorter way from direction `from` to `to`; a half turn counts as +1.
int32_t shorter_turn(int32_t from, int32_t to);

// The first shot of the pool that is idle (and, with an effect wanted, whose effect is idle too), started
// muzzle pixels along d from (x, y) and flying along d at speed with the pattern; the effect starts at the
// muzzle. Null, with nothing started, when every shot is busy.
missile_t* launch_pooled_shot(const std::vector<missile_t*>& shots, bool with_effect, float x, float y,
                              int32_t d, float muzzle, float speed, int32_t pattern);

namespace battery001 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void damage(int32_t n) override;
    // Along the barrel, while the ship lives.
    void fire();

    int32_t direction = 0;
    float shot_speed;
    std::vector<missile_t*> shots; // filled by the dispatcher, in the stage's enemy-shot list
    uint32_t counter = 0;          // on-screen frames
};

// Open upward: directions 0..32.
class floorbody_t : public body_t {
  public:
    using body_t::body_t;

    void update() override;
    // Whether a ship in direction aim lies in the open half.
    static bool fires_at(int32_t aim);
    // One step along way (+1, -1, 0), held inside the open half; the pattern follows.
    void turn(int32_t way);
};

// Open downward: directions 32..64, 64 kept as 0.
class roofbody_t : public body_t {
  public:
    using body_t::body_t;

    void update() override;
    static bool fires_at(int32_t aim);
    void turn(int32_t way);
};

} // namespace battery001
