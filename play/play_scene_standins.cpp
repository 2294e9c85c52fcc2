// Stand-in for the play scene's stage script until it is built: the commands do nothing.
#include "play/play_scene.h"

int32_t play_scene_t::run_event(int32_t, int32_t) {
    return 0;
}
