// Effects: an animation of the record's hit-point count of patterns, one every period frames, that
// kills itself at the end; moving fragments, the pooled hit sparks and the effects that do not scroll.
#pragma once

#include "objects/object.h"

class explosion_t : public object_t {
  public:
    explosion_t(const objectinfo_t* info, uint32_t key);

    void update() override;
    void start() override;

    object_t* owner = nullptr;
    uint32_t period = 2;  // frames per pattern
    uint32_t counter = 0; // updates since the last start
    uint32_t key;

  protected:
    // Next pattern at every multiple of the period, death after the last one.
    void step_pattern();
};

class active_explosion_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void update() override;

    float vx = 0;
    float vy = 0;
    float speed = 0;
    int32_t accel = 0; // hundredths of a pixel per frame per frame
    int32_t direction = 0;

  protected:
    void aim_velocity();
};

class hit_spark_t : public active_explosion_t {
  public:
    using active_explosion_t::active_explosion_t;

    void start() override;
    void update() override;

    float start_speed = 0;
};

// A window marker in the explosion list; it stays where it was made.
class explosion_skipper_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
};

class mothership_explosion_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void move_x(int32_t) override {}
};
