#include "scenes/config_sound.h"

#include "base/bootlog.h"
#include "screen/soundctr.h"

void config_sound_t::request_se(int32_t id) {
    g_soundctr.request_se(id);
}

void config_sound_t::play_requested_se() {
    g_soundctr.play_requested_se();
}

void config_sound_t::rebuild(bool reverb) {
    const plat::hwnd_t window = g_soundctr.window;
    g_soundctr.destroy();
    if (!g_soundctr.create(window, reverb)) {
        bootlog_error("サウンド管理オブジェクトの作成に失敗しました");
        return;
    }
    g_soundctr.load_se_table(".\\bin\\setbl.txt");
}

void config_sound_t::set_bgm_off(bool off) {
    g_soundctr.set_bgm_off(off);
}

void config_sound_t::set_master_volumes(int32_t bgm, int32_t se) {
    g_soundctr.set_master_volumes(bgm, se);
}
