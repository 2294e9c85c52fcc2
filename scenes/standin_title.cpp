#include "scenes/standin_title.h"

#include "platform/keyboard.h"
#include "screen/present_frame.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t menu_sound = 6;

} // namespace

title_scene_t::title_scene_t() : standin_scene_t("TITLE"), kept_vsync_(g_vsync) {
    g_vsync = true;
}

title_scene_t::~title_scene_t() {
    g_soundctr.clear_bgm_table();
    g_vsync = kept_vsync_;
}

bool title_scene_t::startup() {
    if (!g_soundctr.load_bgm_table(".\\bin\\bgmtbl_ttl.txt")) {
        return false;
    }
    g_soundctr.select_bgm(0);
    g_soundctr.set_bgm_volume(0);
    g_soundctr.start_bgm();
    return true;
}

void title_scene_t::frame() {
    standin_scene_t::frame();
    g_soundctr.play_requested_se();
}

void title_scene_t::on_key(int32_t virtual_key) {
    if (virtual_key == plat::vk_return || virtual_key == plat::vk_escape) {
        g_soundctr.request_se(menu_sound);
    }
    standin_scene_t::on_key(virtual_key);
}
