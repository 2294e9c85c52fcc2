// The placement dispatcher's type table: for each placement type 43..362 the spawn function that builds
// it and the extra argument it is given; every other type makes a plain enemy.
#pragma once

#include <cstdint>

class enemy_t;
class stage_t;
struct placement_t;

constexpr int32_t first_dispatch_type = 43;
constexpr int32_t last_dispatch_type = 362;

enum class handler_kind_t {
    plain_enemy,    // spawn_plain_enemy with the death explosion 50
    plain,          // (stage, placement)
    with_int,       // (stage, placement, extra)
    enemy_with_int, // (stage, placement, extra), returning the body
    with_speed,     // (stage, placement, speed)
    with_flag,      // (stage, placement, param2 != 0)
    turret,         // a turret with its death explosion, then its pooled shots
    hatch,          // a formation of extra members shut in a hatch
};

struct dispatch_entry_t {
    handler_kind_t kind = handler_kind_t::plain_enemy;
    void (*plain)(stage_t*, const placement_t*) = nullptr;
    void (*with_int)(stage_t*, const placement_t*, int32_t) = nullptr;
    enemy_t* (*enemy_with_int)(stage_t*, const placement_t*, int32_t) = nullptr;
    void (*with_speed)(stage_t*, const placement_t*, float) = nullptr;
    void (*with_flag)(stage_t*, const placement_t*, bool) = nullptr;
    int32_t extra = 0;
    float speed = 0;
};

// A spawn function whose result the table does not use, in the table's plain form.
template <auto Spawn> void spawn_dropping_result(stage_t* stage, const placement_t* placement) {
    Spawn(stage, placement);
}

template <auto Spawn>
void spawn_with_int_dropping_result(stage_t* stage, const placement_t* placement, int32_t n) {
    Spawn(stage, placement, n);
}

// The entry of a type; the plain-enemy entry outside 43..362.
const dispatch_entry_t& dispatch_entry(int32_t type);
// Builds the placement's objects as the entry says.
void run_dispatch_entry(const dispatch_entry_t& entry, stage_t* stage, const placement_t* placement);
