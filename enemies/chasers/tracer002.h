// Tracer002: a slower homing craft with one flame that the scroll does not carry; it aims once, keeps
// turning toward the ship while its chase window lasts, firing more often at higher levels, then turns
// away to the left.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class jet_t;
class missile_t;

namespace tracer002 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(8);
    }

    void update() override;
    void move_x(int32_t) override {}
    void kill() override;
    void damage(int32_t n) override;

    jet_t* jet = nullptr;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    int32_t direction = 0;
    int32_t state = 0; // 0 aim, 1 chase, 2 leave
    uint32_t timer = 0;
    uint32_t chase_span = 0x20000; // two sections past the key

  private:
    // One step toward want when it is more than a step off, the move, the flame and the frame count.
    void fly(int32_t want, bool fire);
};

} // namespace tracer002
