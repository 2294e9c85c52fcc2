// Twister006, the weaver, flies left on a vertical sine wave and fires left while the ship is on that
// side; twister008, the tracker, scrolls with the stage, lets its wave's centre follow the ship's height
// and fires right. Both carry a jet and flinch at every hit.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class jet_t;
class missile_t;

namespace twister_wave {

// What the weaver and the tracker share: the wave, the recoil, the shots and the jet.
class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key), base_y(y) {
        shots.reserve(4);
    }

    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    void start() override;
    void kill() override;
    void damage(int32_t n) override;

    jet_t* jet = nullptr;
    float base_y;
    int32_t phase = 0; // degrees 0..359
    int32_t recoil = 0;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    uint32_t fire_clock = 0;

  protected:
    // y from the wave, the jet along, the phase on.
    void ride_wave();
    // The fire clock's beat by level, while the body is on screen.
    void count_and_fire(float muzzle_dx, int32_t direction, float speed);
    void animate();
    void place_jet(float dx);
};

} // namespace twister_wave

namespace twister006 {

class body_t : public twister_wave::body_t {
  public:
    using twister_wave::body_t::body_t;

    void update() override;
    void move_x(int32_t) override {}
    void set_position(float new_x, float new_y) override;
};

} // namespace twister006

namespace twister008 {

class body_t : public twister_wave::body_t {
  public:
    using twister_wave::body_t::body_t;

    void update() override;
    void set_position(float new_x, float new_y) override;
    void start() override;
};

} // namespace twister008
