// The fish's drift, volleys and fans, its debris before death, and its construction.
#include "enemies/gunships/fish.h"

#include "enemies/jet.h"
#include "objects/enemy_fire.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t shot_count = 16;
constexpr int32_t debris_count = 16;
constexpr uint32_t dying = 1000;
constexpr int32_t dying_hp = 100;
constexpr uint32_t dying_frames = 48;
constexpr uint32_t debris_every = 6;
constexpr int32_t se_hit = 48;
constexpr int32_t se_breaking = 75;
constexpr int32_t se_destroyed = 42;
constexpr int32_t se_volley = 45;
constexpr int32_t revenge_level = 4;
constexpr float drift = 0.25f;
constexpr float volley_speed = 2.0f;
constexpr int32_t left = 32;
constexpr int32_t hit_box_shift = 8;
constexpr uint32_t volley_effect_period = 2; // an effect's own, as made

// The fan by level 2..8: every `every` frames of the whole timer, at `speed`.
struct fan_t {
    uint32_t every;
    float speed;
};
constexpr fan_t fans[] = {{12, 1.0f}, {8, 1.2f}, {6, 1.5f}, {4, 2.0f}, {4, 2.0f}, {4, 2.0f}, {4, 2.0f}};

// The debris offsets against the body, less (40, 24), and the fan's directions around straight left.
constexpr int32_t debris_x[8] = {24, 32, 64, 48, 16, 56, 48, 64};
constexpr int32_t debris_y[8] = {16, 28, 32, 16, 30, 16, 32, 16};
constexpr int32_t fan_turn[14] = {0, 3, -4, -3, 1, 0, 2, -1, 4, -2, 1, 3, -2, -4};

} // namespace

void fish_t::update() {
    if (state < dying && hp < dying_hp) {
        state = dying;
        timer = 0;
        g_soundctr.request_se(se_breaking);
    }
    if (state == 0) {
        set_position(x - drift, y);
        if (x < -64) {
            // Gone off the left: parked, without explosion, item or score.
            alive = 0;
            hp = 0;
            jet_a->kill();
            jet_b->kill();
            return;
        }
        swim();
    } else if (state == dying) {
        die_slowly();
    }
    ++timer;
    jet_a->set_position(x + 30, y - 6);
    jet_b->set_position(x + 34, y + 5);
}

void fish_t::swim() {
    if (x >= 0 && x < 256 && y >= 0 && y < 256 && (timer & 63) < 16 && (timer & 3) == 0) {
        fire_volley_shot();
    }
    const int32_t level = difficulty_level();
    if ((timer & 127) < 32 && level != 1) {
        const fan_t& fan = fans[level - 2];
        if (timer % fan.every == 0) {
            fire_fan_shot(fan.speed);
        }
    }
}

void fish_t::die_slowly() {
    if (timer >= dying_frames) {
        enemy_t::damage(9999);
        g_soundctr.request_se(se_destroyed);
        if (difficulty_level() >= revenge_level) {
            fire_aimed_bullet(position());
        }
    }
    if (timer % debris_every == 0) {
        mul_explosion_t::data_t& d = debris.entries[size_t(debris.next)];
        if (!d.explosion->alive) {
            d.explosion->set_position(float(int32_t(x) + d.dx), float(int32_t(y) + d.dy));
            d.explosion->start();
            debris.next = (debris.next + 1) % int32_t(debris.entries.size());
        }
    }
}

void fish_t::fire_volley_shot() {
    const size_t i = next_idle(volley_shots, 0);
    if (i < volley_shots.size()) {
        missile_t* shot = volley_shots[i];
        shot->start_effect_at(x - 24, y + 4);
        launch(shot, x - 24, y + 4, left, volley_speed);
    }
    g_soundctr.request_se(se_volley);
}

void fish_t::fire_fan_shot(float speed) {
    missile_t* shot = fan_shots[fan_index];
    fan_index = (fan_index + 1) % uint32_t(fan_shots.size());
    if (shot->alive) {
        return;
    }
    launch(shot, x - 34, y - 12, shot->direction, speed);
}

void fish_t::get_rect(plat::rect_t& out) {
    enemy_t::get_rect(out);
    out.left += hit_box_shift;
    out.right += hit_box_shift;
}

void fish_t::kill() {
    enemy_t::kill();
    jet_a->kill();
    jet_b->kill();
}

void fish_t::damage(int32_t n) {
    if (n == 0 || state == dying) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
}

fish_t* stage_t::make_fish(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    fish_t* fish = make_placed_enemy<fish_t>(stage, placement, info);
    fish->volley_shots.reserve(shot_count);
    fish->fan_shots.reserve(shot_count);
    fish->debris.entries.reserve(4);
    return fish;
}

void stage_t::spawn_fish(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({167, 93, 84, 67, 68, 69, 18, 30, 31});
    if (!r) {
        return;
    }
    const auto [body, jet, explosion, debris0, debris1, debris2, fan, volley, volley_effect] = *r;
    jet_t* jet_a = make_jet(stage, placement, jet);
    jet_t* jet_b = make_jet(stage, placement, jet);
    jet_a->period = 2;
    jet_b->period = 2;
    fish_t* fish = make_fish(stage, placement, body);
    fish->jet_a = jet_a;
    fish->jet_b = jet_b;
    jet_b->pattern = 1; // one pattern ahead of jet A
    attach_death_explosion(stage, placement, fish, explosion);
    const objectinfo_t* debris_records[3] = {debris0, debris1, debris2};
    for (int32_t i = 0; i < debris_count; ++i) {
        explosion_t* e = make_explosion(stage, placement, debris_records[i % 3]);
        e->period = uint32_t(i / 4 + 2);
        fish->debris.add(e, debris_x[i % 8] - 40, debris_y[i % 8] - 24);
    }
    for (int32_t i = 0; i < shot_count; ++i) {
        missile_t* shot = make_missile(stage, placement, fan);
        shot->direction = (fan_turn[i % 14] + left) & 63;
        shot->set_owner(fish);
        fish->fan_shots.push_back(shot);
    }
    for (int32_t i = 0; i < shot_count; ++i) {
        make_shot_with_effect(stage, placement, volley, volley_effect, volley_effect_period, fish,
                              fish->volley_shots);
    }
    give_item(stage, placement, fish);
}
