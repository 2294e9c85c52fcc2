// The mothership: a carrier standing on the screen that shrinks into the distance, is torn apart by a
// timed chain of explosions, flashes the screen white and blows itself up; shots cannot hurt it.
#pragma once

#include "objects/big_explosion.h"
#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class longflash_control_t;

// A horizontal flash that widens row by row of its picture once started; it keeps its screen place.
class horzflash_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void move_x(int32_t) override {}

    int32_t counter = 0;
};

class mothership_t : public enemy_t {
  public:
    mothership_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    int32_t scale() override { return draw_scale; }
    void damage(int32_t) override {}
    int32_t image_id() override { return image; }

    mul_explosion_t blasts;
    // Made with it and never started by it.
    std::vector<longflash_control_t*> flash_controls;
    object_t* flash = nullptr;
    int32_t image;
    int32_t draw_scale = 100; // percent
    uint32_t timer = 0;

  private:
    void fire_blast();
    void self_destruct();
};
