// Bee003's assembly: the body with its death pattern and its 24 death explosions at random offsets, the
// smoke, the wing, the reflecting lasers, balls, big balls and tail lasers, and three dormant bee002
// escorts, each a body with its wing, 64 balls and an item.
#include "bosses/bees/bee002.h"
#include "bosses/bees/bee003.h"
#include "objects/random.h"
#include "play/spawn_helpers.h"
#include "player/smoke.h"

namespace {

constexpr int32_t explosion_count = 24;
constexpr int32_t smoke_count = 16;
constexpr int32_t reflex_laser_count = 8;
constexpr int32_t reflex_segments = 19;
constexpr int32_t ball_count = 128;
constexpr int32_t bigball_count = 40;
constexpr int32_t tail_laser_count = 4;
constexpr int32_t tail_segments = 4;
constexpr int32_t escort_ball_count = 64;
constexpr int32_t escort_type = 224;
constexpr int32_t escort_item = 40;

// The escort's records, looked up by its maker and, before anything is made, by the boss's.
constexpr int32_t escort_records[5] = {225, 226, 59, 227, 74};

template <typename Link> void chain(Link* ahead, Link* behind) {
    behind->prev = ahead;
    ahead->next = behind;
}

} // namespace

bee003::body_t* stage_t::make_bee003_body(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<bee003::body_t>(stage, placement, info);
}

bee003::wing_t* stage_t::make_bee003_wing(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<bee003::wing_t>(stage, placement, info);
}

bee003::ball_t* stage_t::make_bee003_ball(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<bee003::ball_t>(stage, placement, info);
}

bee003::bigball_t* stage_t::make_bee003_bigball(stage_t* stage, const placement_t* placement,
                                                const objectinfo_t* info) {
    return append_dormant<bee003::bigball_t>(stage->enemy_shots, placement, info);
}

bee003::body_explosion_t* stage_t::make_bee003_body_explosion(stage_t* stage, const placement_t* placement,
                                                              const objectinfo_t* info) {
    return append_dormant<bee003::body_explosion_t>(stage->explosions, placement, info);
}

bee003::reflex_laser_t* stage_t::make_bee003_reflex_laser(stage_t* stage, const placement_t* placement,
                                                          const objectinfo_t* info) {
    return append_dormant<bee003::reflex_laser_t>(stage->enemy_shots, placement, info);
}

bee003::reflex_laser_head_t* stage_t::make_bee003_reflex_laser_head(stage_t* stage,
                                                                    const placement_t* placement,
                                                                    const objectinfo_t* info) {
    return append_dormant<bee003::reflex_laser_head_t>(stage->enemy_shots, placement, info);
}

bee003::tail_laser_t* stage_t::make_bee003_tail_laser(stage_t* stage, const placement_t* placement,
                                                      const objectinfo_t* info) {
    return append_dormant<bee003::tail_laser_t>(stage->enemy_shots, placement, info);
}

bee002::body_t* stage_t::make_bee002_body(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<bee002::body_t>(stage, placement, info);
}

bee002::wing_t* stage_t::make_bee002_wing(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<bee002::wing_t>(stage, placement, info);
}

bee002::ball_t* stage_t::make_bee002_ball(stage_t* stage, const placement_t* placement,
                                          const objectinfo_t* info) {
    return make_placed_enemy<bee002::ball_t>(stage, placement, info);
}

bee003::reflex_laser_head_t* stage_t::make_bee003_reflex_laser_chain(stage_t* stage,
                                                                     const placement_t* placement) {
    const objectinfo_t* record = objectinfo_find(231);
    if (record == nullptr) {
        return nullptr;
    }
    bee003::reflex_laser_head_t* head = make_bee003_reflex_laser_head(stage, placement, record);
    bee003::reflex_laser_t* last = head;
    for (int32_t i = 0; i < reflex_segments; ++i) {
        bee003::reflex_laser_t* segment = make_bee003_reflex_laser(stage, placement, record);
        chain(last, segment);
        last = segment;
    }
    return head;
}

