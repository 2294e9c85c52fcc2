// The controller's factory: which scene each id builds and what it is given.
#include "play/scenectr.h"

#include "base/bootlog.h"
#include "base/failure.h"
#include "base/strformat.h"
#include "objects/score.h"
#include "play/demo_scene.h"
#include "play/ending_scene.h"
#include "play/play_scene.h"
#include "play/recplay_scene.h"
#include "scenes/config.h"
#include "scenes/config_scene.h"
#include "scenes/gameover_scene.h"
#include "scenes/ranking_scene.h"
#include "scenes/title_scene.h"
#include "scenes/typesel_scene.h"
#include "shell/app_window.h"
#include "shell/path_parts.h"
#include "shell/replay_dialog.h"

#include <algorithm>
#include <ctime>
#include <strings.h>

scene_t* scenectr_t::create_scene(int32_t id) {
    // An unreadable replay file, for one, throws from its scene's constructor.
    try {
        return build_scene(id);
    } catch (const construction_error_t&) {
        return nullptr;
    }
}

scene_t* scenectr_t::build_scene(int32_t id) {
    switch (id) {
    case scene_title:
        set_title(nullptr);
        score_reset(0);
        g_lives = std::min(config->life, lives_cap);
        reset_playinfo_for_title();
        bind_keys(config); // key changes made in the settings take effect here
        record_loop = 0;
        return new title_scene_t();
    case scene_settings:
        return new config_scene_t(config, &ranking, &userinfo);
    case scene_typesel:
        set_title(nullptr);
        return new typesel_scene_t(&playinfo.ship_type, &playinfo.option_type);
    case scene_play:
        set_title(nullptr);
        if (playinfo.ship_type == ship_type_unchosen) {
            push_scene(scene_play);
            return create_scene(scene_typesel);
        }
        playinfo.stage = config->stage;
        playinfo.section = config->section;
        return new play_scene_t(&playinfo, &userinfo, &ranking);
    case scene_replay_dialog:
        if (!replay_open_dialog(window, replay_name, name_size)) {
            return create_scene(scene_title);
        }
        set_file_title(replay_name);
        return new replay_scene_t(&playinfo, &ranking, replay_name);
    case scene_named_replay:
        if (::strcasecmp(split_path(replay_name).extension.c_str(), ".ply") != 0) {
            bootlog_error(strformat("%s: 拡張子が .ply ではないため再生しません", replay_name));
            return create_scene(scene_title);
        }
        set_file_title(replay_name);
        return new replay_scene_t(&playinfo, &ranking, replay_name);
    case scene_recplay:
        return build_recplay();
    case scene_demo: {
        set_title(nullptr);
        const char* name = demo_names[demo_index];
        // The next demo is due even when this one cannot be built.
        demo_index = (demo_index + 1) % demo_count;
        return new demo_scene_t(&playinfo, &ranking, name);
    }
    case scene_gameover:
        set_title(nullptr);
        return new gameover_scene_t(&ranking);
    case scene_ending:
        return build_ending();
    case scene_ranking:
        set_title(nullptr);
        return new ranking_scene_t(&ranking);
    default:
        return nullptr;
    }
}

scene_t* scenectr_t::build_recplay() {
    if (playinfo.ship_type == ship_type_unchosen) {
        // The file is asked for once per run, before the ship is chosen.
        if (!replay_save_dialog(window, replay_name, name_size)) {
            return create_scene(scene_title);
        }
        push_scene(scene_recplay);
        return create_scene(scene_typesel);
    }
    const std::string name = replay_loop_name(replay_name, record_loop);
    set_file_title(name.c_str());
    playinfo.date = int32_t(std::time(nullptr));
    playinfo.stage = config->stage;
    playinfo.section = config->section;
    playinfo.start_score = g_score;
    playinfo.start_lives = g_lives;
    return new recplay_scene_t(&playinfo, &userinfo, &ranking, name.c_str());
}

scene_t* scenectr_t::build_ending() {
    set_title(nullptr);
    playinfo.stage = 100;
    playinfo.section = 0;
    if (playinfo.ship_type == ship_type_unchosen) {
        playinfo.ship_type = 0;
    }
    scene_t* ending = new ending_scene_t(&playinfo, &ranking);
    // The next run starts one level and one loop higher.
    playinfo.level = std::min(playinfo.level + 1, max_level);
    playinfo.loop = std::min(playinfo.loop + 1, max_loop);
    userinfo.ending_reached = 1;
    userinfo.level = std::max(userinfo.level, playinfo.level);
    userinfo.loop = std::max(userinfo.loop, playinfo.loop);
    ++record_loop;
    return ending;
}

void scenectr_t::reset_playinfo_for_title() {
    playinfo = playinfo_t{};
    playinfo.version = playinfo_version;
    playinfo.level = config->level;
    playinfo.loop = config->loop;
    playinfo.ship_type = ship_type_unchosen;
    playinfo.option_type = 1;
    playinfo.equipment = config->equipment;
    playinfo.powerup_mode = config->power_up;
    playinfo.powerdown_mode = config->power_down;
}

void scenectr_t::set_title(const char* text) {
    if (window != nullptr) {
        window->set_text(text);
    }
}

void scenectr_t::set_file_title(const char* path) {
    const path_parts_t parts = split_path(path);
    set_title((parts.name + parts.extension).c_str());
}
