// Stand-in for the Windows window manager: one SDL window per created window, a message queue fed by
// SDL events, window procedures, window text and geometry, the cursor and the screen size.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>

struct SDL_Window;

namespace plat {

using wparam_t = uintptr_t;
using lparam_t = intptr_t;
using lresult_t = intptr_t;
using window_proc_t = lresult_t (*)(hwnd_t, uint32_t message, wparam_t, lparam_t);

// Message numbers keep their Windows values.
constexpr uint32_t wm_create = 0x0001;
constexpr uint32_t wm_destroy = 0x0002;
constexpr uint32_t wm_move = 0x0003;
constexpr uint32_t wm_size = 0x0005;
constexpr uint32_t wm_close = 0x0010;
constexpr uint32_t wm_quit = 0x0012;
constexpr uint32_t wm_activateapp = 0x001C;
constexpr uint32_t wm_nchittest = 0x0084;
constexpr uint32_t wm_keydown = 0x0100;
constexpr uint32_t wm_keyup = 0x0101;
constexpr uint32_t wm_char = 0x0102;

constexpr lresult_t ht_client = 1;
constexpr lresult_t ht_caption = 2;

// Window styles.
constexpr uint32_t ws_overlapped = 0x00000000;
constexpr uint32_t ws_popup = 0x80000000;
constexpr uint32_t ws_caption = 0x00C00000;
constexpr uint32_t ws_sysmenu = 0x00080000;
constexpr uint32_t ws_thickframe = 0x00040000;
constexpr uint32_t ws_minimizebox = 0x00020000;
constexpr uint32_t ws_maximizebox = 0x00010000;
constexpr uint32_t ws_overlappedwindow =
    ws_overlapped | ws_caption | ws_sysmenu | ws_thickframe | ws_minimizebox | ws_maximizebox;
constexpr uint32_t ws_ex_topmost = 0x00000008;
constexpr int32_t cw_usedefault = int32_t(0x80000000u);

// Show commands of a new window.
constexpr int sw_hide = 0;
constexpr int sw_shownormal = 1;

// Class styles.
constexpr uint32_t cs_vredraw = 0x0001;
constexpr uint32_t cs_hredraw = 0x0002;

// Class backgrounds: the system's window colour, and the stock black brush.
constexpr colorref_t system_window_color = rgb(255, 255, 255);
constexpr colorref_t black_brush_color = rgb(0, 0, 0);

struct message_t {
    hwnd_t window = nullptr;
    uint32_t message = 0;
    wparam_t wparam = 0;
    lparam_t lparam = 0;
};

// What a window is made from (the fields of a creation record the game fills).
struct create_struct_t {
    void* create_params = nullptr;
    hwnd_t parent = nullptr;
    int32_t cy = 0;
    int32_t cx = 0;
    int32_t y = 0;
    int32_t x = 0;
    uint32_t style = 0;
    std::string name;
    std::string class_name;
    uint32_t ex_style = 0;
};

struct window_class_t {
    uint32_t style = 0;
    window_proc_t window_proc = nullptr;
    int32_t window_extra = 0;
    colorref_t background = system_window_color; // what the class clears its windows to
    std::string class_name;
};

// Class registration: false when the name is taken (the earlier class stays in force).
bool register_class(const window_class_t& wc);
hwnd_t create_window(const create_struct_t& cs);
bool destroy_window(hwnd_t window);
bool is_window(hwnd_t window);
lresult_t def_window_proc(hwnd_t window, uint32_t message, wparam_t, lparam_t);
intptr_t set_window_long(hwnd_t window, int index, intptr_t value);
intptr_t get_window_long(hwnd_t window, int index);

bool set_window_text(hwnd_t window, const std::string& text);
std::string get_window_text(hwnd_t window);
bool show_window(hwnd_t window, bool show);
bool update_window(hwnd_t window);
bool move_window(hwnd_t window, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint);
bool get_window_rect(hwnd_t window, rect_t* out);
bool get_client_rect(hwnd_t window, rect_t* out);
bool client_to_screen(hwnd_t window, point_t* p);
bool is_window_enabled(hwnd_t window);
bool enable_window(hwnd_t window, bool enable);
hwnd_t set_parent(hwnd_t window, hwnd_t parent);
// True while the window has the input focus (the application is the active one).
bool window_is_active(hwnd_t window);
// Raises the window and gives it the keyboard, as a closed modal dialog does for its owner: a desktop
// without a window manager would leave the focus nowhere, and a full-screen game stopped.
void return_focus(hwnd_t window);
// Like ShowCursor: the cursor shows while the display count is 0 or more; returns the new count.
int show_cursor(bool show);
// Desktop size in pixels.
int32_t screen_width();
int32_t screen_height();

// Makes the window a desktop full-screen window whose logical size is width x height (a virtual display
// mode), or back to a normal window when width is 0.
bool set_window_display_mode(hwnd_t window, int32_t width, int32_t height);

// The message queue.
bool peek_message(message_t* out, bool remove);
// True from a Ctrl-C or SIGTERM until the message queue has turned it into a close: long work between
// two looks at the queue (loading) asks this to stop early.
bool close_signal_pending();
// The same, and the signal counts as handled: the caller ends the program itself.
bool take_close_signal();
// False on wm_quit.
bool get_message(message_t* out);
// Sleeps until a message waits or the milliseconds have passed, whichever comes first.
void wait_message(uint32_t milliseconds);
lresult_t dispatch_message(const message_t& msg);
lresult_t send_message(hwnd_t window, uint32_t message, wparam_t, lparam_t);
bool post_message(hwnd_t window, uint32_t message, wparam_t, lparam_t);
void post_quit_message(int exit_code);
// Drops the key presses still waiting for the queue and forgets the keys held: what was typed while a
// dialog or a box was up was meant for it, not for the game.
void drop_pending_keys();
// Queues a key-down as the window would receive it (a window of 0: as no window has the focus).
void post_key_event_for_test(hwnd_t window, int virtual_key);

// For the presenter inside the stand-in only.
SDL_Window* sdl_window(hwnd_t window);

} // namespace plat
