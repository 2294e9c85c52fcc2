// The extra-life object: when the ship's centre enters it, one more life; then it rises and fades out.
#pragma once

#include "objects/enemy.h"

class oneup_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void update() override;
    void damage(int32_t) override {}
    // The draw effect follows the rise.
    int32_t blend_mode() override { return rise; }

    int32_t rise = 256;
    int32_t state = 0; // waiting, rising (1)
    uint32_t timer = 0;
};
