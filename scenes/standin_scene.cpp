#include "scenes/standin_scene.h"

#include "platform/keyboard.h"
#include "shell/scenectr.h"

void standin_scene_t::frame() {}

void standin_scene_t::on_key(int32_t virtual_key) {
    if (virtual_key != plat::vk_return && virtual_key != plat::vk_escape) {
        return;
    }
    g_scenectr->clear_queue();
    g_scenectr->push_scene(scene_title);
    g_scenectr->request_change();
}
