// The base of every shot, laser and missile: flies with a constant velocity, dies when it leaves the
// playfield or hits solid background, and starts its linked effect where it dies.
#pragma once

#include "objects/object.h"

class missile_t : public object_t {
  public:
    missile_t(const objectinfo_t* info, uint32_t key);

    void update() override;
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }
    virtual bool is_in_bounds();
    // A shot over a solid pixel of a terrain layer deals itself 9999 damage.
    virtual void check_bg_hit();
    virtual void set_owner(object_t* object) { owner = object; }
    virtual object_t* get_owner() { return owner; }
    // Moves the effect there (also while it runs) and starts it unless it runs.
    virtual void start_effect_at(float at_x, float at_y);

    object_t* owner = nullptr;  // not owned
    object_t* effect = nullptr; // not owned
    float speed = 0;
    float vx = 0;
    float vy = 0;
    int32_t direction = 0;
    uint32_t key;
};

// The common enemy shot of the stage's pool: its pattern cycles 0..3 on even frames.
class common_missile1_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
};

// The pool's shot from the second loop on: the horizontal scroll does not carry it.
class common_missile2_t : public common_missile1_t {
  public:
    using common_missile1_t::common_missile1_t;

    void move_x(int32_t) override {}
};

// A window marker in the enemy-shot list; it stays where it was made.
class missile_skipper_t : public missile_t {
  public:
    using missile_t::missile_t;

    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
};

// A laser that flies along a whole-degree angle of the 360-step tables, kept in direction.
class tripus_laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
};
