// Worm007's construction, its core's hunt, spin and arm aim, the arms' breaking and the hands' fire.
#include "enemies/worms/worm007.h"

#include "enemies/damage_tail.h"
#include "enemies/worms/joint.h"
#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/phase_script.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t segments_per_arm = 9;
constexpr int32_t shots_per_hand = 4;
constexpr uint32_t core_explosion_period = 2;
constexpr uint32_t effect_period = 2; // the explosions' own
constexpr int32_t bend = 3;
constexpr int32_t quarter = 16; // directions between neighbouring arms
constexpr float anchor_radius = 16;
constexpr float muzzle = 10;
constexpr int32_t start_spin = 6;
constexpr float start_reach = 0.5f;
constexpr float full_reach = 4.0f;
constexpr float recoiled_reach = 1.5f;
constexpr float reach_growth = 0.04f;
constexpr float reach_loss = 0.075f;
constexpr float start_speed = 0.5f;
constexpr float leave_speed = 1.0f;
constexpr int32_t recoil_frames = 8;
constexpr int32_t fatal = 9999;
constexpr uint32_t breaking_delay = 4;
constexpr int32_t revenge_level = 4;
constexpr int32_t se_hit = 48;
constexpr int32_t se_dead = 39;
constexpr int32_t se_arm_hit = 47;
constexpr int32_t se_arm_dead = 55;

enum : int32_t { setting_up = 0, coming_in = 1, hunting = 10, braking = 30, leaving = 31 };
enum : int32_t { eye_setting_up = 0, eye_waiting = 1, eye_open = 2 };

bool inside(const object_t& o, float low, float high) {
    return o.x >= low && o.x < high && o.y >= low && o.y < high;
}

void set_direction(worm007::arm_t* s, int32_t d) {
    s->direction = d;
    s->pattern = d & 63;
}

} // namespace

