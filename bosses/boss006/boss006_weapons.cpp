// Boss006's weapons and effects: the homing pods that break meteors, the bolts and beams that also hurt
// the other enemies of list 0, the charge that draws sparks to the nose before a beam, and its sparks.
#include "bosses/boss006/boss006.h"

#include "enemies/meteors/meteor_hit.h"
#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/stage_pointers.h"
#include "objects/trig_tables.h"
#include "render/map_geometry.h"
#include "screen/soundctr.h"

namespace {

constexpr uint32_t homing_frames = 64;
constexpr float homing_speed = 2.5f;
constexpr int32_t meteor_cut = 50;
constexpr int32_t self_destruct = 9999;
constexpr float beam_step = 4;
constexpr int32_t beam_follow_level = 5;
constexpr float nose_dx = -20;
constexpr float charge_dx = -112;
constexpr uint32_t charge_frames = 28;
constexpr uint32_t hold_frames = 16;
constexpr float spark_speed = 1.75f;
constexpr int32_t se_pod_hit = 47;
constexpr int32_t se_pod_lost = 22;

constexpr int32_t spark_dx[32] = {46, 54, 53, 52, 50, 47, 52, 53, 59, 44, 59, 55, 51, 58, 48, 48,
                                  47, 51, 54, 54, 53, 49, 48, 49, 47, 58, 53, 59, 50, 51, 59, 50};
constexpr int32_t spark_dy[32] = {15,  -11, 21, 18, 6, -9,  -16, -3,  12,  23, 16, -19, -6, 9,  12,  6,
                                  -12, -8,  -8, 16, 0, -18, 8,   -19, -16, 13, -7, 2,   -3, -3, -20, 5};

// The first live object of enemy list 0's window, other than the owner and not far off to the left,
// that the shot overlaps; null when none does.
enemy_t* enemy_struck(object_t& shot, const object_t* owner) {
    if (g_enemy_list == nullptr) {
        return nullptr;
    }
    plat::rect_t own;
    shot.get_rect(own);
    array_t<enemy_t*>& list = *g_enemy_list;
    for (uint32_t i = list.first; i < list.end; ++i) {
        enemy_t* other = list[i];
        if (other == owner || !other->alive || other->x < -64) {
            continue;
        }
        plat::rect_t box;
        other->get_rect(box);
        if (rects_overlap(own, box)) {
            return other;
        }
    }
    return nullptr;
}

// The plain hit rule: what the boss's own weapons do to another enemy neither scores nor drops.
void hurt(enemy_t* other, int32_t n) {
    if (other != nullptr && n > 0) {
        other->object_t::damage(n);
    }
}

} // namespace

namespace boss006 {

void homing_t::update() {
    if (x < -16 || x >= 320 || y < -16 || y >= 272) {
        alive = 0;
        hp = 0;
        return;
    }
    const float* ship = player_ship_position();
    if (timer < homing_frames && ship != nullptr) {
        // The shorter way, a step a frame; a half turn goes +.
        direction = turn_direction(direction, direction_to(position(), ship), 1);
    }
    pattern = direction;
    set_position(x + homing_speed * cos_table[direction], y - homing_speed * sin_table[direction]);
    if (enemy_t* meteor = meteor_struck(*this)) {
        meteor->object_t::damage(meteor_cut);
        kill();
    }
    ++timer;
}

void homing_t::start() {
    timer = 0;
    object_t::start();
}

void homing_t::damage(int32_t n) {
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_pod_hit);
    }
    if (!alive) {
        g_soundctr.request_se(se_pod_lost);
    }
}

void homing_t::explode_at(float at_x, float at_y) {
    if (explosion == nullptr) {
        return;
    }
    if (explosion->alive) {
        explosion->kill();
    }
    explosion->set_position(at_x, at_y);
    explosion->start();
}

void laser_t::update() {
    missile_t::update();
    if (!alive) {
        return;
    }
    if (enemy_t* other = enemy_struck(*this, owner)) {
        hurt(other, contact_damage());
        damage(self_destruct);
    }
}

void big_laser_head_t::start() {
    trail.fill(x, y, 0);
    object_t::start();
    for (big_laser_t* link = next; link != nullptr; link = link->next) {
        link->set_position(x, y);
    }
}

void big_laser_head_t::update() {
    trail.push(x, y);
    const float beam_y = difficulty_level() >= beam_follow_level && owner != nullptr ? owner->y : y;
    set_position(x - beam_step, beam_y);
    hurt(enemy_struck(*this, owner), contact_damage());
    bool grown = false;
    big_laser_t* last = this;
    uint32_t i = 0;
    for (big_laser_t* link = next; link != nullptr; link = link->next, ++i) {
        link->set_position(trail.entry(i).x, beam_y);
        if (!link->alive && !grown) {
            link->start();
            grown = true;
        }
        if (link->alive) {
            hurt(enemy_struck(*link, owner), link->contact_damage());
        }
        last = link;
    }
    if (!last->is_in_bounds()) {
        for (big_laser_t* link = this; link != nullptr; link = link->next) {
            link->kill();
        }
    }
}

spark_ctr_t::spark_ctr_t(const objectinfo_t* info, uint32_t key) : explosion_t(info, key) {
    sparks.reserve(16);
    for (size_t i = 0; i < 32; ++i) {
        x_offsets[i] = float(spark_dx[i]);
        y_offsets[i] = float(spark_dy[i]);
    }
}

void spark_ctr_t::start() {
    state = 0;
    timer = 0;
    explosion_t::start();
}

void spark_ctr_t::update() {
    set_position(body->x + charge_dx, body->y);
    if (state != 0 && !effect->alive) {
        effect->set_position(body->x + nose_dx, body->y);
        effect->start();
    }
    if (state == 0 && timer == charge_frames) {
        state = 1;
        timer = 0;
    }
    if (state == 1 && timer == hold_frames) {
        state = 2;
        timer = 0;
    }
    if (state == 2) {
        effect->kill();
        kill();
        return;
    }
    if (state == 0 && timer % 4 == 0) {
        emit_spark(x + x_offsets[next_offset], y + y_offsets[next_offset]);
        next_offset = (next_offset + 1) % 32;
    }
    ++timer;
}

void spark_ctr_t::emit_spark(float at_x, float at_y) {
    for (spark_t* spark : sparks) {
        if (!spark->alive) {
            spark->set_position(at_x, at_y);
            spark->period = 4;
            spark->speed = spark_speed;
            spark->start();
            return;
        }
    }
}

void spark_t::update() {
    step_pattern();
    const float nose[2] = {body->x + nose_dx, body->y};
    const int32_t d = direction_to(position(), nose);
    set_position(x + speed * cos_table[d], y - speed * sin_table[d]);
}

} // namespace boss006
