// The blocks a stage sets in the way: the wall, scenery no shot can break, whose param picks its cell,
// and the splitter, a block that breaks.
#pragma once

#include "objects/enemy.h"

#include <cstdint>

class wall_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void damage(int32_t) override {}
};

class splitter_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void damage(int32_t n) override;
};
