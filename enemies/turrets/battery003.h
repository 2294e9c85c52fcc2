// Battery003: a gun pod facing one of the four axes that, on the global frame counter's beat, fires a fan
// of three to five shots around its facing; all of them on screen fire on the same frames.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

namespace battery003 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void damage(int32_t n) override;
    // Facing 0 = +x, 1 = up, 2 = -x, 3 = down (reduced to 0..3), with a random phase of its animation.
    void set_facing(int32_t n);
    // Up to n shots 4 steps apart, centred on the facing, from the idle shots in list order.
    void fire(int32_t n);

    int32_t pattern_base = 0; // facing x 8
    float shot_speed;
    std::vector<missile_t*> shots; // filled by the dispatcher or the pole, in the stage's enemy-shot list
};

} // namespace battery003
