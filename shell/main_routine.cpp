#include "base/bootlog.h"
#include "base/safe_save.h"
#include "platform/clock.h"
#include "platform/file.h"
#include "screen/screenctr.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/frame_loop.h"
#include "shell/product.h"
#include "shell/session.h"
#include "umlib/draw.h"

#include <string>

namespace shell {

namespace {

void log_header(const std::string& title) {
    const std::string rule(38, '-');
    bootlog_progress(rule);
    bootlog_progress(title);
    bootlog_progress(rule);
}

loop_hooks_t loop_hooks(session_t& s) {
    loop_hooks_t hooks;
    hooks.active = [&s] { return s.window->active(); };
    hooks.surfaces_lost = [] {
        const umlib::draw_t* p = g_screenctr.presenter;
        return p != nullptr && plat::failed(p->primary->surface->is_lost());
    };
    hooks.restore_surfaces = [] { return g_screenctr.restore_sprites(); };
    hooks.update = [&s] { s.controller->update(); };
    hooks.quit_showing_log = [&s] { s.controller->quit(true); };
    return hooks;
}

} // namespace

int main() {
    g_command_line = resolve_replay_path(g_command_line, plat::current_directory());
    chdir_to_exe_folder();
    return run();
}

int run() {
    const std::string title = title_text();
    bootlog_reset();
    log_header(title);
    session_t s;
    const load_status_t config_status = config_load(&s.config);
    if (config_status != load_status_t::loaded) {
        config_default(&s.config);
    }
    s.config_savable = save_may_replace(config_path, config_status);
    if (!check_screen_mode(s.config)) {
        return 0;
    }
    if (s.config_savable) {
        config_save(&s.config);
    }
    if (start_up(s)) {
        bootlog_progress("(実行中)");
        plat::time_begin_period(1);
        run_message_loop(g_vsync, loop_hooks(s));
        plat::time_end_period(1);
    }
    shut_down(s);
    return 0;
}

} // namespace shell
