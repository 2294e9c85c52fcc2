#include "tests/enemies/enemy_kit.h"

#include "base/binio.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "play/collision.h"
#include "play/play_state.h"
#include "player/powergauge.h"
#include "player/ship.h"
#include "screen/soundctr.h"
#include "tools/sample/objectinfo_file.h"
#include "tools/sample/stage_files.h"

#include <algorithm>

namespace {

constexpr uint32_t forever = 1u << 30;
constexpr int32_t se_requested = 2;
constexpr int32_t event_set_hold = 389;
constexpr int32_t event_is_held = 390;

} // namespace

int32_t kit_scene_t::run_event(int32_t type, int32_t param) {
    posted.push_back({g_frame_counter, type, param});
    // The scroll hold as the play scene keeps it: bosses set it and ask for it.
    if (type == event_set_hold) {
        scroll_hold = param != 0;
    }
    return type == event_is_held ? int32_t(scroll_hold) : 0;
}

placement_t placed(int32_t type, int32_t x, int32_t y, int32_t param2, int32_t item, uint32_t key) {
    placement_t p;
    p.x = x;
    p.y = y;
    p.type = type;
    p.key = key;
    p.param2 = param2;
    p.item = item;
    return p;
}

void enemy_kit_t::SetUp() {
    terrain_fixture_t::SetUp();
    reset_play_state();
    records({});
    scene = std::make_unique<kit_scene_t>(&settings);
    ASSERT_TRUE(scene->player.create(settings.option_type));
    g_player_ship = scene->player.ship;
    ASSERT_TRUE(powergauge_setup(&scene->player, 0, 0, 0));
    ship_at(48, 128);
}

void enemy_kit_t::TearDown() {
    scene.reset();
    g_soundctr.se_states.fill(0);
    reset_play_state();
    terrain_fixture_t::TearDown();
}

void enemy_kit_t::records(std::vector<objectinfo_t> extra, std::initializer_list<int32_t> missing,
                          int32_t level) {
    std::vector<objectinfo_t> table = sample_objectinfo_records();
    std::erase_if(table, [&](const objectinfo_t& r) {
        const auto replaced = [&r](const objectinfo_t& e) { return e.id == r.id; };
        return std::find(missing.begin(), missing.end(), r.id) != missing.end() ||
               std::any_of(extra.begin(), extra.end(), replaced);
    });
    for (const objectinfo_t& r : extra) {
        if (std::find(missing.begin(), missing.end(), r.id) == missing.end()) {
            table.push_back(r);
        }
    }
    ASSERT_TRUE(write_file_bytes(".\\bin\\objectinfo.dat", encode_objectinfo(table)));
    ASSERT_TRUE(objectinfo_load(".\\bin\\objectinfo.dat", level));
}

void enemy_kit_t::load(const std::vector<placement_t>& placements, int32_t level, int32_t item_mode) {
    scene->unload_stage();
    g_level = level;
    g_frame_counter = 0;
    g_stage_position = 0;
    g_section_repeat = 0;
    g_repeat_count = 0;
    g_terrain_mode = 2;
    rng::srand(uint32_t(settings.random_seed));
    scene->scroll_mode = 1;
    scene->scroll_level = 3;
    scene->scroll_stop = 0;
    scene->next_stage = 0;
    const std::vector<uint8_t> image = stage_file_bytes(placements, {});
    ASSERT_TRUE(scene->stage.load(image.data(), level, 1, item_mode));
    for (auto& list : scene->stage.enemies) {
        list.advance_window(0, 1);
    }
    scene->stage.enemy_shots.advance_window(0, 1);
    scene->stage.explosions.advance_window(0, 1);
    sounds.clear();
    scene->posted.clear();
    scene->scroll_hold = false;
    g_soundctr.se_states.fill(0);
}

void enemy_kit_t::run(uint32_t frames) {
    for (uint32_t i = 0; i < frames; ++i) {
        scene->update();
        collide_all(scene->stage, scene->player, powergauge::active_weapons);
        for (int32_t id = 0; id < soundctr_t::se_count; ++id) {
            if (g_soundctr.se_states[size_t(id)] == se_requested) {
                sounds.push_back({g_frame_counter, id});
            }
        }
        g_soundctr.play_requested_se();
        ++g_frame_counter;
        scene->scroll_frame();
    }
}

ship_t& enemy_kit_t::ship_at(float x, float y, bool invulnerable) {
    ship_t& ship = *scene->player.ship;
    ship.state = ship_t::play;
    ship.alive = 1;
    ship.dying_timer = 0;
    ship.invulnerable_timer = invulnerable ? forever : 0;
    ship.image = ship.info->image_id;
    ship.input = 0;
    ship.place_with_attachments(x, y);
    return ship;
}

void enemy_kit_t::solid_at(vscreen_t& layer, int32_t x, int32_t y) {
    solid(layer, (x - layer.offset_x) & (layer.width - 1), (y - layer.offset_y) & (layer.height - 1));
}

int32_t enemy_kit_t::sounds_of(int32_t id) const {
    return int32_t(
        std::count_if(sounds.begin(), sounds.end(), [id](const sound_t& s) { return s.id == id; }));
}

int32_t enemy_kit_t::pool_shots_alive() {
    const auto& pool = scene->stage.shot_pool.items;
    return int32_t(std::count_if(pool.begin(), pool.end(), [](missile_t* m) { return m->alive != 0; }));
}

size_t enemy_kit_t::object_total() {
    stage_t& s = scene->stage;
    size_t total = s.unlisted.size() + s.enemy_shots.size() + s.explosions.size() + s.items.size();
    for (int list = 0; list < 3; ++list) {
        total += s.enemies[list].size();
    }
    return total;
}
