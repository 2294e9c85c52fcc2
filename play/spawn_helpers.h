// What every spawn function of the enemy and boss families shares: the record look-up that makes
// nothing when a record is missing, the death explosion, the dropped item, the list of an enemy's record,
// the pooled shots and the single-object sequence.
#pragma once

#include "objects/enemy.h"
#include "objects/objectinfo.h"
#include "play/stage.h"
#include "play/stage_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class missile_t;
class mul_explosion_t;
class smoke_t;

// Every record of ids, in order, or nothing when one of them is missing.
template <size_t N> std::optional<std::array<const objectinfo_t*, N>> find_records(const int32_t (&ids)[N]) {
    std::array<const objectinfo_t*, N> records{};
    for (size_t i = 0; i < N; ++i) {
        records[i] = objectinfo_find(ids[i]);
        if (records[i] == nullptr) {
            return std::nullopt;
        }
    }
    return records;
}

// A placement's coordinate plus an offset, summed in 64 bits and kept within the whole pixels a float holds
// exactly: no value of a stage file overflows, and every later conversion of the position to int fits.
inline float placed_coordinate(int32_t coordinate, int64_t offset = 0) {
    constexpr int64_t limit = int64_t(1) << 24;
    return float(std::clamp<int64_t>(int64_t(coordinate) + offset, -limit, limit));
}

// Appends an enemy to the list its record names (unlisted for another index) and returns it.
template <typename T> T* append_enemy(stage_t* stage, T* enemy) {
    stage->enemy_list(enemy->list_index()).push_back(enemy);
    return enemy;
}

// An enemy of kind T of the record, standing at the placement and keyed by it, in its record's list.
template <typename T>
T* make_placed_enemy(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return append_enemy(
        stage, new T(info, placed_coordinate(placement->x), placed_coordinate(placement->y), placement->key));
}

// A dormant shot or effect of kind T of the record, keyed by the placement, appended to list.
template <typename T, typename List>
T* append_dormant(List& list, const placement_t* placement, const objectinfo_t* info) {
    T* object = new T(info, placement->key);
    list.push_back(object);
    return object;
}

// The body's death explosion of the record, period 2; none for a null record.
explosion_t* attach_death_explosion(stage_t* stage, const placement_t* placement, piveter_t* body,
                                    const objectinfo_t* record);
// The item the placement drops, carried by the body when one is made.
void give_item(stage_t* stage, const placement_t* placement, enemy_t* body);
// count shots of the record by make_missile, owned by owner and appended to shots in the order made.
void make_shot_pool(stage_t* stage, const placement_t* placement, const objectinfo_t* record, object_t* owner,
                    int32_t count, std::vector<missile_t*>& shots);

// A pooled shot whose effect explosion (period frames per pattern, owned by the shot) starts where the
// shot ends or fires; owned by owner and appended to shots.
missile_t* make_shot_with_effect(stage_t* stage, const placement_t* placement,
                                 const objectinfo_t* shot_record, const objectinfo_t* effect_record,
                                 uint32_t period, object_t* owner, std::vector<missile_t*>& shots);
// The same for a shot already made, of whatever kind.
missile_t* link_shot_effect(stage_t* stage, const placement_t* placement, missile_t* shot,
                            const objectinfo_t* effect_record, uint32_t period, object_t* owner,
                            std::vector<missile_t*>& shots);
// A dormant puff of smoke that drifts along the direction (0..63) at the speed, period frames a pattern.
smoke_t* make_drifting_smoke(stage_t* stage, const placement_t* placement, const objectinfo_t* record,
                             int32_t direction, float speed, uint32_t period);
// A row of n body explosions: explosion i takes records[i mod records.size()] and period (i >> 2) + 1,
// and enters set at (dx[i], dy[i]).
void make_explosion_row(stage_t* stage, const placement_t* placement,
                        const std::vector<const objectinfo_t*>& records, int32_t n, const int32_t* dx,
                        const int32_t* dy, mul_explosion_t& set);

// The single-object sequence: the body of the record whose id is the placement's type, its death
// explosion when explosion_id names a record (-1 none), its item. Null and nothing made without the
// body's record.
template <typename Body>
Body* spawn_single(stage_t* stage, const placement_t* placement, int32_t explosion_id) {
    const objectinfo_t* record = objectinfo_find(placement->type);
    if (record == nullptr) {
        return nullptr;
    }
    Body* body = make_placed_enemy<Body>(stage, placement, record);
    attach_death_explosion(stage, placement, body, objectinfo_find(explosion_id));
    give_item(stage, placement, body);
    return body;
}
