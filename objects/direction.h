// Directions 0..63 between positions, without an arctangent, and the turn toward a direction.
#pragma once

#include <cstdint>

// tan of the boundary between direction k and k + 1 in the first quadrant, k = 0..15.
extern float direction_thresholds[16];

// from and to point to (x, y) pairs; 0 when they are the same point.
int32_t direction_to(const float* from, const float* to);

// Steps current toward target by the shorter way, at most limit steps; opposite targets turn +.
int32_t turn_direction(int32_t current, int32_t target, int32_t limit);
