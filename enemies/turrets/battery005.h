// Battery005: an indestructible wall turret that slides to and fro along its wall and every 128 of its
// on-screen frames pushes a segmented beam out of the wall and draws it back; the beam hurts only while
// at least half out.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <cstdint>

namespace battery005 {

class laser_ctr_t;
class laser_t;

class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    // The patrol's centre moves with the scenery.
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    void damage(int32_t) override {}

    int32_t direction = 0; // of the beam: 0 right, 1 up, 2 left, 3 down
    float speed = 0;
    float amplitude = 0;
    float base_x = 0;
    float base_y = 0;
    laser_ctr_t* laser = nullptr;
    int32_t state = 0;
    uint32_t clock = 0; // on-screen frames

  private:
    void patrol();
};

// Keeps the segments lined up in front of the body and grows or shrinks them one step every 4 frames.
class laser_ctr_t : public missile_t {
  public:
    laser_ctr_t(const objectinfo_t* info, uint32_t key) : missile_t(info, key) {}

    void update() override;
    void start() override;
    // Only starts the retraction.
    void kill() override { stopping = 1; }
    void set_direction(int32_t d);

    laser_t* first = nullptr;
    int32_t direction = 0;
    int32_t pattern_base = 0; // 0 horizontal, 8 vertical
    uint8_t stopping = 1;
    int32_t clock = 0; // frames since the beam was started
};

// A segment: placed, shown and switched by its controller alone.
class laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override {}
    void start() override {}
    void kill() override {}
    void damage(int32_t) override {}
    // Harmless below half extension.
    int32_t contact_damage() override;

    laser_t* next = nullptr;
};

} // namespace battery005
