// The double shot: one shot straight ahead and its partner along an aim that the player turns while
// holding the multiple key. The pair can be fired again only when both shots are spent.
#pragma once

#include "player/player_missile.h"

// The partner's direction, 0..63. It lasts from play to play; the gauge sets 8 when the double shot is
// equipped.
extern int32_t dbl_aim;

// Turns the aim one step toward target by the shorter way.
void direction_delta(int32_t target);

namespace dbl {

// What both shots of a pair share: a spent shot is parked at (-9999, 0) until the pair is killed.
class pair_shot_t : public player_missile_t {
  public:
    using player_missile_t::player_missile_t;

    void move_x(int32_t) override {}
    // Any positive damage ends the shot at once with its effect; hit points are not used.
    void damage(int32_t n) override;
    bool is_in_bounds() override;

    void spend();
    // One step along the velocity; leaving the bounds spends the shot.
    void fly();

    uint8_t spent = 0;
};

class shot2_t;

// The shot that a firer claims; it drives its partner.
class shot1_t : public pair_shot_t {
  public:
    using pair_shot_t::pair_shot_t;

    // Kills the pair once both shots were spent before this update.
    void update() override;
    // Fires both shots from this shot's position.
    void start() override;
    void kill() override;
    void set_owner(object_t* object) override;

    shot2_t* partner = nullptr; // not owned
};

class shot2_t : public pair_shot_t {
  public:
    using pair_shot_t::pair_shot_t;

    void update() override;
    // The pair's first shot starts and kills this one.
    void start() override {}
    void kill() override {}
};

} // namespace dbl
