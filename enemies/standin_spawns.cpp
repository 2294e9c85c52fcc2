// Stand-ins for the spawn functions of the enemy and boss families until each family is built: every
// one makes a plain enemy of the record whose id is the placement's type, with its death explosion and
// its item, as the single-object spawn functions do. A family's own file replaces its rows here.
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t standin_explosion = 50;

enemy_t* standin(stage_t* stage, const placement_t* placement) {
    return spawn_single<enemy_t>(stage, placement, standin_explosion);
}

} // namespace

void stage_t::spawn_scorpion001(stage_t* stage, const placement_t* placement) {
    standin(stage, placement);
}
