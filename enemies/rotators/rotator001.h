// Rotator001: a dasher that keeps its nose on the ship and, by its distance, dashes at it, backs away,
// turns tail, dashes right or stands and fires; after a section and a half-screen it dashes off left.
#pragma once

#include "enemies/rotators/rotator_kit.h"

namespace rotator001 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(8);
    }

    void update() override;
    void damage(int32_t n) override;

    int32_t dir = 0;
    float speed = 0;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    rotators::phases_t p;

  private:
    void turn_to(int32_t target);
    // On even frames of the phase, one step toward the ship.
    void aim();
    // One move along d; false once the dash has run down.
    bool dash(int32_t d);
    void fire(float s);
    void step(int32_t phase);
};

} // namespace rotator001
