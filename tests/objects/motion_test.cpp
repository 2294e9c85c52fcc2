#include "objects/motion.h"

#include <gtest/gtest.h>

#include <cmath>

// The selection panels' two motions: they move on a fixed number of frames, then rest on the target.
TEST(motion, a_glide_ends_on_its_target_after_its_frame_count_and_rests_there) {
    struct case_t {
        float start_x, start_y, target_x, target_y, step;
        int moving_frames;
    };
    for (const case_t c : {case_t{576, 148, 128, 148, 3, 31}, case_t{208, 320, 208, 224, 4, 23}}) {
        SCOPED_TRACE(c.step);
        motion_t m;
        m.set(c.start_x, c.start_y, c.target_x, c.target_y, c.step);
        motion_point_t first = m.step();
        EXPECT_EQ(first.x, c.start_x);
        EXPECT_EQ(first.y, c.start_y);
        motion_point_t last = first;
        int frames = 1;
        for (; frames < 100; ++frames) {
            const motion_point_t at = m.step();
            if (m.motion_done) {
                EXPECT_EQ(at.x, c.target_x);
                EXPECT_EQ(at.y, c.target_y);
                break;
            }
            last = at;
        }
        EXPECT_EQ(frames, c.moving_frames);
        // The last moving frame already stands on the target's whole pixel.
        EXPECT_EQ(int32_t(last.x), int32_t(c.target_x));
        EXPECT_EQ(int32_t(last.y), int32_t(c.target_y));
    }
}
