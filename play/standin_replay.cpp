#include "play/standin_replay.h"

#include "base/bootlog.h"
#include "base/failure.h"
#include "objects/score.h"
#include "play/replay_file.h"
#include "play/scenectr.h"

#include <algorithm>
#include <vector>

replay_scene_t::replay_scene_t(playinfo_t* settings, ranking_t*, const char* path)
    : replay_scene_t("REPLAY", settings, path) {}

replay_scene_t::replay_scene_t(const char* name, playinfo_t* settings, const char* path)
    : standin_scene_t(name) {
    std::vector<uint8_t> stream;
    std::string reason;
    if (!load_replay_file(path, settings, stream, &reason)) {
        bootlog_error(reason);
        bootlog_error("プレイファイルのロードに失敗しました");
        g_scenectr->clear_queue();
        g_scenectr->push_scene(scene_title);
        g_scenectr->request_change();
        throw construction_error_t(path);
    }
    score_reset(settings->start_score);
    g_lives = std::min(settings->start_lives, lives_cap);
}
