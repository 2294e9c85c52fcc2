// The hatch's construction, its opening and closing around each flight of its chain, and its ring.
#include "enemies/turrets/hatch.h"

#include "enemies/damage_tail.h"
#include "enemies/turrets/battery001.h"
#include "enemies/twisters/twister002.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "play/spawn_helpers.h"

#include <limits>

namespace {

constexpr int32_t ring_shots = 16;
constexpr int32_t step_frames = 4;
constexpr int32_t patterns = 8; // closed 0 .. open 7
constexpr int32_t open_frames = 144;
constexpr int32_t pause_frames = 16;
constexpr int32_t ring_level = 3;
constexpr int32_t ring_step = 4;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 2;
constexpr int32_t se_destroyed_blast = 52;

enum : int32_t { closed = 0, open = 1, closing = 2, pausing = 3 };

} // namespace

void hatch_t::attach_children(twister002::leader_t* leader) {
    children = leader;
    if (leader != nullptr) {
        leader->park();
    }
}

bool hatch_t::open_step() {
    if (timer % step_frames != 0) {
        return true;
    }
    if (pattern + 1 < patterns) {
        ++pattern;
        return true;
    }
    return false;
}

bool hatch_t::close_step() {
    if (timer % step_frames != 0) {
        return true;
    }
    if (pattern - 1 >= 0) {
        --pattern;
        return true;
    }
    return false;
}

void hatch_t::launch() {
    const int32_t level = difficulty_level();
    const int32_t members = level == 1 ? 2 : level == 2 ? 4 : std::numeric_limits<int32_t>::max();
    children->launch(x, y, members);
}

void hatch_t::update() {
    const int32_t before = state;
    switch (state) {
    case closed:
        // An empty hatch has nothing to wait for and nothing to release.
        if (children != nullptr && !children->alive && !open_step()) {
            launch();
            state = open;
        }
        break;
    case open:
        if (timer >= open_frames) {
            state = closing;
        }
        break;
    case closing:
        if (!close_step()) {
            state = pausing;
        }
        break;
    default:
        if (timer >= pause_frames) {
            state = closed;
        }
        break;
    }
    timer = state != before ? 0 : timer + 1;
}

void hatch_t::damage(int32_t n) {
    enemy_t::damage(n);
    enemy_damage::damage_tail(*this, n, se_hit, {se_destroyed, se_destroyed_blast});
    if (!alive && difficulty_level() >= ring_level) {
        burst();
    }
}

void hatch_t::burst() {
    const int32_t level = difficulty_level();
    const float speed = 1.0f + 0.2f * float(level - ring_level);
    int32_t d = level == ring_level ? 2 : 0;
    // Shots taken earlier in the ring are alive, so each search goes on from where the last one stopped.
    for (int32_t i = 0; i < ring_shots; ++i, d = (d + ring_step) & 63) {
        launch_pooled_shot(shots, false, x, y, d, 0, speed, 0);
    }
}

hatch_t* stage_t::make_hatch(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<hatch_t>(stage, placement, info);
}

void stage_t::spawn_hatch(stage_t* stage, const placement_t* placement, enemy_t* leader) {
    // Without these the formation stays as its spawn function left it: alive and free.
    const auto r = find_records({placement->type, 85, 17});
    if (!r) {
        return;
    }
    const auto& [body_record, explosion, shot] = *r;
    hatch_t* hatch = make_hatch(stage, placement, body_record);
    attach_death_explosion(stage, placement, hatch, explosion);
    hatch->attach_children(dynamic_cast<twister002::leader_t*>(leader));
    for (int32_t i = 0; i < ring_shots; ++i) {
        common_missile1_t* m = make_common_missile1(stage, placement, shot);
        m->set_owner(hatch);
        hatch->shots.push_back(m);
    }
}
