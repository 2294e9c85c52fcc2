// Patroller001: a robot craft that patrols the terrain's corridors along the axes: it flies left, brakes
// before terrain, turns in place to the first free way among left, up and down, gives way to another
// patroller ahead, fires pairs of shots forward, and carries two flames behind it.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class jet_t;
class missile_t;

namespace patroller001 {

class body_t : public enemy_t {
  public:
    body_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        missiles.reserve(16);
    }

    void update() override;
    void kill() override;
    void damage(int32_t n) override;

    std::vector<missile_t*> missiles; // in the stage's enemy-shot list
    jet_t* jet_a = nullptr;
    jet_t* jet_b = nullptr;
    float speed = 0;
    int32_t direction = 0; // 0, 16, 32 or 48 while it flies
    int32_t target = 0;
    int32_t step = 0; // how far past the target a turn swings
    int32_t state = 0;
    int32_t timer = 0;

  private:
    // Runs the state; clears the flags of what the frame may not do. True when the state changed.
    bool run_state(bool& moving, bool& firing);
    void choose_way(bool& moving);
    void turn_step(bool& moving, bool& firing);
    void fire_pair();
    void switch_off_jets();
};

// Whether terrain lies within 64 pixels of (x, y) along an axis direction; any other direction: no.
bool terrain_ahead(float x, float y, int32_t direction);

} // namespace patroller001
