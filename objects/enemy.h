// The base of every enemy, enemy part, turret, piece of scenery and boss part: it carries the object it
// releases where it dies, scores when it dies, and enters its list's window at its appearance key.
#pragma once

#include "objects/object.h"

class enemy_t : public piveter_t {
  public:
    enemy_t(const objectinfo_t* info, float x, float y, uint32_t key) : piveter_t(info, x, y), key(key) {}

    // Whenever the enemy is dead after the hit (also when it was dead before), it drops what it carries
    // and scores: so only live enemies may be damaged.
    void damage(int32_t n) override;
    virtual void set_carried(object_t* object) { carried = object; }
    // Starts the carried object at this position unless it is alive already.
    virtual void drop_carried();
    virtual object_t* get_carried() { return carried; }
    // Paid after the kill score; bosses have one.
    virtual int32_t bonus() { return 0; }

    object_t* carried = nullptr; // not owned
    uint32_t key;
};

// A window marker in an enemy list: it stays where it was placed and ignores every hit.
class enemy_skipper_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t) override {}
};
