#include "objects/play_globals.h"
#include "play/play_scene.h"

int32_t post_event(int32_t type, int32_t param) {
    return g_play_scene != nullptr ? g_play_scene->run_event(type, param) : 0;
}
