// The base of every object the player fires, and the drifting hit effects of the player's weapons.
#pragma once

#include "objects/explosion.h"
#include "objects/missile.h"

struct terrain_row_t;

// The ship's parameter record: weapons fired by it are heard, a multiple's are silent.
constexpr int32_t ship_record_id = 44;

class player_missile_t : public missile_t {
  public:
    explicit player_missile_t(const objectinfo_t* info) : missile_t(info, 0) {}

    // Moves right by speed only; vx and vy are not used.
    void update() override;
    // Parked objects at x = -9999 count as inside.
    bool is_in_bounds() override;
    void check_bg_hit() override;

    // Sets the speed and the velocity along the current direction.
    void set_speed(float new_speed);

  protected:
    // Requests the effect only when the ship itself fired: multiples fire silently.
    void request_se_if_fired_by_ship(int32_t id);
    // The row's probes at the truncated position; on a hit 9999 damage, then the row's crater.
    void strike_terrain(const terrain_row_t& row);
};

// Plays its patterns while drifting left one pixel per update.
class player_missile_explosion_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void update() override;
};

// The long laser's hit effect: it drifts 3.5 pixels per update.
class longlaser_explosion_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    void update() override;
};
