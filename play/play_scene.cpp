#include "play/play_scene.h"

#include "base/bootlog.h"
#include "base/safe_read.h"
#include "objects/hitmark.h"
#include "objects/objectinfo.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "platform/file.h"
#include "play/playinfo.h"
#include "play/scenectr.h"
#include "play/scroll.h"
#include "play/stage_file.h"
#include "play/userinfo.h"
#include "player/powergauge.h"
#include "player/ship.h"
#include "screen/bg.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* objectinfo_file = ".\\bin\\objectinfo.dat";
constexpr const char* gauge_style_file = ".\\bin\\gaugestyle.txt";
// Layers 0 and 1 follow the scroll fully, layer 2 at half and layer 3 at a quarter of it.
constexpr int32_t layer_shifts[background_layer_count] = {0, 0, 1, 2};

// The stage file's first stage_file_size bytes; false (with the file and the reason in the boot log) when
// it is missing, refused or shorter.
bool read_stage_file(int32_t stage, std::vector<uint8_t>& image) {
    char name[32];
    std::snprintf(name, sizeof name, ".\\bin\\st%03d.dat", stage);
    return read_data_file(name, image, stage_file_size) == load_status_t::loaded;
}

// Lines as a 256-byte fgets buffer takes them: up to 255 characters, or through the end of the line.
std::vector<std::string> text_lines(const std::vector<uint8_t>& bytes) {
    constexpr size_t line_cap = 255;
    std::vector<std::string> lines;
    for (size_t at = 0; at < bytes.size();) {
        size_t end = at;
        while (end < bytes.size() && end - at < line_cap && bytes[end++] != '\n') {
        }
        lines.emplace_back(bytes.begin() + std::ptrdiff_t(at), bytes.begin() + std::ptrdiff_t(end));
        at = end;
    }
    return lines;
}

void reset_screen(int32_t section) {
    g_screenctr.clear_layers();
    g_screenctr.reset_scroll();
    g_screenctr.hidden_layer = nullptr;
    if (g_screenctr.mg != nullptr) {
        g_screenctr.mg->clear(0);
        g_screenctr.mg->scroll_x = 0;
        g_screenctr.mg->scroll_y = 0;
    }
    g_screenctr.restore_layers();
    for (int i = 0; i < background_layer_count; ++i) {
        if (bg_t* layer = g_screenctr.layers[i]) {
            layer->shift = layer_shifts[i];
            layer->transparency = 0;
        }
    }
    if (section % 2 != 0) {
        g_screenctr.scroll_x(-256);
    }
}

} // namespace

play_scene_t::play_scene_t(playinfo_t* settings, userinfo_t* user, ranking_t* ranking)
    : settings(settings), user(user), ranking(ranking) {
    g_play_scene = this;
}

play_scene_t::~play_scene_t() {
    teardown();
    g_play_scene = nullptr;
}

void play_scene_t::fail(const char* message) {
    bootlog_error(message);
    if (g_scenectr != nullptr) {
        g_scenectr->quit(true);
    }
}

bool play_scene_t::startup() {
    rng::srand(uint32_t(settings->random_seed));
    g_level = std::clamp(settings->level, 1, 8);
    if (!objectinfo_load(objectinfo_file, g_level)) {
        fail("オブジェクト情報(objectinfo_t)テーブルのロードに失敗しました");
        return false;
    }
    if (!player.create(settings->option_type)) {
        fail("ユーザーリソースの作成に失敗しました");
        return false;
    }
    // The ship is the scene's from here on: what the first stage's events and spawn functions aim at.
    g_player_ship = player.ship;
    if (!powergauge_setup(&player, settings->ship_type, settings->powerup_mode, settings->powerdown_mode)) {
        fail("equipper_tの初期化に失敗しました");
        return false;
    }
    powergauge_update(player.ship);
    powergauge_apply_bits(player.ship, settings->equipment, 2);
    // The sprite table stays as it is for the whole play: its pictures are found once, not every stage.
    sprite_usrans = g_screenctr.find_sprite("image\\usrans.bmp");
    sprite_lifemark = g_screenctr.find_sprite("image\\lifemark.bmp");
    sprite_gauge_icon = g_screenctr.find_sprite("image\\gauge_icon.bmp");
    sprite_gauge_text = g_screenctr.find_sprite("image\\gauge_text.bmp");
    sprite_char001 = g_screenctr.find_sprite("image\\char001.bmp");
    sprite_char002 = g_screenctr.find_sprite("image\\char002.bmp");
    sprite_char003 = g_screenctr.find_sprite("image\\char003.bmp");
    hitmark_sprite = g_screenctr.find_sprite("image\\hitmark.bmp");
    if (!load_stage(settings->stage, settings->section, settings->level, settings->loop,
                    settings->powerup_mode)) {
        fail("ステージリソースの作成に失敗しました");
        return false;
    }
    const int32_t style = read_int_file(gauge_style_file);
    gauge_style = style == -1 ? 0 : style;
    return true;
}

