#include "enemies/formations/formation_chain.h"

#include "enemies/damage_tail.h"
#include "objects/enemy_fire.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t hit_sparks = 3;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 2;

} // namespace

void formation::twister_member_hit(enemy_t& member, int32_t revenge_level) {
    spawn_sparks(member.position(), hit_sparks);
    g_soundctr.request_se(se_hit);
    enemy_damage::death_tail(member, {se_destroyed}, revenge_level);
}
