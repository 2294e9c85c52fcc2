// The final boss's weapons: reflecting lasers that mirror off the terrain, the big laser that grows out
// of the core one segment at a time, bending lasers that drag a trail of segments into a pincer, and the
// core's missiles. All are pooled, made at stage load and started by the body or the core.
#pragma once

#include "objects/missile.h"
#include "player/poslog.h"

#include <cstdint>
#include <vector>

namespace melvorin {

class core_t;

class ref_laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    void start() override;
    void damage(int32_t) override {}

    uint32_t last_reflect = 0; // frame counter at the last reflection
    int32_t freeze = 0;        // frames left standing still after a reflection
};

class big_laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    // Places nothing: the first segment places itself, the others are placed by the one ahead.
    void start() override;
    void damage(int32_t) override {}

    core_t* core = nullptr;
    big_laser_t* prev = nullptr; // toward the beam's far end
    big_laser_t* next = nullptr; // toward the core
    int32_t phase = 0;
    uint32_t phase_timer = 0;

  private:
    bool run_phase();
    // Starts the next segment at (at_x, at_y) unless there is none or it runs.
    void start_next(float at_x, float at_y);
};

class bend_laser_t : public missile_t {
  public:
    bend_laser_t(const objectinfo_t* info, uint32_t key) : missile_t(info, key), trail(segment_count) {
        segments.reserve(16);
    }

    void update() override;
    // The trail moves with the laser.
    void move_x(int32_t d) override;
    void start() override;
    // Its segments die with it.
    void kill() override;
    void damage(int32_t) override {}

    static constexpr uint32_t segment_count = 12;

    std::vector<missile_t*> segments; // segment i sits where the laser was i updates ago
    poslog_t trail;
    int32_t phase = 0;
    uint32_t phase_timer = 0;

  private:
    bool run_phase();
    void move();
    void head(int32_t new_direction);
};

class core_missile_t : public missile_t {
  public:
    using missile_t::missile_t;

    void update() override;
    void start() override;
};

} // namespace melvorin
