// Formation controllers of the multiples: where the attached multiples fly, from a log of the ship's
// recent positions. The ship drives its controller every frame; the equipper attaches multiples through
// it.
#pragma once

#include "player/poslog.h"

#include <cstdint>
#include <vector>

class multiple_t;
class player_piveter_t;

class mulctr_t {
  public:
    // multiples: the ship's list of attached multiples, in attach order.
    mulctr_t(player_piveter_t* ship, std::vector<multiple_t*>& multiples);
    virtual ~mulctr_t() = default;
    mulctr_t(const mulctr_t&) = delete;
    mulctr_t& operator=(const mulctr_t&) = delete;

    virtual void reset(float x, float y) = 0;
    virtual void shift_y(int32_t dy) = 0;
    virtual void on_button(bool held) = 0;
    virtual void update(bool moving) = 0;
    virtual bool add_multiple(multiple_t* m) = 0;

    void fire_shots();
    void fire_missiles();

    player_piveter_t* ship; // not owned
    std::vector<multiple_t*>& multiples;
    poslog_t log{trail_length};

  protected:
    static constexpr uint32_t trail_length = 40;

    // Each attached multiple at position (x, y), as after a reset.
    void place_all_at(float x, float y);
};

// Strings the multiples along the ship's path, 8 log entries apart; holding the multiple key freezes the
// formation's shape so that it moves rigidly with the ship.
class mulctr_freeze_t : public mulctr_t {
  public:
    using mulctr_t::mulctr_t;

    void reset(float x, float y) override;
    void shift_y(int32_t dy) override;
    void on_button(bool held) override;
    void update(bool moving) override;
    bool add_multiple(multiple_t* m) override;

    float frozen_x = 0; // the ship's position when the formation froze
    float frozen_y = 0;
    uint8_t frozen = 0;

  private:
    // Multiple i at log entry 8(i + 1), moved by the ship's displacement while frozen.
    void place_on_trail();
};

// A two-rank formation behind the ship whose vertical spacing (0..48) the multiple key opens and closes.
class mulctr_spacing_t : public mulctr_t {
  public:
    using mulctr_t::mulctr_t;

    void reset(float x, float y) override;
    void shift_y(int32_t dy) override;
    void on_button(bool held) override;
    void update(bool moving) override;
    bool add_multiple(multiple_t* m) override;

    int32_t spacing = 0;
    int32_t opening = 0; // 0 closing, 1 opening
    uint8_t held = 0;
};
