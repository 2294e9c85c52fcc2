// The electric barrier that flickers on, burns, flickers off and rests, hurting only while shown, and
// the lightning flash that waits, strikes, flickers and fades while drifting left, hurting at all times.
#pragma once

#include "objects/enemy.h"

#include <cstdint>

class electricity_t : public enemy_t {
  public:
    electricity_t(const objectinfo_t* info, float x, float y, uint32_t key)
        : enemy_t(info, x, y, key), image(info->image_id) {}

    void update() override;
    void damage(int32_t) override {}
    int32_t contact_damage() override { return image < 0 ? 0 : info->contact_damage; }
    int32_t image_id() override { return image; }

    int32_t image;
    int32_t state = 0;
    uint32_t timer = 0;

  private:
    // One frame of the state machine; false when the state changed (the timer then stands).
    bool step();
    void flicker();
    void advance() { pattern = (pattern + 1) % 8; }
    void enter(int32_t next, int32_t next_image);
};

class lightning_t : public enemy_t {
  public:
    lightning_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void move_x(int32_t) override {}
    void damage(int32_t) override {}
    int32_t image_id() override { return image; }

    int32_t image = -1;
    int32_t state = 0;
    uint32_t timer = 0;
    uint32_t wait;
};
