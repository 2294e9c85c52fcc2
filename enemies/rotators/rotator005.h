// Rotator005: a still turret that, while on screen, turns clockwise on the global beat and fires a cross
// of four shots every 16 frames.
#pragma once

#include "enemies/rotators/rotator_kit.h"

namespace rotator005 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(16);
    }

    void update() override;
    void damage(int32_t n) override;

    int32_t dir = 0;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    uint32_t frames = 0;

  private:
    void fire_cross(float speed);
};

} // namespace rotator005
