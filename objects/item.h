// Items the ship picks up: dropped where their carrier dies, or thrown out by the ship, in which case they
// fly off for 128 frames, bouncing off the screen edges and slowing down, before they settle.
#pragma once

#include "objects/object.h"

class item_t : public object_t {
  public:
    explicit item_t(const objectinfo_t* info);

    void update() override;
    // Scrolling carries only an item that is not travelling; far off screen it dies.
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void start() override;
    bool is_flashing() override { return flash != 0; }
    // Throws the item from pos (an (x, y) pair) along direction at speed.
    void release(const float* pos, int32_t travel_direction, float travel_speed);

    uint8_t flash = 0;
    uint8_t released = 0;
    int32_t direction = 0;
    float speed = 0;
    int32_t state = 0;  // idle, travelling (100), settling (200)
    uint32_t timer = 0; // frames in the current state

  protected:
    // The state rule of the class, run again in the same update whenever it changes the state.
    virtual void run_state();
    // 128 travel steps, then settling.
    void travel();
    void travel_step();
    void settle();
};

// The item of the capsule play mode; it behaves as any item.
class capsule_item_t : public item_t {
  public:
    using item_t::item_t;
};

// Alternates every 128 frames between a speed-up (35) and a speed-down (36) item.
class speed_item_t : public item_t {
  public:
    using item_t::item_t;

    void kill() override;
    int32_t type_id() override { return kind; }

    int32_t kind = 34; // until its first update after a start

  protected:
    void run_state() override;
};
