// The last start-up steps: the scene controller, linked with the window, and the first scene it runs.
#include "shell/scene_startup.h"

#include "base/bootlog.h"
#include "play/scenectr.h"
#include "shell/application.h"
#include "shell/command_line.h"

#include <cstring>
#include <new>

bool start_scenes(session_t& s) {
    s.controller.reset(new (std::nothrow) scenectr_t(&s.config));
    if (!s.controller) {
        bootlog_error("シーン管理オブジェクトの作成に失敗しました");
        return false;
    }
    scenectr_t* controller = s.controller.get();
    controller->window = s.window.get();
    s.window->set_key_handler([controller](int32_t virtual_key) { controller->forward_key(virtual_key); });
    bootlog_progress("シーン管理オブジェクトを作成しました");

    std::string replay_name;
    const int32_t id = first_scene(g_command_line, replay_name);
    // first_scene hands over only a name that fits the field.
    std::memcpy(controller->replay_name, replay_name.c_str(), replay_name.size() + 1);
    controller->push_scene(id);
    controller->request_change();
    return true;
}

void stop_scenes(session_t& s) {
    if (s.window) {
        s.window->set_key_handler(nullptr);
    }
    s.controller.reset(); // deletes the running scene, then writes the user info and the ranking
}
