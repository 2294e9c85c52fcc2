// The ion blast: a short-lived spark that flies forward and, once it has touched something, drifts back
// along a direction drawn when it is made.
#pragma once

#include "player/player_missile.h"

class ionblast_t : public player_missile_t {
  public:
    // Draws the drift direction from the random generator, so the order of making is part of a replay.
    explicit ionblast_t(const objectinfo_t* info);

    uint8_t drifting = 0;
    int32_t drift_direction; // 28..36: backward, up to 4 steps above or below straight left
    float travel_speed = 0;
    uint32_t age = 0; // updates since the start
};
