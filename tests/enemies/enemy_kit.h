// The kit the enemy and boss families are tested on: a stage loaded by the real loader from placements
// and object records the test gives, terrain layers with settable pixels, a ship the test places, and
// frames of the play scene's own update, collisions and scroll, with the posted events and requested
// sound effects recorded. A test reads: load it, place the ship, run 200 frames, look.
#pragma once

#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/objectinfo.h"
#include "play/play_scene.h"
#include "play/playinfo.h"
#include "play/stage_file.h"
#include "tests/player/terrain_fixture.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class ship_t;

// A play scene that keeps what objects post instead of running it, and takes its input from the test.
class kit_scene_t : public play_scene_t {
  public:
    struct posted_t {
        uint32_t frame;
        int32_t type;
        int32_t param;
    };

    explicit kit_scene_t(playinfo_t* settings) : play_scene_t(settings, nullptr, nullptr) {}

    int32_t run_event(int32_t type, int32_t param) override;
    uint8_t read_input() override { return input; }

    uint8_t input = 0;
    bool scroll_hold = false; // what 390 answers; 389 sets it
    std::vector<posted_t> posted;
};

// Its helpers are public so that a family's own test helpers can take the kit.
class enemy_kit_t : public terrain_fixture_t {
  public:
    struct sound_t {
        uint32_t frame;
        int32_t id;
    };

    // The object table: the sample records, then these (an id given here replaces the sample's), without
    // the missing ids; hit points toughened for the level as a play start does.
    void records(std::vector<objectinfo_t> extra, std::initializer_list<int32_t> missing = {},
                 int32_t level = 1);
    // Unloads any stage and loads one of these placements through the stage loader at the level (the
    // objects' difficulty), with the scroll running to the right at the stages' start speed and every
    // window opened up to the stage position 0.
    void load(const std::vector<placement_t>& placements, int32_t level = 1, int32_t item_mode = 0);
    // Frames of the running game without its picture: update, collisions, sound requests, frame counter,
    // scroll, in the play frame's order.
    void run(uint32_t frames);

    // The ship in play at (x, y), with its shots off; invulnerable unless the test wants it hurt.
    ship_t& ship_at(float x, float y, bool invulnerable = true);
    // A solid pixel of a terrain layer under screen point (x, y), at the layer's current scroll.
    void solid_at(vscreen_t& layer, int32_t x, int32_t y);

    // Requests of a sound effect id since the last load.
    int32_t sounds_of(int32_t id) const;
    // Every object of class T in the stage's lists, in list order (enemy lists, unlisted enemies, enemy
    // shots, explosions, items).
    template <typename T> std::vector<T*> all() {
        std::vector<T*> found;
        const auto take = [&found](auto& items) {
            for (auto* object : items) {
                if (auto* t = dynamic_cast<T*>(object)) {
                    found.push_back(t);
                }
            }
        };
        for (auto& list : scene->stage.enemies) {
            take(list.items);
        }
        take(scene->stage.unlisted.items);
        take(scene->stage.enemy_shots.items);
        take(scene->stage.explosions.items);
        take(scene->stage.items);
        return found;
    }
    // Alive objects of the stage's shot pool (the common bullets: revenge and aimed shots).
    int32_t pool_shots_alive();
    // Objects in the stage's lists, made at the last load.
    size_t object_total();

    playinfo_t settings;
    std::unique_ptr<kit_scene_t> scene;
    std::vector<sound_t> sounds;

  protected:
    void SetUp() override;
    void TearDown() override;
};

// A placement of the type at (x, y), appearing at key 0 unless given, dropping nothing unless given.
placement_t placed(int32_t type, int32_t x, int32_t y, int32_t param2 = 0, int32_t item = -1,
                   uint32_t key = 0);
