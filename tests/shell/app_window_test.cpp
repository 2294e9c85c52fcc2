#include "platform/keyboard.h"
#include "shell/app_window.h"
#include "tests/shell/support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t full_screen_mode = 0x102801E0;

struct geometry_t {
    plat::rect_t outer;
    plat::rect_t client;
};

geometry_t geometry_for_scale(int32_t blit_scale) {
    app_window_t w(0, blit_scale);
    EXPECT_TRUE(w.create(nullptr));
    geometry_t g;
    plat::get_window_rect(w.handle(), &g.outer);
    plat::get_client_rect(w.handle(), &g.client);
    w.destroy();
    drain_messages();
    return g;
}

} // namespace

TEST(app_window, the_window_mode_client_area_is_256_times_the_bounded_blit_scale_and_centred) {
    for (const auto& [scale, side] :
         {std::pair{0, 256}, {1, 256}, {2, 512}, {3, 768}, {-4, 256}, {99, 4096}}) {
        const geometry_t g = geometry_for_scale(scale);
        EXPECT_EQ(g.client.right, side) << scale;
        EXPECT_EQ(g.client.bottom, side) << scale;
        const int32_t outer_width = g.outer.right - g.outer.left;
        const int32_t outer_height = g.outer.bottom - g.outer.top;
        EXPECT_EQ(g.outer.left, (plat::screen_width() - outer_width) / 2) << scale;
        EXPECT_EQ(g.outer.top, (plat::screen_height() - outer_height) / 2) << scale;
    }
}

TEST(app_window, full_screen_covers_the_screen_and_hides_the_cursor_while_it_exists) {
    const int shown = plat::show_cursor(true);
    plat::show_cursor(false);
    {
        app_window_t w(full_screen_mode, 2);
        EXPECT_EQ(plat::show_cursor(true), shown - 1);
        plat::show_cursor(false);
        ASSERT_TRUE(w.create(nullptr));
        plat::rect_t client;
        plat::get_client_rect(w.handle(), &client);
        EXPECT_EQ(client.right, plat::screen_width());
        EXPECT_EQ(client.bottom, plat::screen_height());
        w.destroy();
    }
    EXPECT_EQ(plat::show_cursor(true), shown);
    plat::show_cursor(false);
    drain_messages();
}

TEST(app_window, the_title_carries_the_product_version_and_an_optional_name) {
    app_window_t w(0, 1);
    ASSERT_TRUE(w.create(nullptr));
    EXPECT_EQ(w.text(), "");
    w.set_text(nullptr);
    EXPECT_EQ(w.text(), "MELVORIN ver1.85");
    w.set_text("run.ply");
    EXPECT_EQ(w.text(), "MELVORIN ver1.85 - [run.ply]");
    w.destroy();
    drain_messages();
}

TEST(app_window, key_downs_reach_the_handler_once_each_and_are_swallowed_without_one) {
    app_window_t w(0, 1);
    ASSERT_TRUE(w.create(nullptr));
    EXPECT_EQ(w.send(plat::wm_keydown, 'Z', 0), 0);
    std::vector<int32_t> keys;
    w.set_key_handler([&keys](int32_t key) { keys.push_back(key); });
    for (const int key : {int('Z'), int('Z'), plat::vk_space}) { // a held key repeats its key-down
        w.post(plat::wm_keydown, plat::wparam_t(key), 0);
    }
    w.post(plat::wm_keyup, 'Z', 0);
    plat::message_t msg;
    while (plat::peek_message(&msg, true)) {
        plat::dispatch_message(msg);
    }
    EXPECT_EQ(keys, (std::vector<int32_t>{'Z', 'Z', plat::vk_space}));
    w.destroy();
    drain_messages();
}

// A window of each mode, side by side.
class app_window_modes : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(windowed.create(nullptr));
        ASSERT_TRUE(full.create(nullptr));
    }
    void TearDown() override {
        windowed.destroy();
        full.destroy();
        drain_messages();
    }

    app_window_t windowed{0, 1};
    app_window_t full{full_screen_mode, 1};
};

TEST_F(app_window_modes, the_client_area_drags_the_window_only_in_window_mode) {
    EXPECT_EQ(windowed.send(plat::wm_nchittest, 0, 0), plat::ht_caption);
    EXPECT_EQ(full.send(plat::wm_nchittest, 0, 0), plat::ht_client);
}

TEST_F(app_window_modes, moves_recompute_the_view_only_in_window_mode) {
    int windowed_views = 0;
    int full_views = 0;
    windowed.set_view_handler([&windowed_views] { ++windowed_views; });
    full.set_view_handler([&full_views] { ++full_views; });
    windowed.send(plat::wm_move, 0, 0);
    windowed.send(plat::wm_size, 0, 0);
    full.send(plat::wm_move, 0, 0);
    EXPECT_EQ(windowed_views, 2);
    EXPECT_EQ(full_views, 0);
}

TEST(app_window, closing_the_window_ends_the_message_loop) {
    drain_messages();
    app_window_t w(0, 1);
    ASSERT_TRUE(w.create(nullptr));
    w.post(plat::wm_close, 0, 0);
    plat::message_t msg;
    bool quit = false;
    for (int pass = 0; pass < 100 && !quit; ++pass) {
        while (!quit && plat::peek_message(&msg, true)) {
            quit = msg.message == plat::wm_quit;
            plat::dispatch_message(msg);
        }
    }
    EXPECT_TRUE(quit);
    EXPECT_FALSE(plat::is_window(w.handle()));
}