namespace worm007 {

void arm_t::clamp_chain() {
    for (arm_t* s = next; s != nullptr; s = s->next) {
        set_direction(s, joint::within(s->direction, s->prev->direction, -bend, bend));
    }
}

void arm_t::update() {
    if ((next != nullptr && !next->alive) || (prev != nullptr && !prev->alive)) {
        if (death_delay == breaking_delay) {
            if (core != nullptr && !core->alive) {
                kill();
            } else {
                damage(fatal);
            }
        }
        ++death_delay;
    }
}

void arm_t::kill() {
    piveter_t::kill();
    enemy_damage::death_tail(*this, {se_arm_dead}, revenge_level);
}

void arm_t::damage(int32_t n) {
    enemy_t::damage(n);
    if (core == nullptr) {
        return;
    }
    if (!alive) {
        core->on_arm_destroyed(this);
    } else if (n != 0) {
        core->on_arm_hit(this);
        g_soundctr.request_se(se_arm_hit);
    }
}

bool arm_t::is_flashing() {
    return core != nullptr && core->is_flashing();
}

hand_t::hand_t(const objectinfo_t* info, float x, float y, uint32_t key) : arm_t(info, x, y, key) {
    shots.reserve(shots_per_hand);
}

void hand_t::update() {
    arm_t::update();
    if (!alive) {
        return;
    }
    const int32_t level = difficulty_level();
    if (level == 1) {
        return;
    }
    if (level <= 3) {
        if (g_frame_counter % 64 == 0) {
            fire(0.5f);
        }
    } else if (g_frame_counter % 32 == 0) {
        fire(level == 4 ? 1.0f : 1.5f);
    }
}

void hand_t::fire(float speed) {
    const int32_t d = direction & 63;
    const size_t i = next_idle(shots, 0, true);
    if (i == shots.size()) {
        return;
    }
    const float mx = x + muzzle * cos_table[d];
    const float my = y - muzzle * sin_table[d];
    missile_t* shot = shots[i];
    shot->start_effect_at(mx, my);
    shot->pattern = d & 31;
    launch(shot, mx, my, d, speed);
}

void eye_t::update() {
    for (bool again = true; again;) {
        again = false;
        if (state == eye_setting_up) {
            pattern = 7;
            again = enter_phase(state, timer, eye_waiting);
        } else if (state == eye_waiting) {
            if (x >= 32 && x < 224 && y >= 32 && y < 224) {
                again = enter_phase(state, timer, eye_open);
            }
        } else if (blink == 0) {
            if (timer % 2 == 0 && pattern - 1 >= 0) {
                --pattern;
            }
        } else {
            if (timer % 16 == 0 && pattern + 1 < 7) {
                ++pattern;
            }
            --blink;
        }
    }
    ++timer;
}

void eye_t::on_core_hit() {
    blink = 4;
    timer = 0;
}

void eye_t::on_arm_destroyed() {
    blink = 0;
    timer = 0;
    pattern = 7;
}

void light_t::update() {
    if (g_frame_counter % 4 == 0) {
        pattern = (pattern + 1) & 7;
    }
}

void core_t::attach_arms(arm_t* a1, arm_t* a2, arm_t* a3, arm_t* a4) {
    arm_t* given[4] = {a1, a2, a3, a4};
    for (size_t k = 0; k < arms.size(); ++k) {
        arms[k].first = given[k];
        for (arm_t* s = given[k]; s != nullptr; s = s->next) {
            s->core = this;
            arms[k].hand = s;
        }
    }
}

void core_t::reset_arms() {
    angle = 0;
    spin = start_spin;
    forward = 1;
    for (size_t k = 0; k < arms.size(); ++k) {
        for (arm_t* s = arms[k].first; s != nullptr; s = s->next) {
            set_direction(s, quarter * int32_t(k));
        }
    }
    place_arms();
}

int32_t core_t::rotate() {
    angle += forward ? spin : -spin;
    const int32_t r = angle * 64 / 360;
    pattern = r & 31;
    for (size_t k = 0; k < arms.size(); ++k) {
        if (arm_t* first = arms[k].first) {
            set_direction(first, joint::within(first->direction, r + quarter * int32_t(k), -bend, bend));
            first->clamp_chain();
        }
    }
    place_arms();
    return r;
}

void core_t::place_arms() {
    const int32_t a = ((angle % 360) + 360) % 360;
    const int32_t b = (a + 90) % 360;
    const float ox[4] = {anchor_radius * cos_table_deg[a], anchor_radius * cos_table_deg[b],
                         -anchor_radius * cos_table_deg[a], -anchor_radius * cos_table_deg[b]};
    const float oy[4] = {-anchor_radius * sin_table_deg[a], -anchor_radius * sin_table_deg[b],
                         anchor_radius * sin_table_deg[a], anchor_radius * sin_table_deg[b]};
    for (size_t k = 0; k < arms.size(); ++k) {
        arm_t* first = arms[k].first;
        if (first == nullptr) {
            continue;
        }
        const int32_t d = first->direction & 63;
        first->set_position(x + ox[k] + cos_table[d], y + oy[k] - sin_table[d]);
        const float reach = arms[k].reach;
        for (arm_t* s = first->next; s != nullptr; s = s->next) {
            const int32_t dp = s->prev->direction & 63;
            const int32_t ds = s->direction & 63;
            s->set_position(s->prev->x + reach * (cos_table[dp] + cos_table[ds]),
                            s->prev->y - reach * (sin_table[dp] + sin_table[ds]));
        }
    }
}

void core_t::move_toward_ship(float by) {
    if (const float* ship = player_ship_position()) {
        heading = (heading + joint::sign(joint::shortest_turn(heading, direction_to(position(), ship)))) & 63;
    }
    set_position(x + by * cos_table[heading], y - by * sin_table[heading]);
}

void core_t::aim_arms(int32_t r) {
    const float* ship = player_ship_position();
    if (ship == nullptr) {
        return;
    }
    for (size_t k = 0; k < arms.size(); ++k) {
        for (arm_t* s = arms[k].first; s != nullptr; s = s->next) {
            int32_t t = direction_to(s->position(), ship);
            if (arms[k].recoil != 0) {
                t = (t + 32) & 63;
            }
            const int32_t turn = joint::shortest_turn(s->direction, t);
            if (turn >= 2 || turn <= -2) {
                const int32_t base = s->prev != nullptr ? s->prev->direction : r + quarter * int32_t(k);
                const int32_t old = s->direction;
                set_direction(s, joint::within(s->direction + joint::sign(turn), base, -bend, bend));
                if (s->direction != old) {
                    s->clamp_chain();
                    break;
                }
            }
        }
    }
}

void core_t::update_reach() {
    for (arm_record_t& arm : arms) {
        if (arm.recoil == 0) {
            arm.reach = std::min(arm.reach + reach_growth, full_reach);
        } else if (arm.reach > recoiled_reach) {
            arm.reach = std::max(arm.reach - reach_loss, recoiled_reach);
        }
    }
}

void core_t::update() {
    for (bool again = true; again;) {
        again = false;
        if (state == setting_up) {
            reset_arms();
            if (light != nullptr) {
                light->alive = 0;
                light->hp = 0;
            }
            for (arm_record_t& arm : arms) {
                arm.reach = start_reach;
            }
            speed = start_speed;
            again = enter_phase(state, timer, coming_in);
        } else if (state == coming_in) {
            if (inside(*this, 16, 240)) {
                again = enter_phase(state, timer, hunting);
            } else {
                move_toward_ship(speed);
                rotate();
            }
        } else if (state == hunting) {
            // Measured unsigned, as a stage position short of the key would be by the game.
            if (g_stage_position - key >= window) {
                spin = 2;
                again = enter_phase(state, timer, braking);
                continue;
            }
            if (spin > 2 && timer % 16 == 0) {
                --spin;
            }
            move_toward_ship(speed);
            const int32_t r = rotate();
            if (spin < 3) {
                aim_arms(r);
            }
            update_reach();
        } else if (state == braking) {
            if (speed == 0) {
                again = enter_phase(state, timer, leaving);
                continue;
            }
            if (spin > 1 && timer % 16 == 0) {
                --spin;
            }
            speed = std::max(speed - 0.01f, 0.0f);
            move_toward_ship(speed);
            aim_arms(rotate());
            update_reach();
        } else if (state == leaving) {
            if (speed < leave_speed) {
                speed = std::min(speed + 0.02f, leave_speed);
            }
            set_position(x - speed, y);
            aim_arms(rotate());
            update_reach();
        }
    }
    for (enemy_t* cover : {static_cast<enemy_t*>(eye), static_cast<enemy_t*>(light)}) {
        if (cover != nullptr) {
            cover->set_position(x, y);
        }
    }
    for (arm_record_t& arm : arms) {
        if (arm.recoil > 0) {
            --arm.recoil;
        }
    }
    ++timer;
}

void core_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    if (eye != nullptr) {
        eye->on_core_hit();
    }
    if (g_frame_counter % 2 == 0) {
        spawn_sparks(position(), 1);
    }
    g_soundctr.request_se(se_hit);
    if (alive) {
        return;
    }
    g_soundctr.request_se(se_dead);
    for (enemy_t* cover : {static_cast<enemy_t*>(eye), static_cast<enemy_t*>(light)}) {
        if (cover != nullptr) {
            cover->kill();
        }
    }
    for (arm_record_t& arm : arms) {
        if (arm.first != nullptr && arm.first->alive) {
            arm.first->damage(fatal);
        }
    }
    if (difficulty_level() >= revenge_level) {
        fire_aimed_bullet(position());
    }
}

