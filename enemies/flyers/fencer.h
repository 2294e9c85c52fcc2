// The fencer: enters to the left, then loops on the spot firing aimed shots when the ship comes close,
// until the stage has moved a section past it; then it leaves to the left.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

namespace fencer {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(4);
    }

    void update() override;
    void move_x(int32_t) override {}
    void damage(int32_t n) override;
    // One idle shot of its own at the ship.
    void fire(float speed);

    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    int32_t direction = 0;         // also its pattern
    int32_t turn = 0;              // 1 loops counter-clockwise, anything else clockwise
    int32_t state = 0;             // 0 enter, 1 and 2 loop, 100 leave
    uint32_t timer = 0;
    uint32_t stay = 0x10000; // one section past its key

  private:
    // The state step; true when it loops this frame.
    bool step_state();
};

} // namespace fencer
