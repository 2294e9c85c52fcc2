// The hatch: a fixed hatchway that holds a twister002 chain, opens, releases it at its own position,
// closes, and opens again whenever the released chain has ended; destroyed from level 3 on it throws a
// ring of 16 shots.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;
namespace twister002 {
class leader_t;
}

class hatch_t : public enemy_t {
  public:
    hatch_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(16);
    }

    void update() override;
    void damage(int32_t n) override;

    // The chain waits inside, switched off without explosion or item.
    void attach_children(twister002::leader_t* leader);
    // One step of the opening (pattern 0 closed .. 7 open) every 4 frames; false once fully open.
    bool open_step();
    // One step back every 4 frames; false once fully closed.
    bool close_step();
    // The chain from the hatch's position: 2 members at level 1, 4 at level 2, all from level 3.
    void launch();
    void burst();

    twister002::leader_t* children = nullptr; // null: an empty hatch, which never opens
    std::vector<missile_t*> shots;            // the ring, in the stage's enemy-shot list
    int32_t state = 0;                        // 0 closed, 1 open, 2 closing, 3 pausing
    int32_t timer = 0;
};
