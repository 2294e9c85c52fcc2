// Worm004's construction, its stretch cycle, its curling turn towards the ship and its shots.
#include "enemies/worms/worm004.h"

#include "objects/direction.h"
#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/random.h"
#include "objects/trig_tables.h"
#include "objects/wrap.h"
#include "play/spawn_helpers.h"
#include "player/ship.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t bodies = 5;
constexpr int32_t shot_count = 4;
constexpr int32_t bend_limit = 2;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 2;
constexpr int32_t turn_away_frames = 8;
constexpr int32_t cascade_frames = 4;
constexpr float longest = 8.0f;
constexpr float shortest = 4.0f;
constexpr float stretch = 0.4f;
constexpr float contract = 0.2f;
constexpr int32_t leave_x = -16;
constexpr int32_t fire_x = 224;

enum : int32_t { start_state = 0, check_state = 1, stretch_state = 10, top_state = 15, contract_state = 20 };

// -1, 0 or +1: the shorter way from `from` to `to`, a half turn counting positive.
int32_t sense_towards(int32_t from, int32_t to) {
    const int32_t d = wrap64(int64_t(to) - from);
    return d == 0 ? 0 : d <= 32 ? 1 : -1;
}

float shot_speed(int32_t level) {
    constexpr float speeds[4] = {0.5f, 1.0f, 1.5f, 2.0f};
    return speeds[std::clamp(level, 2, 5) - 2];
}

bool fires_at_top(uint32_t pulse, int32_t level) {
    return level >= 3 || (level == 2 ? pulse % 2 == 0 : pulse % 3 == 0);
}

} // namespace

namespace worm004 {

bool seg_t::turn(int32_t sense) {
    if (inner == nullptr) {
        return false;
    }
    if (sense > 0) {
        if (dir + 1 <= inner->dir + bend_limit) {
            ++dir;
            return true;
        }
        inner->turn(1);
    } else if (sense < 0) {
        if (dir - 1 >= inner->dir - bend_limit) {
            --dir;
            return true;
        }
        inner->turn(-1);
    } else {
        inner->turn(sense_towards(inner->dir & 63, dir & 63));
    }
    return false;
}

void head_t::step_state() {
    for (;;) {
        const int32_t before = state;
        switch (state) {
        case start_state:
            pulse_count = 0;
            // Far from zero, so that unmasked turns stay positive.
            for (seg_t* p = this; p != nullptr; p = p->inner) {
                p->dir = root->dir + 1024;
            }
            state = check_state;
            break;
        case check_state:
            if (int32_t(x) < leave_x) {
                for (seg_t* p = this; p != nullptr; p = p->inner) {
                    p->alive = 0;
                    p->hp = 0;
                }
            } else {
                state = stretch_state;
            }
            break;
        case stretch_state:
            if (spacing < longest) {
                spacing += stretch;
            } else {
                state = top_state;
            }
            break;
        case top_state:
            ++pulse_count;
            fire_ready = fires_at_top(pulse_count, difficulty_level());
            state = contract_state;
            break;
        default:
            if (spacing > shortest) {
                spacing -= contract;
            } else {
                state = check_state;
            }
            break;
        }
        if (state == before) {
            return;
        }
        timer = 0;
    }
}

void head_t::place_chain() {
    root->pattern = (((root->dir & 63) / 2) & 15) + root->bank;
    for (seg_t* p = root->outer; p != nullptr; p = p->outer) {
        const int32_t d = p->dir & 63;
        p->set_position(p->inner->x + spacing * cos_table[d], p->inner->y - spacing * sin_table[d]);
        p->pattern = ((d / 2) & 15) + p->bank;
    }
}

void head_t::update() {
    step_state();
    int32_t target = dir & 63;
    if (g_player_ship != nullptr) {
        target = direction_to(position(), player_ship_position());
    }
    if (hit_timer > 0) {
        --hit_timer;
        target = (target + 32) & 63;
    }
    turn(sense_towards(dir & 63, target));
    place_chain();
    // One chance per stretch.
    if (fire_ready && g_player_ship != nullptr) {
        fire_ready = false;
        const int32_t hx = int32_t(x);
        const int32_t hy = int32_t(y);
        const int32_t sx = int32_t(g_player_ship->x);
        const int32_t sy = int32_t(g_player_ship->y);
        if (hx < fire_x && hx - 64 <= sx && sx < hx + 128 && hy - 128 <= sy && sy < hy + 128) {
            fire();
        }
    }
    ++timer;
}

void head_t::fire() {
    const size_t i = next_idle(shots, 0);
    if (i < shots.size()) {
        launch(shots[i], x, y, dir & 63, shot_speed(difficulty_level()));
    }
}

void head_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    hit_timer = turn_away_frames;
    if (!alive) {
        g_soundctr.request_se(se_destroyed);
    }
}

void body_t::update() {
    if (outer != nullptr && !outer->alive && ++death_count >= cascade_frames) {
        kill();
    }
}

void body_t::damage(int32_t n) {
    if (head != nullptr && head->alive) {
        head->damage(n);
    }
}

bool body_t::is_flashing() {
    return head != nullptr && head->is_flashing();
}

} // namespace worm004

worm004::head_t* stage_t::make_worm004_head(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm004::head_t>(stage, placement, info);
}

worm004::body_t* stage_t::make_worm004_body(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm004::body_t>(stage, placement, info);
}

void stage_t::spawn_worm004(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({197, 198, 74, 18});
    if (!r) {
        return;
    }
    const auto [head_record, body_record, explosion, shot] = *r;
    worm004::head_t* head = make_worm004_head(stage, placement, head_record);
    attach_death_explosion(stage, placement, head, explosion);
    head->spacing = float(rng::rand() / 6554 + 4);
    make_shot_pool(stage, placement, shot, head, shot_count, head->shots);
    worm004::seg_t* previous = head;
    for (int32_t k = 1; k <= bodies; ++k) {
        worm004::body_t* body = make_worm004_body(stage, placement, body_record);
        attach_death_explosion(stage, placement, body, explosion)->period = 1;
        body->head = head;
        body->outer = previous;
        previous->inner = body;
        previous = body;
    }
    head->root = previous;
    const int32_t dir = wrap64(placement->param2);
    int32_t k = 0;
    for (worm004::seg_t* p = head; p != nullptr; p = p->inner, ++k) {
        p->bank = std::min(16 * k, 48);
        p->dir = dir;
    }
    give_item(stage, placement, head);
}
