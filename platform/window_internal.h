// What the stand-in keeps per window; shared by the window, message and presentation code of platform/.
#pragma once

#include "platform/window.h"

#include <array>
#include <string>
#include <vector>

namespace plat {

struct presentation; // the window's picture (present.cpp)

struct window {
    SDL_Window* sdl = nullptr;
    window_proc_t proc = nullptr;
    std::string class_name;
    std::string text;
    std::array<intptr_t, 4> extra{};
    hwnd_t parent = nullptr;
    uint32_t style = 0;
    uint32_t ex_style = 0;
    bool enabled = true;
    bool active = false;
    int32_t mode_width = 0; // logical size of a virtual display mode, 0 in a normal window
    int32_t mode_height = 0;
    int32_t windowed_width = 0; // the size to return to when the display mode ends
    int32_t windowed_height = 0;
    int32_t windowed_x = 0; // and the place, where the mode covers the display without SDL's full screen
    int32_t windowed_y = 0;
    bool covering = false; // the mode is a borderless window over the display
    presentation* shown = nullptr;
    bool destroying = false;
};

// Ends the window's presentation before its SDL window goes.
void destroy_presentation(window* w);

// Brings SDL's video and events up once; false when no video driver works.
bool video_ready();

// Every window that exists, oldest first.
std::vector<hwnd_t> all_windows();

// Drops the queued messages of a window that is going, so none reaches a later window at its address.
void forget_messages(hwnd_t w);

// Ctrl-C and SIGTERM close the windows from then on (through the message queue).
void install_close_signals();

} // namespace plat
