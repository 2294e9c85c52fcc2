// The fish: a large, slow flyer with two jets that drifts left firing volleys straight ahead and, from
// level 2, fans whose rate and speed grow with the level; badly hurt, it bursts in debris and dies.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class jet_t;
class missile_t;

class fish_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void get_rect(plat::rect_t& out) override;
    void kill() override;
    void damage(int32_t n) override;

    jet_t* jet_a = nullptr;
    jet_t* jet_b = nullptr;
    std::vector<missile_t*> volley_shots;
    std::vector<missile_t*> fan_shots;
    uint32_t fan_index = 0;
    mul_explosion_t debris; // its `next` is the debris index
    uint32_t state = 0;     // 0 swimming, 1000 dying
    uint32_t timer = 0;

  private:
    void swim();
    void die_slowly();
    void fire_volley_shot();
    void fire_fan_shot(float speed);
};
