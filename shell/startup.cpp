#include "base/bootlog.h"
#include "base/strformat.h"
#include "platform/audio_device.h"
#include "platform/file.h"
#include "platform/window.h"
#include "render/map_table.h"
#include "screen/soundctr.h"
#include "shell/application.h"
#include "shell/loading_bar.h"
#include "shell/scene_startup.h"
#include "shell/session.h"
#include "shell/startup_text.h"

#include <new>

namespace {

bool create_application_window(session_t& s) {
    s.window.reset(new (std::nothrow) app_window_t(s.config.screen_mode, s.config.blt_scale));
    if (!s.window) {
        bootlog_progress("アプリケーションウィンドウの作成に失敗しました");
        return false;
    }
    // Without a window nothing could ever end the loop, so a window that cannot be made ends the start-up.
    if (!s.window->create(nullptr)) {
        bootlog_error("アプリケーションウィンドウの作成に失敗しました");
        return false;
    }
    s.window->set_text(nullptr);
    plat::show_window(s.window->handle(), g_show_command != plat::sw_hide);
    plat::update_window(s.window->handle());
    bootlog_progress("アプリケーションウィンドウを作成しました");
    return true;
}

bool create_sound_manager(session_t& s) {
    g_soundctr.progress = draw_loading_bar;
    if (!g_soundctr.create(s.window->handle(), s.config.reverb != 0)) {
        bootlog_error("サウンド管理オブジェクトの作成に失敗しました");
        return false;
    }
    const std::string no_device = plat::audio_device_missing_reason();
    if (!no_device.empty()) {
        bootlog_error(strformat("サウンドデバイスを開けません (%s)。音は鳴りません", no_device.c_str()));
    }
    g_soundctr.set_bgm_off(s.config.bgm != 0);
    g_soundctr.set_master_volumes(s.config.bgm_volume, s.config.se_volume);
    bootlog_progress("サウンド管理オブジェクトを作成しました");
    return true;
}

bool load_sound_effects(session_t& s) {
    draw_startup_text(s.window->handle(), "+ loading sounds.", 44);
    if (!g_soundctr.load_se_table(".\\bin\\setbl.txt")) {
        bootlog_error("SEのロードに失敗しました");
        return false;
    }
    return true;
}

bool load_maps(session_t& s) {
    draw_startup_text(s.window->handle(), "+ loading map table", 56);
    if (!load_map_table(".\\bin\\maptbl.dat")) {
        bootlog_error("マップテーブルのロードに失敗しました");
        return false;
    }
    return true;
}

} // namespace

void chdir_to_exe_folder() {
    plat::set_current_directory(plat::executable_folder());
}

bool start_up(session_t& s) {
    if (!create_application_window(s)) {
        return false;
    }
    // A termination signal during loading ends the start-up before its next step.
    using step_t = bool (*)(session_t&);
    for (const step_t step : {create_screen_manager, create_sound_manager, load_sprite_table,
                              load_sound_effects, load_maps, start_scenes}) {
        if (plat::take_close_signal()) {
            bootlog_progress("起動中に終了が要求されました");
            return false;
        }
        if (!step(s)) {
            return false;
        }
    }
    return true;
}