void core_t::on_arm_destroyed(arm_t* segment) {
    if (eye != nullptr) {
        eye->on_arm_destroyed();
    }
    if (segment->prev == nullptr) {
        forward = !forward;
    }
    if (alive && light != nullptr && !light->alive) {
        light->start();
    }
}

void core_t::on_arm_hit(arm_t* segment) {
    // The index comes from the assembly; one outside 1..4 names no arm.
    if (segment->index >= 1 && segment->index <= int32_t(arms.size())) {
        arms[size_t(segment->index - 1)].recoil = recoil_frames;
    }
}

} // namespace worm007

worm007::core_t* stage_t::make_worm007_core(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm007::core_t>(stage, placement, info);
}

worm007::arm_t* stage_t::make_worm007_arm(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<worm007::arm_t>(stage, placement, info);
}

worm007::hand_t* stage_t::make_worm007_hand(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<worm007::hand_t>(stage, placement, info);
}

worm007::eye_t* stage_t::make_worm007_eye(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<worm007::eye_t>(stage, placement, info);
}

worm007::light_t* stage_t::make_worm007_light(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    return make_placed_enemy<worm007::light_t>(stage, placement, info);
}

worm007::arm_t* stage_t::spawn_worm007_arm(stage_t* stage, const placement_t* placement, int32_t index) {
    const auto r = find_records({207, 74, 30, 31});
    if (!r) {
        return nullptr;
    }
    const auto [segment_record, explosion, shot, effect] = *r;
    worm007::arm_t* first = nullptr;
    worm007::arm_t* last = nullptr;
    for (int32_t i = 0; i <= segments_per_arm; ++i) {
        worm007::arm_t* s = i < segments_per_arm ? make_worm007_arm(stage, placement, segment_record)
                                                 : make_worm007_hand(stage, placement, segment_record);
        attach_death_explosion(stage, placement, s, explosion);
        s->index = index;
        s->prev = last;
        if (last != nullptr) {
            last->next = s;
        } else {
            first = s;
        }
        last = s;
    }
    auto* hand = static_cast<worm007::hand_t*>(last);
    for (int32_t i = 0; i < shots_per_hand; ++i) {
        make_shot_with_effect(stage, placement, shot, effect, effect_period, hand, hand->shots);
    }
    return first;
}

void stage_t::spawn_worm007(stage_t* stage, const placement_t* placement) {
    // An arm whose records are missing is left out; the core hunts with the others.
    const auto r = find_records({206, 208, 209, 84});
    if (!r) {
        return;
    }
    const auto [core_record, eye_record, light_record, explosion] = *r;
    worm007::core_t* core = make_worm007_core(stage, placement, core_record);
    attach_death_explosion(stage, placement, core, explosion)->period = core_explosion_period;
    worm007::arm_t* arm[4];
    for (int32_t i = 0; i < 4; ++i) {
        arm[i] = spawn_worm007_arm(stage, placement, i + 1);
    }
    core->attach_arms(arm[0], arm[1], arm[2], arm[3]);
    core->eye = make_worm007_eye(stage, placement, eye_record);
    core->light = make_worm007_light(stage, placement, light_record);
    give_item(stage, placement, core);
}
