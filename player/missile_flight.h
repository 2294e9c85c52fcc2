// What the homing, snake and vertical missiles share: flight at a constant 3 pixels a frame along their
// direction, and the crawlers' terrain probes around their centre.
#pragma once

#include <cstdint>

class object_t;
class player_missile_t;

// Their speed field stays 0: this is how fast they fly.
constexpr float missile_flight_speed = 3.0f;
// The crawlers turn toward the heading their probes choose by at most this many steps a frame.
constexpr int32_t crawl_turn_limit = 5;

// One step of missile_flight_speed along direction d (0..63).
void fly_along(object_t& missile, int32_t d);

// Whether a terrain layer holding a picture has a solid pixel in the 4 x 4 square centred on
// (x + dx, y + dy) of position; + is ahead and down.
bool solid_near(const float* position, int32_t dx, int32_t dy);

// After a crawler's move: outside the bounds it dies; inside, its centre square touching solid terrain
// costs it one hit point. Returns whether it was inside.
bool crawl_contact(player_missile_t& missile);
