#include "enemies/formation_chain.h"

#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t hit_sparks = 3;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 2;

} // namespace

void formation::twister_member_hit(enemy_t& member, int32_t revenge_level) {
    spawn_sparks(member.position(), hit_sparks);
    g_soundctr.request_se(se_hit);
    if (!member.alive) {
        g_soundctr.request_se(se_destroyed);
        if (g_level >= revenge_level) {
            fire_aimed_bullet(member.position());
        }
    }
}
