// The message loop: window messages first, and on each idle pass either the lost-surface handling or
// one frame, paced by the vertical blank (VSYNC) or by the millisecond clock (TIMER).
#pragma once

#include "screen/present_frame.h" // g_vsync and g_timer_paced, which the loop shares with the scenes

#include <cstdint>
#include <functional>

// What an idle pass acts on; a missing hook is a part that does not exist (no loss, no frame).
struct loop_hooks_t {
    std::function<bool()> surfaces_lost;    // the primary surface reports itself lost
    std::function<bool()> active;           // the program is the active application
    std::function<bool()> restore_surfaces; // restores the surfaces and reloads the sprites
    std::function<void()> quit_showing_log; // ends the program and opens the boot log
    std::function<void()> update;           // one frame
};

// TIMER pacing: a frame is due when 16 and 17 milliseconds (alternately) have passed since the last one
// started; a late frame is not made up.
class frame_pacer_t {
  public:
    static constexpr uint32_t short_interval = 16;
    explicit frame_pacer_t(uint32_t now);
    // Milliseconds from now until the next frame is due; 0 when it is due.
    uint32_t wait_at(uint32_t now) const;
    void start_frame(uint32_t now);

  private:
    uint32_t last_;
    uint32_t toggle_ = 0; // the next frame waits short_interval + toggle_
};

// Runs until the quit message. vsync chooses the pacing for the whole loop: a frame on every idle pass,
// or a frame whenever the frame pacer says one is due, sleeping until then or the next message.
void run_message_loop(bool vsync, const loop_hooks_t& hooks);
