// Worm002: a crawler of twelve parts that clings to the floor or the ceiling and creeps left along the
// terrain's contour, its bodies on the head's history.
#pragma once

#include "enemies/worms/chain.h"

#include "objects/enemy.h"
#include "player/poslog.h"

#include <cstdint>

namespace worm002 {

class head_t;

class seg_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void damage(int32_t n) override;

    seg_t* front = nullptr;
    seg_t* back = nullptr;
    int32_t bank = 0;
};

class head_t : public seg_t {
  public:
    using seg_t::seg_t;

    void update() override;
    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    // n parts; a history of 8n entries, all at the head.
    void set_length(int32_t n);

    poslog_t trail;
    int32_t on_ceiling = 0;
    int32_t dir = 0;
    int32_t length = 0;
    int32_t state = 0; // 0 not yet on the terrain, 1 crawling
    int32_t clock = 0;

  private:
    void settle();
    void crawl();
};

class body_t : public worm::follower_t<seg_t, head_t> {
  public:
    using follower_t::follower_t;

    // Dies 2 frames after the part in front.
    void update() override;
};

} // namespace worm002
