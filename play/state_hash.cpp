#include "play/state_hash.h"

#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "objects/score.h"
#include "objects/star.h"
#include "play/play_scene.h"
#include "player/discharge.h"
#include "player/multiple.h"
#include "player/player_missile.h"
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/ship.h"
#include "player/shipjet.h"
#include "screen/screenctr.h"

#include <cstring>
#include <type_traits>

namespace {

// 64-bit FNV-1a over the values fed to it.
class hasher_t {
  public:
    template <typename T> void add(T value) {
        static_assert(std::is_arithmetic_v<T>);
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes) {
            hash_ = (hash_ ^ b) * 0x100000001B3ull;
        }
    }

    void add(object_t* object) {
        if (object == nullptr) {
            add(-1);
            return;
        }
        add(object->alive);
        add(object->x);
        add(object->y);
        add(object->hp);
        add(object->pattern);
    }

    template <typename T> void add_list(const std::vector<T*>& list) {
        add(uint32_t(list.size()));
        for (T* object : list) {
            add(static_cast<object_t*>(object));
        }
    }

    template <typename T> void add_list(const array_t<T*>& list) {
        add(list.first);
        add(list.end);
        add_list(list.items);
    }

    uint64_t value() const { return hash_; }

  private:
    uint64_t hash_ = 0xCBF29CE484222325ull;
};

} // namespace

uint64_t play_state_hash(play_scene_t& scene) {
    hasher_t h;
    h.add(g_frame_counter);
    h.add(g_stage_position);
    h.add(g_section_repeat);
    h.add(g_repeat_count);
    h.add(rng::current_state());
    h.add(g_score);
    h.add(g_lives);
    h.add(g_pending_bonus);
    h.add(scene.stage_no);
    h.add(scene.next_stage);
    h.add(scene.scroll_mode);
    h.add(scene.scroll_level);
    h.add(scene.scroll_stop);
    h.add(scene.fade_state);
    h.add(scene.fade_layer);
    h.add(scene.fade_weight);
    // Not the fade's colour: it is a pixel of the screen's format, so a fade to white would hash apart in 16
    // and 32 bits; the fade's state and the stage's events fix it.
    h.add(g_screenctr.scroll_pos_x);
    h.add(g_screenctr.scroll_pos_y);

    player_t& player = scene.player;
    h.add(static_cast<object_t*>(player.ship));
    if (player.ship != nullptr) {
        h.add(player.ship->state);
        h.add(player.ship->input);
    }
    h.add(static_cast<object_t*>(player.jet));
    h.add(static_cast<object_t*>(player.shield));
    h.add(static_cast<object_t*>(player.discharge));
    h.add_list(player.multiples);
    h.add_list(player.items);
    h.add_list(player.explosions);
    h.add_list(player.missiles);

    stage_t& stage = scene.stage;
    h.add_list(stage.items);
    for (const array_t<enemy_t*>& list : stage.enemies) {
        h.add_list(list);
    }
    h.add(stage.events.first);
    h.add(stage.events.end);
    h.add_list(stage.enemy_shots);
    h.add_list(stage.shot_pool);
    h.add_list(stage.explosions);
    h.add_list(stage.spark_pool);
    h.add_list(stage.stars);
    return h.value();
}
