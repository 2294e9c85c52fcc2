// The wall and the splitter: their spawners and the splitter's hit and death.
#include "enemies/scenery/blocks.h"

#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 57;
constexpr int32_t revenge_level = 8;

} // namespace

void splitter_t::damage(int32_t n) {
    const int32_t before = hp;
    enemy_t::damage(n);
    if (!alive) {
        g_soundctr.request_se(se_destroyed);
        if (difficulty_level() >= revenge_level) {
            fire_aimed_bullet(position());
        }
    } else if (hp < before) {
        g_soundctr.request_se(se_hit);
    }
}

wall_t* stage_t::make_wall(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<wall_t>(stage, placement, info);
}

splitter_t* stage_t::make_splitter(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<splitter_t>(stage, placement, info);
}

void stage_t::spawn_wall(stage_t* stage, const placement_t* placement) {
    if (const objectinfo_t* record = objectinfo_find(placement->type)) {
        make_wall(stage, placement, record)->pattern = placement->param2;
    }
}

enemy_t* stage_t::spawn_splitter(stage_t* stage, const placement_t* placement, int32_t explosion_id) {
    return spawn_single<splitter_t>(stage, placement, explosion_id);
}