bee003::tail_laser_t* stage_t::make_bee003_tail_laser_chain(stage_t* stage, const placement_t* placement) {
    const objectinfo_t* record = objectinfo_find(236);
    if (record == nullptr) {
        return nullptr;
    }
    bee003::tail_laser_t* first = nullptr;
    bee003::tail_laser_t* last = nullptr;
    for (int32_t i = 0; i < tail_segments; ++i) {
        bee003::tail_laser_t* segment = make_bee003_tail_laser(stage, placement, record);
        segment->pattern = i;
        if (last != nullptr) {
            chain(last, segment);
        } else {
            first = segment;
        }
        last = segment;
    }
    return first;
}

bee002::body_t* stage_t::make_bee002_group(stage_t* stage, const placement_t* placement) {
    const auto r = find_records(escort_records);
    if (!r) {
        return nullptr;
    }
    const auto& records = *r;
    bee002::body_t* body = make_bee002_body(stage, placement, records[0]);
    attach_death_explosion(stage, placement, body, records[2]);
    bee002::wing_t* wing = make_bee002_wing(stage, placement, records[1]);
    wing->body = body;
    body->wing = wing;
    for (int32_t i = 0; i < escort_ball_count; ++i) {
        bee002::ball_t* ball = make_bee002_ball(stage, placement, records[3]);
        attach_death_explosion(stage, placement, ball, records[4])->period = 2;
        ball->alive = 0;
        ball->hp = 0;
        body->balls.push_back(ball);
    }
    give_item(stage, placement, body);
    return body;
}

void stage_t::spawn_bee003(stage_t* stage, const placement_t* placement) {
    // 89 is required although nothing here uses it; the lasers' and the escorts' records are looked up
    // here too, so that a missing one makes nothing rather than a boss with a null escort.
    const auto r = find_records({229, 230, 232, 233, 234, 235, 89, 68, 69, 70, 175, 231, 236});
    if (!r || !find_records(escort_records)) {
        return;
    }
    const auto& records = *r;
    const objectinfo_t* explosion_records[8] = {records[7], records[8], records[7], records[8],
                                                records[7], records[7], records[8], records[9]};
    bee003::body_t* body = make_bee003_body(stage, placement, records[0]);
    body->attach_explosion(make_explosion_pattern_boss(stage, placement, 0));
    for (int32_t i = 0; i < explosion_count; ++i) {
        bee003::body_explosion_t* explosion =
            make_bee003_body_explosion(stage, placement, explosion_records[i % 8]);
        explosion->period = uint32_t(i / 6 + 2);
        const int32_t dy = rng::rand() / 575 - 28;
        const int32_t dx = rng::rand() / 405 - 40;
        body->explosions.add(explosion, dx, dy);
    }
    for (int32_t i = 0; i < smoke_count; ++i) {
        body->smokes.push_back(make_smoke(stage, placement, records[10]));
    }
    bee003::wing_t* wing = make_bee003_wing(stage, placement, records[1]);
    wing->body = body;
    body->wing = wing;
    for (int32_t i = 0; i < reflex_laser_count; ++i) {
        body->reflex_lasers.push_back(make_bee003_reflex_laser_chain(stage, placement));
    }
    for (int32_t i = 0; i < ball_count; ++i) {
        bee003::ball_t* ball = make_bee003_ball(stage, placement, records[2]);
        ball->attach_explosion(make_bee003_body_explosion(stage, placement, records[3]));
        ball->explosion->period = 3;
        ball->alive = 0;
        ball->hp = 0;
        body->balls.push_back(ball);
    }
    for (int32_t i = 0; i < bigball_count; ++i) {
        bee003::bigball_t* bigball = make_bee003_bigball(stage, placement, records[4]);
        explosion_t* effect = make_explosion(stage, placement, records[5]);
        effect->owner = bigball;
        bigball->effect = effect;
        body->bigballs.push_back(bigball);
    }
    for (int32_t i = 0; i < tail_laser_count; ++i) {
        body->tail_lasers.push_back(make_bee003_tail_laser_chain(stage, placement));
    }
    placement_t escort_placement;
    escort_placement.type = escort_type;
    escort_placement.item = escort_item;
    escort_placement.key = placement->key;
    for (bee002::body_t*& escort : body->escorts) {
        escort = make_bee002_group(stage, &escort_placement);
        escort->deactivate();
    }
}
