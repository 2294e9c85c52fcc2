#include "platform/clock.h"
#include "platform/file.h"
#include "platform/window.h"
#include "shell/frame_loop.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

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

    // Frames until the given count, then the quit message.
    loop_hooks_t frames_until(size_t count, fake_clock_t& clock) {
        loop_hooks_t hooks;
        hooks.update = [this, count, &clock] {
            starts.push_back(clock.peek());
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

TEST_F(frame_loop, timer_pacing_alternates_16_and_17_milliseconds_from_the_loop_start) {
    fake_clock_t clock(0);
    run_message_loop(false, frames_until(4, clock));
    EXPECT_EQ(starts, (std::vector<uint32_t>{16, 33, 49, 66}));
}

TEST_F(frame_loop, timer_pacing_measures_across_the_wrap_of_the_clock) {
    fake_clock_t clock(0xFFFFFFF8u);
    run_message_loop(false, frames_until(2, clock));
    EXPECT_EQ(starts, (std::vector<uint32_t>{8, 25}));
}

TEST_F(frame_loop, a_late_frame_is_not_made_up) {
    fake_clock_t clock(0);
    loop_hooks_t hooks = frames_until(3, clock);
    const auto timed = hooks.update;
    hooks.update = [&] {
        timed();
        if (starts.size() == 1) {
            clock.jump(40); // the first frame takes 40 ms
        }
    };
    run_message_loop(false, hooks);
    EXPECT_EQ(starts, (std::vector<uint32_t>{16, 57, 73}));
}

TEST_F(frame_loop, the_pacing_mode_is_chosen_once_when_the_loop_starts) {
    fake_clock_t clock(0);
    loop_hooks_t hooks = frames_until(3, clock);
    const auto timed = hooks.update;
    hooks.update = [&] {
        timed();
        g_vsync = true; // as the title scene does while it exists
    };
    run_message_loop(false, hooks);
    EXPECT_EQ(starts, (std::vector<uint32_t>{16, 33, 49}));
}

TEST_F(frame_loop, vsync_pacing_runs_a_frame_on_every_idle_pass) {
    plat::set_clock_for_test([] { return 5u; }); // time stands still
    int frames = 0;
    loop_hooks_t hooks;
    hooks.update = [&frames] {
        if (++frames == 3) {
            plat::post_quit_message(0);
        }
    };
    run_message_loop(true, hooks);
    EXPECT_EQ(frames, 3);
}

TEST_F(frame_loop, waiting_messages_go_before_the_next_frame) {
    std::vector<int> order;
    plat::window_class_t wc;
    wc.class_name = "frame_loop_test";
    wc.window_proc = [](plat::hwnd_t, uint32_t message, plat::wparam_t wparam,
                        plat::lparam_t) -> plat::lresult_t {
        if (message == plat::wm_keydown) {
            static_cast<std::vector<int>*>(reinterpret_cast<void*>(wparam))->push_back(1);
        }
        return 0;
    };
    plat::register_class(wc);
    plat::create_struct_t cs;
    cs.class_name = wc.class_name;
    plat::hwnd_t w = plat::create_window(cs);
    ASSERT_NE(w, nullptr);
    for (int i = 0; i < 3; ++i) {
        plat::post_message(w, plat::wm_keydown, plat::wparam_t(reinterpret_cast<uintptr_t>(&order)), 0);
    }
    loop_hooks_t hooks;
    hooks.update = [&order] {
        order.push_back(0);
        plat::post_quit_message(0);
    };
    run_message_loop(true, hooks);
    plat::destroy_window(w);
    EXPECT_EQ(order, (std::vector<int>{1, 1, 1, 0}));
}

TEST_F(frame_loop, lost_surfaces_wait_for_activation_then_one_restore_replaces_that_frame) {
    plat::set_clock_for_test([] { return 5u; });
    bool lost = true;
    bool active = false;
    int lost_checks = 0;
    int restores = 0;
    std::vector<int> frames_at_check; // how many frames had run at each restore
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
        ++restores;
        frames_at_check.push_back(frames);
        lost = false;
        return true;
    };
    hooks.update = [&frames] {
        if (++frames == 2) {
            plat::post_quit_message(0);
        }
    };
    run_message_loop(true, hooks);
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(frames_at_check, std::vector<int>{0});
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
