// The kit the enemy and boss families are tested on: a stage loaded by the real loader from placements,
// events and object records the test gives, terrain layers with settable pixels, a ship the test places,
// and frames of the play scene's own update, collisions, events and scroll, with what they did recorded.
//
//   load({placed(150, 128, 128)}, 3);       // objects at level 3 (records toughened, family level 3)
//   ship_at(200, 128);
//   run(260);
//   EXPECT_EQ(launches(list_enemy_shots), (std::vector<launch_t>{{0, list_enemy_shots, 0, ...}, ...}));
//   EXPECT_EQ(manifest_of(scene->stage, list_enemies0)[0], (part_t{"battery001::floorbody_t", 150}));
//
// Records made while running: `trace` (launches), `sounds`, `scene->posted` (events objects posted),
// `draws` (random numbers drawn per frame). Before load: `records(...)`, `loop`, `scene->inputs`; the
// condition word is the placement's own field. After load: advance_to(key) opens the windows and runs the
// events up to a later key, scene->shift_camera(dy) is the wrapped vertical scroll, draw() the world
// renderer (enemy list 1 becomes terrain on the collision screen), shoot() a player shot through the
// collision pass.
#pragma once

#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/objectinfo.h"
#include "play/play_scene.h"
#include "play/playinfo.h"
#include "play/stage_file.h"
#include "player/player_missile.h"
#include "tests/enemies/kit_lists.h"
#include "tests/player/terrain_fixture.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <tuple>
#include <vector>

class ship_t;

// A play scene that runs what objects and the stage post through its real event runner and records it,
// ends no run, and takes its input from the test.
class kit_scene_t : public play_scene_t {
  public:
    struct posted_t {
        uint32_t frame;
        int32_t type;
        int32_t param;
    };

    explicit kit_scene_t(playinfo_t* settings) : play_scene_t(settings, nullptr, nullptr) {}

    int32_t run_event(int32_t type, int32_t param) override;
    // inputs[frame counter] while the script lasts, then `input`.
    uint8_t read_input() override;
    void game_over() override { ++game_overs; }
    void all_cleared() override {}

    uint8_t input = 0;
    std::vector<uint8_t> inputs;
    int32_t game_overs = 0;
    std::vector<posted_t> posted;
};

// What the world renderer reads of an object to draw it.
struct look_t {
    int32_t image;
    int32_t pattern;
    int32_t blend;
    int32_t scale;
    bool flashing;
    bool operator==(const look_t&) const = default;
};
look_t look_of(object_t& object);

// Its helpers are public so that a family's own test helpers can take the kit.
class enemy_kit_t : public terrain_fixture_t {
  public:
    struct sound_t {
        uint32_t frame;
        int32_t id;
    };
    struct draw_t {
        uint32_t frame;
        int32_t count; // random numbers drawn in that frame
    };

    // The object table for the following loads: the sample records, an id given here replacing the
    // sample's in its place, the missing ids left out; loaded now at the level (toughened as a play
    // start does) and again by each load at its level.
    void records(std::vector<objectinfo_t> extra, std::initializer_list<int32_t> missing = {},
                 int32_t level = 1);
    // Unloads any stage, loads the object table at the level, and loads these placements and events
    // through the stage loader at the level and `loop`, with the scroll running to the right at the
    // stages' start speed and every window opened up to the stage position 0 (its events not run).
    void load(const std::vector<placement_t>& placements, int32_t level = 1, int32_t item_mode = 0);
    void load(const std::vector<placement_t>& placements, const std::vector<eventinfo_t>& events,
              int32_t level = 1, int32_t item_mode = 0);
    // Frames of the running game without its picture: update, collisions, sound requests, frame counter,
    // scroll with its events, in the play frame's order.
    void run(uint32_t frames);
    // Jumps the stage position to key (section << 16 | pixel) as the scroll would reach it: the windows
    // open to it and close behind two sections back, and the events of the key run.
    void advance_to(uint32_t key);
    // The world renderer's pass over the main game screen; the sample sprites load with the first one.
    void draw();
    // The main game screen's pixel, and whether the collision screen is solid there (after draw()).
    uint32_t screen_pixel(int32_t x, int32_t y);
    bool collision_solid(int32_t x, int32_t y);
    // A player shot of the power with a w x h box at (x, y), put through the collision pass's player
    // shots against enemy list 0; true when something took it.
    bool shoot(float x, float y, int32_t power, int32_t w = 8, int32_t h = 8);

