// How a front-end scene asks for what comes next: the controller's queue replaced by these ids, then
// the change requested (refused while an earlier request is pending).
#pragma once

#include "play/scenectr.h"

#include <cstdint>
#include <initializer_list>

inline void change_scene(std::initializer_list<int32_t> ids) {
    if (g_scenectr == nullptr) {
        return;
    }
    g_scenectr->clear_queue();
    for (const int32_t id : ids) {
        g_scenectr->push_scene(id);
    }
    g_scenectr->request_change();
}
