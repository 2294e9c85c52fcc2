// The stage's common makers: dropped items, window markers, explosions, shots, smoke, the plain enemy.
#include "objects/big_explosion.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "player/powergauge.h"
#include "player/smoke.h"

namespace {

constexpr int32_t missile_skipper_record = 100;
constexpr int32_t explosion_skipper_record = 101;

} // namespace

item_t* stage_t::make_item(stage_t* stage, const placement_t* placement) {
    item_t* item = nullptr;
    if (stage->item_mode == 1) {
        // Any item id but -1 becomes a capsule; which one it names does not matter.
        const objectinfo_t* record = placement->item != -1 ? objectinfo_find(item_capsule) : nullptr;
        if (record != nullptr) {
            item = new capsule_item_t(record);
        }
    } else if (stage->item_mode == 0 && placement->item != item_capsule) {
        if (const objectinfo_t* record = objectinfo_find(placement->item)) {
            item = placement->item == item_speed ? new speed_item_t(record) : new item_t(record);
        }
    }
    if (item != nullptr) {
        stage->items.push_back(item);
    }
    return item;
}

enemy_skipper_t* stage_t::make_enemy_skipper(stage_t* stage, const placement_t* placement,
                                             const objectinfo_t* info) {
    return append_enemy(stage, new enemy_skipper_t(info, placed_coordinate(placement->x),
                                                   placed_coordinate(placement->y), placement->key));
}

missile_skipper_t* stage_t::make_missile_skipper(stage_t* stage, const placement_t* placement,
                                                 const objectinfo_t* info) {
    return append_dormant<missile_skipper_t>(stage->enemy_shots, placement, info);
}

explosion_skipper_t* stage_t::make_explosion_skipper(stage_t* stage, const placement_t* placement,
                                                     const objectinfo_t* info) {
    return append_dormant<explosion_skipper_t>(stage->explosions, placement, info);
}

void stage_t::spawn_enemy_skipper(stage_t* stage, const placement_t* placement) {
    if (const objectinfo_t* info = objectinfo_find(placement->type)) {
        make_enemy_skipper(stage, placement, info);
    }
}

void stage_t::spawn_missile_skipper(stage_t* stage, const placement_t* placement) {
    if (const objectinfo_t* info = objectinfo_find(missile_skipper_record)) {
        make_missile_skipper(stage, placement, info);
    }
}

void stage_t::spawn_explosion_skipper(stage_t* stage, const placement_t* placement) {
    if (const objectinfo_t* info = objectinfo_find(explosion_skipper_record)) {
        make_explosion_skipper(stage, placement, info);
    }
}

explosion_t* stage_t::make_explosion(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return append_dormant<explosion_t>(stage->explosions, placement, info);
}

active_explosion_t* stage_t::make_active_explosion(stage_t* stage, const placement_t* placement,
                                                   const objectinfo_t* info) {
    return append_dormant<active_explosion_t>(stage->explosions, placement, info);
}

big_explosion_t* stage_t::make_big_explosion(stage_t* stage, const placement_t* placement,
                                             const objectinfo_t* info) {
    return append_dormant<big_explosion_t>(stage->explosions, placement, info);
}

missile_t* stage_t::make_missile(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return append_dormant<missile_t>(stage->enemy_shots, placement, info);
}

common_missile1_t* stage_t::make_common_missile1(stage_t* stage, const placement_t* placement,
                                                 const objectinfo_t* info) {
    return append_dormant<common_missile1_t>(stage->enemy_shots, placement, info);
}

smoke_t* stage_t::make_smoke(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return append_dormant<smoke_t>(stage->explosions, placement, info);
}

enemy_t* stage_t::spawn_plain_enemy(stage_t* stage, const placement_t* placement, int32_t explosion_id) {
    return spawn_single<enemy_t>(stage, placement, explosion_id);
}

explosion_t* attach_death_explosion(stage_t* stage, const placement_t* placement, piveter_t* body,
                                    const objectinfo_t* record) {
    if (record == nullptr) {
        return nullptr;
    }
    explosion_t* explosion = stage_t::make_explosion(stage, placement, record);
    body->attach_explosion(explosion);
    return explosion;
}

void give_item(stage_t* stage, const placement_t* placement, enemy_t* body) {
    if (item_t* item = stage_t::make_item(stage, placement)) {
        body->set_carried(item);
    }
}

void make_shot_pool(stage_t* stage, const placement_t* placement, const objectinfo_t* record, object_t* owner,
                    int32_t count, std::vector<missile_t*>& shots) {
    for (int32_t i = 0; i < count; ++i) {
        missile_t* shot = stage_t::make_missile(stage, placement, record);
        shot->set_owner(owner);
        shots.push_back(shot);
    }
}

missile_t* make_shot_with_effect(stage_t* stage, const placement_t* placement,
                                 const objectinfo_t* shot_record, const objectinfo_t* effect_record,
                                 uint32_t period, object_t* owner, std::vector<missile_t*>& shots) {
    return link_shot_effect(stage, placement, stage_t::make_missile(stage, placement, shot_record),
                            effect_record, period, owner, shots);
}

missile_t* link_shot_effect(stage_t* stage, const placement_t* placement, missile_t* shot,
                            const objectinfo_t* effect_record, uint32_t period, object_t* owner,
                            std::vector<missile_t*>& shots) {
    explosion_t* effect = stage_t::make_explosion(stage, placement, effect_record);
    effect->period = period;
    effect->owner = shot;
    shot->effect = effect;
    shot->set_owner(owner);
    shots.push_back(shot);
    return shot;
}

smoke_t* make_drifting_smoke(stage_t* stage, const placement_t* placement, const objectinfo_t* record,
                             int32_t direction, float speed, uint32_t period) {
    smoke_t* puff = stage_t::make_smoke(stage, placement, record);
    puff->direction = direction;
    puff->speed = speed;
    puff->vx = speed * cos_table[direction];
    puff->vy = -speed * sin_table[direction];
    puff->period = period;
    return puff;
}

void make_explosion_row(stage_t* stage, const placement_t* placement,
                        const std::vector<const objectinfo_t*>& records, int32_t n, const int32_t* dx,
                        const int32_t* dy, mul_explosion_t& set) {
    for (int32_t i = 0; i < n; ++i) {
        explosion_t* explosion =
            stage_t::make_explosion(stage, placement, records[size_t(i) % records.size()]);
        explosion->period = uint32_t(i >> 2) + 1;
        set.add(explosion, dx[i], dy[i]);
    }
}
