#include "objects/motion.h"

#include "objects/trig_tables.h"

void motion_t::set(float start_x, float start_y, float target_x, float target_y, float step) {
    motion_done = 0;
    motion_start[0] = start_x;
    motion_start[1] = start_y;
    motion_target[0] = target_x;
    motion_target[1] = target_y;
    motion_amp[0] = target_x - start_x;
    motion_amp[1] = target_y - start_y;
    motion_angle = 270;
    motion_step = step;
}

motion_point_t motion_t::step() {
    if (motion_angle > 360) {
        motion_done = 1;
        return {motion_target[0], motion_target[1]};
    }
    const float c = cos_deg(motion_angle);
    const motion_point_t at{motion_start[0] + motion_amp[0] * c, motion_start[1] + motion_amp[1] * c};
    motion_angle += motion_step;
    return at;
}
