// The tarantula's assembly: body, death pattern, the sixteen blasts of its death sequence, eye, shots.
#include "enemies/walkers/tarantula.h"
#include "objects/big_explosion.h"
#include "objects/explosion.h"
#include "objects/missile.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t blast_count = 16;
constexpr int32_t shot_count = 48;
constexpr int32_t shot_room = 64;
constexpr int32_t blast_dx[8] = {-28, -8, 24, 8, -24, 16, 8, 24};
constexpr int32_t blast_dy[8] = {-24, -4, 8, -8, 16, -16, 0, 12};

} // namespace

tarantula_t* stage_t::make_tarantula(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    tarantula_t* body = make_placed_enemy<tarantula_t>(stage, placement, info);
    body->blasts.entries.reserve(4);
    body->missiles.reserve(shot_room);
    return body;
}

tarantula_eye_t* stage_t::make_tarantula_eye(stage_t* stage, const placement_t* placement,
                                             const objectinfo_t* info) {
    return make_placed_enemy<tarantula_eye_t>(stage, placement, info);
}

void stage_t::spawn_tarantula(stage_t* stage, const placement_t* placement) {
    // Record 85 is required though nothing is made of it.
    const auto r = find_records({259, 260, 261, 85, 67, 68, 69});
    if (!r) {
        return;
    }
    const auto [body_record, eye_record, shot_record, unused, blast0, blast1, blast2] = *r;
    const objectinfo_t* blast_records[3] = {blast0, blast1, blast2};
    tarantula_t* body = make_tarantula(stage, placement, body_record);
    body->attach_explosion(make_explosion_pattern_medium(stage, placement));
    for (int32_t i = 0; i < blast_count; ++i) {
        explosion_t* blast = make_explosion(stage, placement, blast_records[i % 3]);
        blast->period = uint32_t(i / 4 + 2);
        body->blasts.add(blast, blast_dx[i % 8], blast_dy[i % 8]);
    }
    body->eye = make_tarantula_eye(stage, placement, eye_record);
    body->set_position(body->x, body->y);
    make_shot_pool(stage, placement, shot_record, body, shot_count, body->missiles);
}
