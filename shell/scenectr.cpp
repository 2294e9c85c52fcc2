#include "play/scenectr.h"

#include "base/bootlog.h"
#include "base/safe_save.h"
#include "base/strformat.h"
#include "platform/keyboard.h"
#include "platform/shell_open.h"
#include "platform/window.h"
#include "play/key_table.h"
#include "scenes/config.h"
#include "shell/app_window.h"

#include <cstring>

scenectr_t* g_scenectr = nullptr;

namespace {

constexpr const char* demo_file_names[scenectr_t::demo_count] = {
    ".\\bin\\demoplay0.ply",
    ".\\bin\\demoplay1.ply",
    ".\\bin\\demoplay2.ply",
    ".\\bin\\demoplay3.ply",
};

} // namespace

scenectr_t::scenectr_t(config_t* config) : config(config) {
    g_scenectr = this;
    const load_status_t ranking_status = ranking.load();
    if (ranking_status != load_status_t::loaded) {
        ranking.set_default();
    }
    ranking_savable = save_may_replace(ranking_path, ranking_status);
    userinfo_savable = save_may_replace(userinfo_path, userinfo_load(&userinfo));
    bind_keys(config);
    for (int32_t i = 0; i < demo_count; ++i) {
        std::strcpy(demo_names[i], demo_file_names[i]);
    }
}

scenectr_t::~scenectr_t() {
    delete scene; // a recording scene writes its file here
    scene = nullptr;
    g_scenectr = nullptr;
    if (userinfo_savable) {
        userinfo_save(&userinfo);
    }
    if (ranking_savable) {
        ranking.save();
    }
}

void scenectr_t::clear_queue() {
    if (!queue_locked) {
        queue_count = 0;
    }
}

void scenectr_t::push_scene(int32_t id) {
    if (queue_locked || queue_count >= queue_capacity) {
        return;
    }
    queue[queue_count++] = id;
}

int32_t scenectr_t::pop_scene() {
    if (queue_locked || queue_count == 0) {
        return 0;
    }
    const int32_t id = queue[0];
    std::memmove(queue, queue + 1, sizeof queue[0] * size_t(queue_count - 1));
    --queue_count;
    return id;
}

void scenectr_t::request_change() {
    state = state_change;
    queue_locked = true;
}

void scenectr_t::update() {
    if (state == state_running) {
        scene->frame();
        return;
    }
    if (state != state_change) {
        return;
    }
    delete scene;
    scene = nullptr;
    queue_locked = false;
    const int32_t id = pop_scene(); // 0 for an empty queue, which no scene has
    scene = create_scene(id);
    if (scene == nullptr) {
        log_scene_error(id, "シーンの作成に失敗しました");
        quit(true);
        return;
    }
    if (!scene->startup()) {
        log_scene_error(id, "startup() の呼び出しに失敗しました");
        quit(true);
        return;
    }
    // A scene that ended the application while starting stays ended.
    if (state != state_quitting) {
        state = state_running;
    }
}

void scenectr_t::forward_key(int32_t virtual_key) {
    if (state == state_running && scene != nullptr) {
        scene->on_key(virtual_key);
    }
}

void scenectr_t::quit(bool show_log) {
    if (state == state_quitting) {
        return;
    }
    state = state_quitting;
    if (window != nullptr) {
        window->send(plat::wm_close, 0, 0);
    }
    if (show_log) {
        plat::shell_open(bootlog_path);
    }
}

void scenectr_t::log_scene_error(int32_t id, const char* text) {
    bootlog_error(strformat("シーン%d: %s", id, text));
}

void scenectr_t::bind_keys(const config_t* config) {
    g_key_table[key_up].code = plat::vk_up;
    g_key_table[key_down].code = plat::vk_down;
    g_key_table[key_right].code = plat::vk_right;
    g_key_table[key_left].code = plat::vk_left;
    g_key_table[key_shot].code = config->shot_key;
    g_key_table[key_missile].code = config->missile_key;
    g_key_table[key_multiple].code = config->multiple_key;
    g_key_table[key_powerup].code = config->powerup_key;
    g_key_table[key_pause].code = config->pause_key;
}
