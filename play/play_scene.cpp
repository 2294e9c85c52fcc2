#include "play/play_scene.h"

#include "base/bootlog.h"
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
#include <memory>
#include <vector>

namespace {

constexpr const char* objectinfo_file = ".\\bin\\objectinfo.dat";
constexpr const char* gauge_style_file = ".\\bin\\gaugestyle.txt";
// Layers 0 and 1 follow the scroll fully, layer 2 at half and layer 3 at a quarter of it.
constexpr int32_t layer_shifts[background_layer_count] = {0, 0, 1, 2};

struct file_closer_t {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using file_t = std::unique_ptr<std::FILE, file_closer_t>;

// The whole stage file image; false when it does not open or is shorter than a stage.
bool read_stage_file(int32_t stage, std::vector<uint8_t>& image) {
    char name[32];
    std::snprintf(name, sizeof name, ".\\bin\\st%03d.dat", stage);
    const file_t f(plat::open_file(name, "rb"));
    if (f == nullptr) {
        return false;
    }
    image.resize(stage_file_size);
    return std::fread(image.data(), 1, image.size(), f.get()) == image.size();
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
    if (user != nullptr && user->stage < stage_number && stage_number <= max_unlocked_stage) {
        user->stage = stage_number;
    }
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
    const file_t f(plat::open_file(path, "r"));
    if (f == nullptr) {
        return -1;
    }
    char line[256];
    while (std::fgets(line, sizeof line, f.get()) != nullptr) {
        const char* p = line;
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
