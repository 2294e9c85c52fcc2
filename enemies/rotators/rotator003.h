// Rotator003: a body launched toward the ship that stops to aim and fire five times, then turns away
// from the screen's centre and leaves; a controller keeps a column of four of them relaunching.
#pragma once

#include "enemies/rotators/rotator_kit.h"

namespace rotator003 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key)
        : enemy_t(info, x, y, key), home_x(x), home_y(y) {
        shots.reserve(4);
    }

    void update() override;
    // Fresh at its home position.
    void start() override;
    void damage(int32_t n) override;

    float home_x;
    float home_y;
    int32_t dir = 0;
    int32_t target = 0;
    float speed = 0;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    uint32_t volleys = 0;
    rotators::phases_t p;

  private:
    void step(int32_t phase);
    void fire(float s);
};

// Invisible and untouchable: for one section past its key it restarts each body that is dead (or gone)
// once its death explosion has run out.
class ctr_t : public enemy_t {
  public:
    ctr_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        bodies.reserve(16);
    }

    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void kill() override {}
    void damage(int32_t) override {}
    int32_t max_hp() override { return 0; }
    int32_t contact_damage() override { return 0; }
    int32_t image_id() override { return -1; }

    uint32_t frames = 0;
    std::vector<body_t*> bodies; // in the stage's enemy lists
};

} // namespace rotator003
