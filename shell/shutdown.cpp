#include "base/bootlog.h"
#include "base/strformat.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "shell/scene_startup.h"
#include "shell/session.h"

void shut_down(session_t& s) {
    // The line is written whether or not the save succeeded; an unreadable file is left as it was.
    if (s.config_savable) {
        config_save(&s.config);
        bootlog_progress("コンフィグを保存しました");
    }
    stop_scenes(s);
    bootlog_progress("シーン管理オブジェクトを破棄しました");
    s.window.reset();
    bootlog_progress("アプリケーションウィンドウを破棄しました");
    g_soundctr.destroy();
    bootlog_progress("サウンド管理オブジェクトを破棄しました");
    g_screenctr.destroy();
    bootlog_progress("スクリーン管理オブジェクトを破棄しました");
    bootlog_progress(strformat("未解放オブジェクト: %d", int(g_object_count)));
    bootlog_progress("アプリケーションを終了します");
}
