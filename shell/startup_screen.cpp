// Start-up steps of the screen manager: its creation over the window and the sprite table.
#include "screen/screenctr.h"
#include "base/bootlog.h"
#include "shell/frame_loop.h"
#include "shell/loading_bar.h"
#include "shell/session.h"
#include "shell/startup_text.h"

bool create_screen_manager(session_t& s) {
    // Moving the window moves where the picture is shown.
    s.window->set_view_handler([] { g_screenctr.update_view(); });
    g_screenctr.progress = draw_loading_bar;
    if (!g_screenctr.create(s.window->handle(), s.config.screen_mode, s.config.blt_scale)) {
        bootlog_error("スクリーン管理オブジェクトの作成に失敗しました");
        return false;
    }
    draw_startup_text(s.window->handle(), "now initialize. please wait.", 16);
    g_vsync = s.config.refresh_mode == 0;
    bootlog_progress("スクリーン管理オブジェクトを作成しました");
    return true;
}

bool load_sprite_table(session_t& s) {
    draw_startup_text(s.window->handle(), "+ loading sprites.", 32);
    if (!g_screenctr.load_sprites(".\\bin\\sptbl.dat")) {
        bootlog_error("スプライトのロードに失敗しました");
        return false;
    }
    return true;
}
