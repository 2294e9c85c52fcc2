#include "play/recplay_scene.h"

#include "base/bootlog.h"
#include "base/safe_save.h"
#include "play/playinfo.h"
#include "play/recorded_run.h"
#include "play/replay_file.h"
#include "play/scenectr.h"
#include "screen/screenctr.h"

recplay_scene_t::recplay_scene_t(playinfo_t* settings, userinfo_t* user, ranking_t* ranking,
                                 const char* file_name)
    : play_scene_t(settings, user, ranking), header(settings), file_name(file_name) {
    input_stream.reserve(stream_reserve);
    begin_recorded_run(*settings);
}

recplay_scene_t::~recplay_scene_t() {
    save();
}

bool recplay_scene_t::startup() {
    if (!play_scene_t::startup()) {
        return false;
    }
    rec_image = g_screenctr.find_sprite("image\\rec.bmp");
    return true;
}

void recplay_scene_t::all_cleared() {
    queue_scenes({scene_ending, scene_recplay});
}

uint8_t recplay_scene_t::read_input() {
    const uint8_t input = play_scene_t::read_input();
    input_stream.push_back(input);
    return input;
}

void recplay_scene_t::draw_mode_overlay() {
    draw_corner_mark(rec_image);
}

bool recplay_scene_t::save() {
    header->input_length = int32_t(input_stream.size());
    if (input_stream.empty()) {
        bootlog_progress(file_name + ": 入力がないため保存しません");
        return true;
    }
    if (safe_save(file_name, replay_file_bytes(*header, input_stream))) {
        return true;
    }
    fail("プレイ情報(playinfo_t)の保存に失敗しました");
    return false;
}
