// Twinbarrel's construction, its hops, bolts, smoke, retreat and death ring.
#include "enemies/gunships/twinbarrel.h"

#include "objects/explosion.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "player/smoke.h"
#include "screen/soundctr.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int32_t death_explosion_record = 84;
constexpr int32_t shot_record = 17;
constexpr int32_t smoke_record = 175;
constexpr int32_t laser_record = 145;
constexpr int32_t muzzle_record = 29;
constexpr int32_t bolt_count = 4;
constexpr int32_t bolt_pieces = 3;
constexpr int32_t shot_count = 64;
constexpr int32_t smoke_count = 16;
constexpr uint32_t muzzle_period = 6;
constexpr uint32_t smoke_period = 2;
constexpr float smoke_speed = 2.5f;
// Puffs drift to the left within four steps either side.
constexpr int32_t smoke_directions[8] = {36, 28, 33, 30, 32, 29, 34, 31};

constexpr float piece_gap = 15;
constexpr float bolt_speed = 2.5f;
constexpr int32_t bolt_direction = 32;
constexpr float hop_reach = 64;
constexpr float right_zone = 192;
constexpr float right_edge = 256;
constexpr float retreat_speed = 1.5f;
constexpr uint32_t pause_frames = 11;
constexpr int32_t smoking_hp = 80;
constexpr uint32_t section = 0xFFFF;
constexpr float ring_speed = 2.0f;
constexpr int32_t ring_level = 3;
constexpr int32_t rect_shift = 20;
constexpr int32_t se_fire = 40;
constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 1;

enum : int32_t { hopping = 0, pausing = 1, retreating = 1000 };

} // namespace

namespace twinbarrel {

void laser_t::update() {
    if (front == nullptr) {
        x -= speed;
    } else if (x - front->x > piece_gap) {
        set_position(front->x + piece_gap, front->y);
    }
    if (tail == nullptr && !is_in_bounds()) {
        kill();
    }
}

void laser_t::start() {
    alive = 1;
    hp = max_hp();
    if (tail != nullptr) {
        tail->set_position(x, y);
        tail->start();
    }
}

void laser_t::kill() {
    alive = 0;
    hp = 0;
    if (front != nullptr) {
        front->kill();
    }
}

void body_t::update() {
    const float y0 = y;
    bool counted = true;
    if (state == hopping) {
        if (hop()) {
            state = pausing;
            timer = 0;
            counted = false;
        }
    } else if (state == pausing) {
        if (timer > pause_frames) {
            state = hopping;
            timer = 0;
            counted = false;
        } else if (timer == 0) {
            fire_pair();
        }
    } else if (state == retreating) {
        x -= retreat_speed;
    }
    if (counted) {
        ++timer;
    }
    if ((timer & 3) == 0) {
        if (y < y0) {
            tilt = std::min(tilt + 1, 3);
        } else if (y > y0) {
            tilt = std::max(tilt - 1, -3);
        } else {
            tilt -= (tilt > 0) - (tilt < 0);
        }
        pattern = tilt & 7;
    }
    smoke();
    // Measured in 64 bits: a stage position short of the key does not wrap into a retreat.
    if (state != retreating && int64_t(g_stage_position) - int64_t(key) > int64_t(section)) {
        state = retreating;
        timer = 0;
    }
}

bool body_t::hop() {
    const float* ship = player_ship_position();
    const float ship_x = ship != nullptr ? ship[0] : x;
    const float ship_y = ship != nullptr ? ship[1] : y;
    if (timer == 0) {
        arrived = 0;
        hop_start_y = y;
        hop_angle = 180;
        hop_step = 5;
        half_offset_y = std::clamp(ship_y - y, -hop_reach, hop_reach) * 0.5f;
    }
    float new_x = x;
    if (x < right_zone) {
        new_x = x + 1;
    } else if (x < right_edge) {
        new_x = x <= ship_x ? x + 1 : x - 1;
    } else {
        new_x = x - 1;
    }
    if (hop_angle > 360) {
        arrived = 1;
        return true;
    }
    const float c = cos_deg(hop_angle);
    hop_angle += hop_step;
    set_position(new_x, hop_start_y + half_offset_y + half_offset_y * c);
    return false;
}

void body_t::fire_pair() {
    size_t next = 0;
    for (const auto& [dx, dy] : {std::pair{-36.0f, -8.0f}, std::pair{-16.0f, 8.0f}}) {
        next = next_idle(lasers, next, true);
        if (next == lasers.size()) {
            break;
        }
        laser_t* head = lasers[next++];
        head->start_effect_at(x + dx, y + dy);
        launch(head, x + dx, y + dy, bolt_direction, bolt_speed);
    }
    g_soundctr.request_se(se_fire);
}

void body_t::smoke() {
    if (hp >= smoking_hp || g_frame_counter % 3 != 0) {
        return;
    }
    for (smoke_t* puff : smokes) {
        if (!puff->alive) {
            puff->set_position(x, y);
            puff->start();
            return;
        }
    }
}

void body_t::move_y(int32_t d) {
    y += float(d);
    hop_start_y += float(d);
}

void body_t::move_y_wrapped(int32_t d) {
    y = wrapped_y(y, d);
    hop_start_y = wrapped_y(hop_start_y, d);
}

void body_t::get_rect(plat::rect_t& out) {
    enemy_t::get_rect(out);
    out.left += rect_shift;
    out.right += rect_shift;
}

void body_t::damage(int32_t n) {
    if (n == 0) {
        return;
    }
    enemy_t::damage(n);
    g_soundctr.request_se(se_hit);
    if (!alive) {
        g_soundctr.request_se(se_destroyed);
        if (difficulty_level() >= ring_level) {
            fire_ring();
        }
    }
}

void body_t::fire_ring() {
    const int32_t level = difficulty_level();
    const int32_t n = std::min(1 << level, shot_count);
    const int32_t step = shot_count / n;
    int32_t direction = level % 2 != 0 ? step / 2 : 0;
    size_t next = 0;
    for (int32_t i = 0; i < n; ++i) {
        next = next_idle(shots, next);
        if (next < shots.size()) {
            launch(shots[next++], x, y, direction, ring_speed);
        }
        direction = (direction + step) & 63;
    }
}

} // namespace twinbarrel

