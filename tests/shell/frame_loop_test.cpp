#include "platform/clock.h"
#include "platform/file.h"
#include "platform/window.h"
#include "shell/app_window.h"
#include "shell/frame_loop.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A clock that moves one millisecond each time it is read, from a chosen start.
class fake_clock_t {
  public:
    explicit fake_clock_t(uint32_t start) : now_(start) {
        plat::set_clock_for_test([this] { return now_++; });
    }
    ~fake_clock_t() { plat::set_clock_for_test(nullptr); }
    uint32_t peek() const { return now_ - 1; } // what the last reading gave
    void jump(uint32_t ms) { now_ += ms; }

  private:
    uint32_t now_;
};

class frame_loop : public ::testing::Test {
  protected:
    void SetUp() override {
        drain_messages();
        plat::make_directory("log");
    }
    void TearDown() override {
        plat::set_clock_for_test(nullptr);
        drain_messages();
        g_vsync = false;
    }

    // Records when each frame starts, runs after, and posts the quit message at the count-th frame.
    loop_hooks_t frames_until(size_t count, fake_clock_t& clock, std::function<void()> after = {}) {
        loop_hooks_t hooks;
        hooks.update = [this, count, &clock, after] {
            starts.push_back(clock.peek());
            if (after) {
                after();
            }
            if (starts.size() == count) {
                plat::post_quit_message(0);
            }
        };
        return hooks;
    }

    temp_folder_t dir;
    std::vector<uint32_t> starts;
};

} // namespace

// The title scene sets g_vsync while it exists; the loop keeps the pacing it started with.
TEST_F(frame_loop, timer_pacing_alternates_16_and_17_milliseconds_whatever_g_vsync_becomes) {
    fake_clock_t clock(0);
    run_message_loop(false, frames_until(4, clock, [] { g_vsync = true; }));
    EXPECT_EQ(starts, (std::vector<uint32_t>{16, 33, 49, 66}));
}

// A clock that stands still except in the loop's sleeps, which may wake late: the loop sleeps once between
// frames instead of spinning, and each interval counts from the frame's actual start.
TEST_F(frame_loop, timer_pacing_sleeps_until_each_frame_is_due) {
    for (const uint32_t late : {0u, 1u}) {
        uint32_t now = 100;
        int sleeps = 0;
        plat::set_clock_for_test([&now] { return now; },
                                 [&](uint32_t ms) {
                                     ++sleeps;
                                     now += ms + late;
                                 });
        starts.clear();
        loop_hooks_t hooks;
        hooks.update = [&] {
            EXPECT_TRUE(g_timer_paced); // so frames skip the vertical-blank wait
            starts.push_back(now);
            if (starts.size() == 6) {
                plat::post_quit_message(0);
            }
        };
        run_message_loop(false, hooks);
        std::vector<uint32_t> intervals;
        for (size_t i = 1; i < starts.size(); ++i) {
            intervals.push_back(starts[i] - starts[i - 1]);
        }
        EXPECT_EQ(starts.front(), 116 + late);
        EXPECT_EQ(intervals, (std::vector<uint32_t>{17 + late, 16 + late, 17 + late, 16 + late, 17 + late}));
        EXPECT_EQ(sleeps, 6);
    }
}

TEST_F(frame_loop, timer_pacing_measures_across_the_wrap_of_the_clock) {
    fake_clock_t clock(0xFFFFFFF8u);
    run_message_loop(false, frames_until(2, clock));
    EXPECT_EQ(starts, (std::vector<uint32_t>{8, 25}));
}

TEST_F(frame_loop, a_late_frame_is_not_made_up) {
    fake_clock_t clock(0);
    run_message_loop(false, frames_until(3, clock, [&] {
                         if (starts.size() == 1) {
                             clock.jump(40); // the first frame takes 40 ms
                         }
                     }));
    EXPECT_EQ(starts, (std::vector<uint32_t>{16, 57, 73}));
}

TEST_F(frame_loop, waiting_messages_go_before_the_next_frame) {
    app_window_t w(0, 1);
    ASSERT_TRUE(w.create(nullptr));
    drain_messages();
    std::vector<int> order; // 1 a message, 0 a frame
    w.set_key_handler([&order](int32_t) { order.push_back(1); });
    for (int i = 0; i < 3; ++i) {
        w.post(plat::wm_keydown, 'Z', 0);
    }
    loop_hooks_t hooks;
    hooks.update = [&order] {
        order.push_back(0);
        plat::post_quit_message(0);
    };
    run_message_loop(true, hooks);
    w.destroy();
    EXPECT_EQ(order, (std::vector<int>{1, 1, 1, 0}));
}

TEST_F(frame_loop, lost_surfaces_wait_for_activation_then_one_restore_replaces_that_frame) {
    plat::set_clock_for_test([] { return 5u; });
    bool lost = true;
    bool active = false;
    int lost_checks = 0;
    std::vector<int> frames_at_restore;
    int frames = 0;
    loop_hooks_t hooks;
    hooks.surfaces_lost = [&] {
        if (++lost_checks == 5) {
            active = true; // switched back to the program
        }
        return lost;
    };
    hooks.active = [&active] { return active; };
    hooks.restore_surfaces = [&] {
        frames_at_restore.push_back(frames);
        lost = false;
        return true;
    };
    hooks.update = [&frames] {
        if (++frames == 2) {
            plat::post_quit_message(0);
        }
    };
    run_message_loop(true, hooks);
    EXPECT_EQ(frames_at_restore, std::vector<int>{0}); // one restore, while nothing ran
    EXPECT_EQ(lost_checks, 7); // five while lost (the fifth restores), then one per frame
    EXPECT_EQ(file_lines("log/bootlog.txt"), std::vector<std::string>{"- サーフェスをリストアしました"});
}

TEST_F(frame_loop, a_failed_restore_is_logged_and_ends_the_program) {
    plat::set_clock_for_test([] { return 5u; });
    int quits = 0;
    int frames = 0;
    loop_hooks_t hooks;
    hooks.surfaces_lost = [] { return true; };
    hooks.active = [] { return true; };
    hooks.restore_surfaces = [] { return false; };
    hooks.quit_showing_log = [&quits] {
        ++quits;
        plat::post_quit_message(0);
    };
    hooks.update = [&frames] { ++frames; };
    run_message_loop(true, hooks);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(frames, 0);
    EXPECT_EQ(file_lines("log/bootlog.txt"),
              std::vector<std::string>{"* Error: サーフェスのリストアに失敗しました"});
}
