// The pole: an armoured column that slides up and down the screen, an invisible controller moving an
// upper and a lower piece with their turrets and a joint whose own turret's death blows the joint up.
#pragma once

#include "objects/enemy.h"

#include <cstdint>

namespace battery002 {
class body_t;
}
namespace battery003 {
class body_t;
}
namespace battery006 {
class body_t;
}

namespace pole {

// A column piece: shots on it do nothing; only its turrets can be hurt.
class body_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void damage(int32_t) override {}

    battery003::body_t* left_turret = nullptr;  // facing -x
    battery003::body_t* right_turret = nullptr; // facing +x
    battery006::body_t* tracking_turret = nullptr;
};

// Its turrets below it.
class upper_body_t : public body_t {
  public:
    using body_t::body_t;

    void set_position(float new_x, float new_y) override;
};

// Its turrets above it.
class lower_body_t : public body_t {
  public:
    using body_t::body_t;

    void set_position(float new_x, float new_y) override;
};

class joint_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // 64 frames after its turret died it destroys itself: explosion, score and the pole's item.
    void update() override;
    void set_position(float new_x, float new_y) override;
    void kill() override;
    void damage(int32_t) override {}

    battery002::body_t* turret = nullptr;
    uint32_t countdown = 0; // frames since the turret died
};

class ctr_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // Slides the column between y = 90 and y = 166 once on screen; gone past x = -32.
    void update() override;
    void set_position(float new_x, float new_y) override;
    // The controller, the pieces and the joint vanish without explosions; the turrets stay.
    void kill() override;
    void damage(int32_t) override {}

    float speed = 0;
    upper_body_t* upper = nullptr;
    lower_body_t* lower = nullptr;
    joint_t* joint = nullptr;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    void step();
    // Toward the end at limit (up when way is -1): true while on the way.
    bool travel(float limit, int32_t way);
    // Slowing down along way: true while still moving.
    bool brake(int32_t way);
};

} // namespace pole
