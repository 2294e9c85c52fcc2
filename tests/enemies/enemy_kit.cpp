#include "tests/enemies/enemy_kit.h"

#include "base/binio.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "play/collision.h"
#include "play/play_state.h"
#include "play/scroll.h"
#include "player/powergauge.h"
#include "player/ship.h"
#include "screen/soundctr.h"
#include "tests/render/blend_surfaces.h"
#include "tools/sample/objectinfo_file.h"
#include "tools/sample/stage_files.h"

#include <algorithm>

namespace {

constexpr uint32_t forever = 1u << 30;
constexpr int32_t se_requested = 2;
constexpr uint32_t section_step = 0x10000;
constexpr int32_t kit_shot_record = -2; // never asked for by id

} // namespace

int32_t kit_scene_t::run_event(int32_t type, int32_t param) {
    posted.push_back({g_frame_counter, type, param});
    return play_scene_t::run_event(type, param);
}

uint8_t kit_scene_t::read_input() {
    return g_frame_counter < inputs.size() ? inputs[g_frame_counter] : input;
}

look_t look_of(object_t& object) {
    return {object.image_id(), object.pattern, object.blend_mode(), object.scale(), object.is_flashing()};
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

eventinfo_t event_at(uint32_t key, int32_t command, int32_t parameter) {
    return {command, 0, key, parameter};
}

std::vector<int32_t> nonzero(const std::vector<int32_t>& v) {
    std::vector<int32_t> out;
    std::copy_if(v.begin(), v.end(), std::back_inserter(out), [](int32_t n) { return n != 0; });
    return out;
}

int32_t random_draws_between(uint32_t from, uint32_t to) {
    for (int32_t n = 0; n < 100000; ++n, from = from * 22695477u + 1u) {
        if (from == to) {
            return n;
        }
    }
    return -1;
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
    table = sample_objectinfo_records();
    // In place, so that objects made before keep records of their own ids.
    for (objectinfo_t& r : table) {
        const auto same = [&r](const objectinfo_t& e) { return e.id == r.id; };
        if (const auto e = std::find_if(extra.begin(), extra.end(), same); e != extra.end()) {
            r = *e;
            extra.erase(e);
        }
        if (std::find(missing.begin(), missing.end(), r.id) != missing.end()) {
            r.id = -1;
        }
    }
    for (const objectinfo_t& r : extra) {
        if (std::find(missing.begin(), missing.end(), r.id) == missing.end()) {
            table.push_back(r);
        }
    }
    load_table(level);
}

void enemy_kit_t::load_table(int32_t level) {
    ASSERT_TRUE(write_file_bytes(".\\bin\\objectinfo.dat", encode_objectinfo(table)));
    ASSERT_TRUE(objectinfo_load(".\\bin\\objectinfo.dat", level));
}

void enemy_kit_t::load(const std::vector<placement_t>& placements, int32_t level, int32_t item_mode) {
    load(placements, {}, level, item_mode);
}

void enemy_kit_t::load(const std::vector<placement_t>& placements, const std::vector<eventinfo_t>& events,
                       int32_t level, int32_t item_mode) {
    scene->unload_stage();
    load_table(level);
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
    scene->game_overs = 0;
    const std::vector<uint8_t> image = stage_file_bytes(placements, events);
    ASSERT_TRUE(scene->stage.load(image.data(), level, loop, item_mode));
    for (auto& list : scene->stage.enemies) {
        list.advance_window(0, 1);
    }
    scene->stage.enemy_shots.advance_window(0, 1);
    scene->stage.explosions.advance_window(0, 1);
    sounds.clear();
    trace.clear();
    draws.clear();
    scene->posted.clear();
    g_soundctr.se_states.fill(0);
}

void enemy_kit_t::run(uint32_t frames) {
    for (uint32_t i = 0; i < frames; ++i) {
        const uint32_t random_state = rng::current_state();
        recorder.snapshot(scene->stage);
        scene->update();
        collide_all(scene->stage, scene->player, powergauge::active_weapons);
        recorder.collect(scene->stage, g_frame_counter, trace);
        for (int32_t id = 0; id < soundctr_t::se_count; ++id) {
            if (g_soundctr.se_states[size_t(id)] == se_requested) {
                sounds.push_back({g_frame_counter, id});
            }
        }
        g_soundctr.play_requested_se();
        ++g_frame_counter;
        scene->scroll_frame();
        if (const int32_t n = random_draws_between(random_state, rng::current_state()); n != 0) {
            draws.push_back({g_frame_counter - 1, n});
        }
    }
}

void enemy_kit_t::advance_to(uint32_t key) {
    g_stage_position = key;
    const int64_t section_start = int32_t(key & 0xFFFF0000u);
    const int64_t from = std::max<int64_t>(0, section_start - 2 * int64_t(section_step));
    advance_object_windows(scene->stage, uint32_t(from), key + 1);
    advance_event_window(scene->stage.events, key);
    scene->run_pending_events();
}

void enemy_kit_t::draw() {
    if (!sprites_loaded) {
        ASSERT_TRUE(g_screenctr.load_sprites(".\\bin\\sptbl.dat"));
        sprites_loaded = true;
    }
    // Unlocked, as the update leaves them: a locked surface takes no copies.
    for (vscreen_t* layer : {static_cast<vscreen_t*>(cg.get()), static_cast<vscreen_t*>(slot0.get()),
                             static_cast<vscreen_t*>(slot1.get())}) {
        layer->unlock();
    }
    scene->draw_world();
}

uint32_t enemy_kit_t::screen_pixel(int32_t x, int32_t y) {
    return blend_test::get_pixel(*g_screenctr.mg->surface, x, y);
}

bool enemy_kit_t::collision_solid(int32_t x, int32_t y) {
    return blend_test::get_pixel(*cg->surface, x & (cg->width - 1), y & (cg->height - 1)) != 0;
}

bool enemy_kit_t::shoot(float x, float y, int32_t power, int32_t w, int32_t h) {
    shot_record = {kit_shot_record, w, h, 1, power, 0, -1, 0, 0};
    player_shot = std::make_unique<player_missile_t>(&shot_record);
    player_shot->start();
    player_shot->set_position(x, y);
    std::vector<player_missile_t*> shots{player_shot.get()};
    collide_enemies_player_shots(scene->stage.enemies[0], shots);
    return player_shot->alive == 0;
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
    return int32_t(sound_frames(id).size());
}

std::vector<uint32_t> enemy_kit_t::sound_frames(int32_t id) const {
    std::vector<uint32_t> frames;
    for (const sound_t& s : sounds) {
        if (s.id == id) {
            frames.push_back(s.frame);
        }
    }
    return frames;
}

std::vector<launch_t> enemy_kit_t::launches(int32_t list) const {
    std::vector<launch_t> found;
    std::copy_if(trace.begin(), trace.end(), std::back_inserter(found),
                 [list](const launch_t& l) { return l.list == list; });
    return found;
}

std::vector<std::tuple<uint32_t, int32_t, int32_t>> enemy_kit_t::posted_since(size_t n) const {
    std::vector<std::tuple<uint32_t, int32_t, int32_t>> events;
    for (size_t i = n; i < scene->posted.size(); ++i) {
        events.emplace_back(scene->posted[i].frame, scene->posted[i].type, scene->posted[i].param);
    }
    return events;
}

int32_t enemy_kit_t::draws_total() const {
    int32_t total = 0;
    for (const draw_t& d : draws) {
        total += d.count;
    }
    return total;
}

int32_t enemy_kit_t::pool_shots_alive() {
    return alive_count(scene->stage.shot_pool.items);
}

size_t enemy_kit_t::object_total() {
    size_t total = 0;
    for (int32_t list = 0; list < kit_list_count; ++list) {
        if (list != list_shot_pool && list != list_spark_pool) {
            total += objects_of(scene->stage, list).size();
        }
    }
    return total;
}
