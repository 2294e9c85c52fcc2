// An eased motion along a straight line, as the selection panels and the bosses glide: the cosine from
// 270 degrees up to 360 rises from 0 to 1, so the mover starts fast and settles into its target.
#pragma once

#include <cstdint>

struct motion_point_t {
    float x;
    float y;
};

struct motion_t {
    // A motion from start to target, the angle advancing by step degrees a frame from 270.
    void set(float start_x, float start_y, float target_x, float target_y, float step);
    // The position of this frame, then the angle moves on; at rest on the target once past 360 degrees.
    motion_point_t step();

    uint8_t motion_done = 1;
    float motion_start[2] = {0, 0};
    float motion_target[2] = {0, 0};
    float motion_amp[2] = {0, 0};
    float motion_angle = 0;
    float motion_step = 0;
};
