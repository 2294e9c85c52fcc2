#include "shell/frame_loop.h"

#include "base/bootlog.h"
#include "platform/clock.h"
#include "platform/window.h"

#include <cstdint>

namespace {

enum class pass_t { message, quit, idle };

// Dispatches the next waiting message, if any.
pass_t take_message() {
    plat::message_t msg;
    if (!plat::peek_message(&msg, false)) {
        return pass_t::idle;
    }
    if (!plat::get_message(&msg)) {
        return pass_t::quit;
    }
    plat::dispatch_message(msg);
    return pass_t::message;
}

// True when the pass went to a lost surface: restored while active, left alone while not.
bool handle_lost_surfaces(const loop_hooks_t& hooks) {
    if (!hooks.surfaces_lost || !hooks.surfaces_lost()) {
        return false;
    }
    if (!hooks.active || !hooks.active()) {
        return true;
    }
    if (hooks.restore_surfaces && hooks.restore_surfaces()) {
        bootlog_progress("サーフェスをリストアしました");
    } else {
        bootlog_error("サーフェスのリストアに失敗しました");
        if (hooks.quit_showing_log) {
            hooks.quit_showing_log();
        }
    }
    return true;
}

void frame(const loop_hooks_t& hooks) {
    if (hooks.update) {
        hooks.update();
    }
}

} // namespace

frame_pacer_t::frame_pacer_t(uint32_t now) : last_(now) {}

uint32_t frame_pacer_t::wait_at(uint32_t now) const {
    const uint32_t interval = short_interval + toggle_;
    const uint32_t elapsed = now - last_;
    return elapsed >= interval ? 0 : interval - elapsed;
}

void frame_pacer_t::start_frame(uint32_t now) {
    last_ = now;
    toggle_ ^= 1;
}

void run_message_loop(bool vsync, const loop_hooks_t& hooks) {
    frame_pacer_t pacer(plat::time_get_time());
    // The loop is the one pacer in TIMER mode: frames skip their vertical-blank wait while it runs.
    struct pacing_scope_t {
        explicit pacing_scope_t(bool timer) { g_timer_paced = timer; }
        ~pacing_scope_t() { g_timer_paced = false; }
    } scope(!vsync);
    for (;;) {
        const pass_t pass = take_message();
        if (pass == pass_t::quit) {
            return;
        }
        if (pass == pass_t::message || handle_lost_surfaces(hooks)) {
            continue;
        }
        if (vsync) {
            frame(hooks);
            continue;
        }
        const uint32_t now = plat::time_get_time();
        if (const uint32_t wait = pacer.wait_at(now); wait > 0) {
            plat::wait_message(wait);
            continue;
        }
        pacer.start_frame(now);
        frame(hooks);
    }
}
