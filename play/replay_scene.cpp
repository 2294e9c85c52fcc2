#include "play/replay_scene.h"

#include "base/bootlog.h"
#include "base/failure.h"
#include "base/strformat.h"
#include "platform/keyboard.h"
#include "play/draw_object.h"
#include "play/playinfo.h"
#include "play/recorded_run.h"
#include "play/replay_file.h"
#include "play/scenectr.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"

#include <ctime>
#include <string>

namespace {

constexpr int32_t se_menu_cursor = 5;
constexpr int32_t menu_entries = 3;
constexpr int32_t entry_take_over = 2;
constexpr int32_t menu_x = 128;
// Per entry: its centre row, its highlighted cell and its plain cell of image\usrans.bmp.
constexpr int32_t menu_y[menu_entries] = {120, 128, 136};
constexpr int32_t menu_highlighted[menu_entries] = {0, 8, 16};
constexpr int32_t menu_plain[menu_entries] = {1, 9, 17};
constexpr int vk_header_key = 'I';
constexpr int32_t header_col = 2;
constexpr int32_t header_row = 20;
constexpr int header_font = 1;

} // namespace

std::string replay_header_text(const playinfo_t& header) {
    const std::time_t when = header.date;
    const std::tm* date = std::localtime(&when);
    // A date the calendar cannot give shows dashes; no recording of this program makes one.
    const std::string day =
        date == nullptr ? std::string("----/--/--")
                        : strformat("%d/%02d/%02d", date->tm_year + 1900, date->tm_mon + 1, date->tm_mday);
    return strformat("VERSION:   %u\nPLAY DATE: %s\nLEVEL:     %d\nLOOP:      %d\n", unsigned(header.version),
                     day.c_str(), header.level, header.loop);
}

replay_scene_t::replay_scene_t(playinfo_t* settings, ranking_t* ranking, const char* path)
    : play_scene_t(settings, nullptr, ranking), header(settings) {
    std::string reason;
    if (!load_replay_file(path, settings, input_stream, &reason)) {
        if (!reason.empty()) {
            bootlog_error(std::string(path) + ": " + reason);
        }
        bootlog_error("プレイファイルのロードに失敗しました");
        throw construction_error_t(path);
    }
    begin_recorded_run(*settings);
}

bool replay_scene_t::startup() {
    if (!play_scene_t::startup()) {
        return false;
    }
    replay_image = g_screenctr.find_sprite("image\\replay.bmp");
    return true;
}

void replay_scene_t::on_key(int32_t key) {
    if (taken_over) {
        play_scene_t::on_key(key);
        return;
    }
    switch (key) {
    case plat::vk_return:
        if (!is_paused()) {
            return;
        }
        if (pause_cursor == entry_take_over) {
            set_pause(false);
            taken_over = true;
        } else {
            play_scene_t::on_key(key);
        }
        return;
    case plat::vk_up:
    case plat::vk_down:
        if (is_paused()) {
            const int32_t step = key == plat::vk_up ? menu_entries - 1 : 1;
            pause_cursor = (pause_cursor + step) % menu_entries;
            g_soundctr.request_se(se_menu_cursor);
        }
        return;
    default:
        play_scene_t::on_key(key);
        return;
    }
}

void replay_scene_t::game_over() {
    queue_scenes({scene_title});
}

void replay_scene_t::all_cleared() {
    queue_scenes({scene_title});
}

uint8_t replay_scene_t::read_input() {
    if (taken_over) {
        return play_scene_t::read_input();
    }
    if (read_pos < input_stream.size()) {
        return input_stream[read_pos++];
    }
    queue_scenes({scene_title});
    return 0;
}

void replay_scene_t::compose_frame(int32_t blend) {
    if (taken_over) {
        play_scene_t::compose_frame(blend);
        return;
    }
    draw_world();
    for (int32_t entry = 0; entry < menu_entries; ++entry) {
        const int32_t cell = pause_cursor == entry ? menu_highlighted[entry] : menu_plain[entry];
        draw_cell_blended(g_screenctr.mg, sprite_usrans, cell, menu_x, menu_y[entry], blend);
    }
}

void replay_scene_t::draw_mode_overlay() {
    if (!taken_over) {
        draw_corner_mark(replay_image);
    }
    draw_header_text();
}

void replay_scene_t::draw_header_text() {
    if ((uint16_t(plat::get_async_key_state(vk_header_key)) >> 8) == 0 || g_screenctr.mg == nullptr) {
        return;
    }
    g_screenctr.mg->draw_string(header_col, header_row, replay_header_text(*header).c_str(), header_font);
}