    // The ship in play at (x, y), with its shots off; invulnerable unless the test wants it hurt.
    ship_t& ship_at(float x, float y, bool invulnerable = true);
    // A solid pixel of a terrain layer under screen point (x, y), at the layer's current scroll.
    void solid_at(vscreen_t& layer, int32_t x, int32_t y);

    // Requests of a sound effect id since the last load.
    int32_t sounds_of(int32_t id) const;
    // Frames (counted since the last load) of the requests of one sound effect.
    std::vector<uint32_t> sound_frames(int32_t id) const;
    // The launches of one list since the last load.
    std::vector<launch_t> launches(int32_t list) const;
    // Events posted since the n-th, as (frame, type, parameter).
    std::vector<std::tuple<uint32_t, int32_t, int32_t>> posted_since(size_t n) const;
    // Random numbers drawn in the frames since the last load.
    int32_t draws_total() const;
    // Every object of class T in the stage's lists, in list order (enemy lists, unlisted enemies, enemy
    // shots, explosions, items).
    template <typename T> std::vector<T*> all() {
        std::vector<T*> found;
        for (int32_t list : {list_enemies0, list_enemies1, list_enemies2, list_unlisted, list_enemy_shots,
                             list_explosions, list_items}) {
            for (object_t* object : objects_of(scene->stage, list)) {
                if (auto* t = dynamic_cast<T*>(object)) {
                    found.push_back(t);
                }
            }
        }
        return found;
    }
    // The only object of class T, or null.
    template <typename T> T* only() {
        const std::vector<T*> found = all<T>();
        return found.size() == 1 ? found[0] : nullptr;
    }
    // Alive objects of the stage's shot pool (the common bullets: revenge and aimed shots).
    int32_t pool_shots_alive();
    // Objects in the stage's lists, made at the last load.
    size_t object_total();
    // Per frame of `frames` run, how many objects of the pool came alive in it.
    template <typename T>
    std::vector<int32_t> starts_per_frame(const std::vector<T*>& pool, uint32_t frames) {
        std::vector<int32_t> starts;
        for (uint32_t f = 0; f < frames; ++f) {
            std::vector<uint8_t> before;
            for (const T* o : pool) {
                before.push_back(o->alive);
            }
            run(1);
            int32_t n = 0;
            for (size_t i = 0; i < pool.size(); ++i) {
                n += !before[i] && pool[i]->alive;
            }
            starts.push_back(n);
        }
        return starts;
    }

    playinfo_t settings;
    std::unique_ptr<kit_scene_t> scene;
    int32_t loop = 1;
    std::vector<sound_t> sounds;
    std::vector<launch_t> trace;
    std::vector<draw_t> draws;

  protected:
    void SetUp() override;
    void TearDown() override;

  private:
    void load_table(int32_t level);

    std::vector<objectinfo_t> table;
    launch_recorder_t recorder;
    objectinfo_t shot_record{};
    std::unique_ptr<player_missile_t> player_shot;
    bool sprites_loaded = false;
};

// A placement of the type at (x, y), appearing at key 0 unless given, dropping nothing unless given.
placement_t placed(int32_t type, int32_t x, int32_t y, int32_t param2 = 0, int32_t item = -1,
                   uint32_t key = 0);
// A stage event at key.
eventinfo_t event_at(uint32_t key, int32_t command, int32_t parameter = 0);

template <typename T> int32_t alive_count(const std::vector<T*>& objects) {
    return int32_t(std::count_if(objects.begin(), objects.end(), [](const T* o) { return o->alive != 0; }));
}
// The entries that are not 0.
std::vector<int32_t> nonzero(const std::vector<int32_t>& v);
// Numbers the generator draws to get from one state to another; -1 beyond 100000.
int32_t random_draws_between(uint32_t from, uint32_t to);
