// Stand-ins for the play scene's frame, commands, drawing and stage script until they are built: the
// frame shows the stage number, carries out a pending stage change and returns to the title on Enter or
// Escape.
#include "platform/keyboard.h"
#include "play/play_scene.h"
#include "play/scenectr.h"
#include "screen/present_frame.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

#include <cstdio>

void play_scene_t::set_pause(bool pause) {
    paused = pause;
}

void play_scene_t::on_key(int32_t key) {
    if (key == plat::vk_return || key == plat::vk_escape) {
        game_over();
    }
}

void play_scene_t::game_over() {
    g_scenectr->clear_queue();
    g_scenectr->push_scene(scene_title);
    g_scenectr->request_change();
}

void play_scene_t::all_cleared() {
    g_scenectr->clear_queue();
    g_scenectr->push_scene(scene_ending);
    g_scenectr->push_scene(scene_play);
    g_scenectr->request_change();
}

void play_scene_t::compose_frame() {}
void play_scene_t::draw_value() {}
void play_scene_t::draw_overlay_text() {}
void play_scene_t::draw_high_score() {}
void play_scene_t::draw_hud() {}
void play_scene_t::draw_clock() {}
