#include "enemies/meteors/meteor_hit.h"

#include "objects/enemy.h"
#include "objects/stage_pointers.h"
#include "render/map_geometry.h"

namespace {

constexpr int32_t meteor_first = 170;
constexpr int32_t meteor_last = 172;

} // namespace

bool is_meteor(object_t& object) {
    const int32_t id = object.type_id();
    return id >= meteor_first && id <= meteor_last;
}

enemy_t* meteor_struck(object_t& object) {
    if (g_enemy_list == nullptr) {
        return nullptr;
    }
    plat::rect_t own;
    object.get_rect(own);
    array_t<enemy_t*>& list = *g_enemy_list;
    for (uint32_t i = list.first; i < list.end; ++i) {
        enemy_t* other = list[i];
        if (!other->alive || !is_meteor(*other)) {
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