bool play_scene_t::load_stage(int32_t stage_number, int32_t section, int32_t level, int32_t loop,
                              int32_t item_mode) {
    stage_no = stage_number;
    scroll_mode = 1;
    scroll_level = 3;
    scroll_stop = 0;
    fade_state = fade_none;
    fade_layer = 0;
    fade_weight = 0;
    fade_colour = 0;
    fade_hold = false;
    paused = false;
    next_stage = 0;
    bgm_fading = false;
    draw_stars = false;
    explosion_layer = 0;
    back_colour = 0;
    clear_first = false;
    navigation.clear();
    reset_screen(section);

    rng::srand(uint32_t(settings->random_seed));
    g_terrain_mode = 2;
    g_frame_counter = 0;
    g_stage_position = uint32_t(section) << 16;
    g_section_repeat = 0;
    g_repeat_count = 0;

    hitmark_reset();

    std::vector<uint8_t> image;
    if (!read_stage_file(stage_number, image) || !stage.load(image.data(), level, loop, item_mode)) {
        return false;
    }

    player.kill_missiles();
    player.kill_explosions();
    player.kill_items();
    player.ship->start_stage();
    player.ship->fire_enabled = 1;

    char bgm_table[32];
    std::snprintf(bgm_table, sizeof bgm_table, ".\\bin\\bgmtbl%03d.txt", stage_number);
    if (!g_soundctr.load_bgm_table(bgm_table)) {
        return false;
    }
    // A stage counts as reached only once it has loaded.
    if (user != nullptr && user->stage < stage_number && stage_number <= max_unlocked_stage) {
        user->stage = stage_number;
    }

    const uint32_t p = g_stage_position;
    advance_object_windows(stage, p, p + 1);
    stage.events.advance_window(p, p + 1);
    run_pending_events();
    return true;
}

void play_scene_t::unload_stage() {
    g_soundctr.clear_bgm_table();
    stage.clear();
}

void play_scene_t::change_stage(int32_t stage_number, int32_t section, int32_t level, int32_t loop,
                                int32_t item_mode) {
    unload_stage();
    if (stage_number == -1) {
        all_cleared();
        return;
    }
    if (!load_stage(stage_number, section, level, loop, item_mode)) {
        char message[64];
        std::snprintf(message, sizeof message, "ステージ%03dの作成に失敗しました", stage_number);
        fail(message);
    }
}

void play_scene_t::teardown() {
    unload_stage();
    powergauge_destroy();
    if (g_player_ship == player.ship) {
        g_player_ship = nullptr;
    }
    player.destroy_all();
}

void play_scene_t::run_pending_events() {
    for (uint32_t i = stage.events.first, end = stage.events.end; i < end; ++i) {
        const eventinfo_t& event = stage.events[i];
        run_event(event.command, event.parameter);
    }
}

int32_t read_int_file(const char* path) {
    std::vector<uint8_t> bytes;
    if (read_whole_file(path, bytes, plat::largest_text_table) != load_status_t::loaded) {
        return -1;
    }
    for (const std::string& line : text_lines(bytes)) {
        const char* p = line.c_str();
        while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p))) {
            ++p;
        }
        int value = 0;
        if (*p != '#' && std::sscanf(p, "%d", &value) == 1) {
            return value;
        }
    }
    return -1;
}
