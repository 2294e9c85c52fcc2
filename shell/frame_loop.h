// The message loop: window messages first, and on each idle pass either the lost-surface handling or
// one frame, paced by the vertical blank (VSYNC) or by the millisecond clock (TIMER).
#pragma once

#include "screen/present_frame.h" // g_vsync, which the loop's pacing shares with the scenes

#include <functional>

// What an idle pass acts on; a missing hook is a part that does not exist (no loss, no frame).
struct loop_hooks_t {
    std::function<bool()> surfaces_lost;    // the primary surface reports itself lost
    std::function<bool()> active;           // the program is the active application
    std::function<bool()> restore_surfaces; // restores the surfaces and reloads the sprites
    std::function<void()> quit_showing_log; // ends the program and opens the boot log
    std::function<void()> update;           // one frame
};

// Runs until the quit message. vsync chooses the pacing for the whole loop: a frame on every idle pass,
// or a frame whenever 16 and 17 milliseconds (alternately) have passed since the last one started.
void run_message_loop(bool vsync, const loop_hooks_t& hooks);
