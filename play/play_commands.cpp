// The play scene's commands: pausing with its two-entry menu, the frame-rate key, and the two ways a run
// ends, in game over with its ranking record or in the ending after the last stage.
#include "objects/play_globals.h"
#include "objects/score.h"
#include "platform/clock.h"
#include "platform/keyboard.h"
#include "play/key_table.h"
#include "play/play_scene.h"
#include "play/playinfo.h"
#include "play/ranking.h"
#include "play/scenectr.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t se_menu_cursor = 5;
constexpr int vk_f2 = 0x71;

} // namespace

void play_scene_t::set_pause(bool pause) {
    if (pause == paused) {
        return;
    }
    paused = pause;
    if (pause) {
        pause_cursor = 0;
    }
    g_soundctr.pause_bgm(pause);
}

void play_scene_t::on_key(int32_t key) {
    // The configured pause key wins over whatever the key does otherwise.
    if (key == g_key_table[key_pause].code) {
        key = plat::vk_escape;
    }
    switch (key) {
    case plat::vk_escape:
        set_pause(!paused);
        break;
    case plat::vk_up:
    case plat::vk_down:
        if (paused) {
            pause_cursor = pause_cursor == 0 ? 1 : 0;
            g_soundctr.request_se(se_menu_cursor);
        }
        break;
    case plat::vk_return:
        if (paused) {
            if (pause_cursor == 0) {
                set_pause(false);
            } else {
                game_over();
            }
        }
        break;
    case vk_f2:
        g_show_frame_rate = g_show_frame_rate == 0 ? 1 : 0;
        if (g_show_frame_rate != 0) {
            fps_rate = 0.0;
            fps_frames = 0;
            fps_time = plat::time_get_time();
        }
        break;
    default:
        break;
    }
}

void play_scene_t::game_over() {
    if (paused) {
        draw_world();
    }
    ranking_record_t record;
    ranking_t::clear_record(record);
    record.score = g_score;
    record.level = settings->level;
    record.loop = settings->loop;
    record.stage = stage_no;
    record.section = int32_t(g_stage_position >> 16);
    if (ranking != nullptr) {
        ranking->insert(record);
    }
    queue_scenes({scene_gameover});
}

void play_scene_t::all_cleared() {
    queue_scenes({scene_ending, scene_play});
}
