#include "platform/keyboard.h"
#include "platform/window.h"
#include "platform/window_manager.h"
#include "tests/support/test_window.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <vector>

namespace {

std::vector<uint32_t> seen;

plat::lresult_t recording_proc(plat::hwnd_t w, uint32_t message, plat::wparam_t wp, plat::lparam_t lp) {
    seen.push_back(message);
    if (message == plat::wm_destroy) {
        plat::post_quit_message(0);
    }
    return plat::def_window_proc(w, message, wp, lp);
}

plat::hwnd_t make_window(const char* class_name = "test_window", plat::window_proc_t proc = recording_proc) {
    plat::window_class_t wc;
    wc.class_name = class_name;
    wc.window_proc = proc;
    plat::register_class(wc);
    plat::create_struct_t cs;
    cs.class_name = class_name;
    cs.cx = 320;
    cs.cy = 240;
    cs.x = cs.y = plat::cw_usedefault;
    return plat::create_window(cs);
}

// Runs the message loop until the quit message, as the program's loop does.
void run_until_quit() {
    plat::message_t msg;
    for (int i = 0; i < 1000 && plat::get_message(&msg); ++i) {
        plat::dispatch_message(msg);
    }
}

} // namespace

TEST(platform_window, close_destroys_the_window_and_ends_the_loop) {
    seen.clear();
    plat::hwnd_t w = make_window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(seen.front(), plat::wm_create);
    plat::rect_t client;
    ASSERT_TRUE(plat::get_client_rect(w, &client));
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 240);

    plat::post_message(w, plat::wm_close, 0, 0);
    run_until_quit();
    EXPECT_FALSE(plat::is_window(w));
    EXPECT_EQ(seen.back(), plat::wm_destroy);
}

TEST(platform_window, termination_signal_takes_the_normal_close_path) {
    seen.clear();
    plat::hwnd_t w = make_window();
    ASSERT_NE(w, nullptr);
    plat::message_t msg;
    plat::peek_message(&msg, false); // installs the handlers
    std::raise(SIGTERM);
    run_until_quit();
    EXPECT_FALSE(plat::is_window(w));
    EXPECT_NE(std::find(seen.begin(), seen.end(), plat::wm_close), seen.end());
}

TEST(platform_window, key_states_by_virtual_key_code) {
    plat::clear_key_states();
    EXPECT_EQ(plat::get_async_key_state('Z'), 0);
    plat::set_key_state('Z', true);
    EXPECT_NE(plat::get_async_key_state('Z') & 0x8000, 0);
    EXPECT_EQ(plat::get_async_key_state(999), 0);
    plat::clear_key_states();
    EXPECT_EQ(plat::get_async_key_state('Z'), 0);
}

namespace {

int destroys = 0;

plat::lresult_t self_destroying_proc(plat::hwnd_t w, uint32_t message, plat::wparam_t wp, plat::lparam_t lp) {
    if (message == plat::wm_destroy) {
        ++destroys;
        plat::destroy_window(w); // as a handler tidying up might
    }
    return plat::def_window_proc(w, message, wp, lp);
}

} // namespace

TEST(platform_window, a_destroyed_window_leaves_no_messages_and_is_destroyed_once) {
    seen.clear();
    plat::hwnd_t w = make_window();
    ASSERT_NE(w, nullptr);
    plat::post_message(w, plat::wm_move, 0, 0);
    plat::post_message(w, plat::wm_size, 0, 0);
    ASSERT_TRUE(plat::destroy_window(w));
    plat::message_t msg;
    bool quit_seen = false;
    while (plat::peek_message(&msg, true)) {
        EXPECT_NE(msg.window, w); // a later window at the same address must not receive these
        quit_seen = quit_seen || msg.message == plat::wm_quit;
    }
    EXPECT_TRUE(quit_seen);

    plat::hwnd_t again = make_window("self_destroying", self_destroying_proc);
    ASSERT_NE(again, nullptr);
    destroys = 0;
    EXPECT_TRUE(plat::destroy_window(again));
    EXPECT_EQ(destroys, 1);
    EXPECT_FALSE(plat::is_window(again));
}

// Without a window manager a display mode is a borderless window over the whole display, not SDL's full
// screen; leaving it gives the window back its place, size and border.
TEST(platform_window, a_display_mode_without_a_window_manager_covers_the_display) {
    for (const bool bordered : {false, true}) {
        SCOPED_TRACE(bordered ? "bordered" : "borderless");
        plat::window_class_t wc;
        wc.class_name = "covering_window";
        wc.window_proc = plat::def_window_proc;
        plat::register_class(wc);
        plat::create_struct_t cs;
        cs.class_name = wc.class_name;
        cs.style = bordered ? 0 : plat::ws_popup;
        cs.x = 10;
        cs.y = 20;
        cs.cx = 64;
        cs.cy = 48;
        const plat::hwnd_t window = plat::create_window(cs);
        plat::show_window(window, true);
        SDL_Window* sdl = plat::sdl_window(window);
        SDL_Rect display{};
        ASSERT_EQ(SDL_GetDisplayBounds(0, &display), 0);
        plat::force_window_manager_for_test(false);
        ASSERT_TRUE(plat::set_window_display_mode(window, 640, 480));
        int x = -1, y = -1, w = 0, h = 0;
        SDL_GetWindowPosition(sdl, &x, &y);
        SDL_GetWindowSize(sdl, &w, &h);
        EXPECT_EQ((std::vector<int>{x, y, w, h}),
                  (std::vector<int>{display.x, display.y, display.w, display.h}));
        EXPECT_EQ(SDL_GetWindowFlags(sdl) & SDL_WINDOW_FULLSCREEN,
                  0u); // the border goes where the driver can
        plat::rect_t client;
        plat::get_client_rect(window, &client);
        EXPECT_EQ(client.right, 640);

        ASSERT_TRUE(plat::set_window_display_mode(window, 0, 0));
        SDL_GetWindowPosition(sdl, &x, &y);
        SDL_GetWindowSize(sdl, &w, &h);
        EXPECT_EQ((std::vector<int>{x, y, w, h}), (std::vector<int>{10, 20, 64, 48}));
        EXPECT_EQ((SDL_GetWindowFlags(sdl) & SDL_WINDOW_BORDERLESS) == 0, bordered);
        plat::force_window_manager_for_test(std::nullopt);
        plat::destroy_window(window);
    }
}