twinbarrel::body_t* stage_t::make_twinbarrel(stage_t* stage, const placement_t* placement,
                                             const objectinfo_t* info) {
    return make_placed_enemy<twinbarrel::body_t>(stage, placement, info);
}

twinbarrel::laser_t* stage_t::make_twinbarrel_laser(stage_t* stage, const placement_t* placement,
                                                    const objectinfo_t* info) {
    return append_dormant<twinbarrel::laser_t>(stage->enemy_shots, placement, info);
}

twinbarrel::laser_t* stage_t::spawn_twinbarrel_laser(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({laser_record, muzzle_record});
    if (!r) {
        return nullptr;
    }
    twinbarrel::laser_t* head = make_twinbarrel_laser(stage, placement, (*r)[0]);
    explosion_t* muzzle = make_explosion(stage, placement, (*r)[1]);
    muzzle->period = muzzle_period;
    muzzle->owner = head;
    head->effect = muzzle;
    twinbarrel::laser_t* last = head;
    for (int32_t i = 1; i < bolt_pieces; ++i) {
        twinbarrel::laser_t* piece = make_twinbarrel_laser(stage, placement, (*r)[0]);
        piece->front = last;
        last->tail = piece;
        last = piece;
    }
    return head;
}

void stage_t::spawn_twinbarrel(stage_t* stage, const placement_t* placement) {
    // The bolts' records are checked here too, so that a body is never left without its bolts.
    const auto r = find_records(
        {placement->type, death_explosion_record, shot_record, smoke_record, laser_record, muzzle_record});
    if (!r) {
        return;
    }
    const auto& records = *r;
    twinbarrel::body_t* body = make_twinbarrel(stage, placement, records[0]);
    body->attach_explosion(make_explosion(stage, placement, records[1]));
    for (int32_t i = 0; i < bolt_count; ++i) {
        twinbarrel::laser_t* head = spawn_twinbarrel_laser(stage, placement);
        head->set_owner(body);
        body->lasers.push_back(head);
    }
    for (int32_t i = 0; i < shot_count; ++i) {
        missile_t* shot = make_common_missile1(stage, placement, records[2]);
        shot->set_owner(body);
        body->shots.push_back(shot);
    }
    for (int32_t i = 0; i < smoke_count; ++i) {
        body->smokes.push_back(make_drifting_smoke(stage, placement, records[3], smoke_directions[i % 8],
                                                   smoke_speed, smoke_period));
    }
    give_item(stage, placement, body);
}
