// The spawn functions of the objects that the stage places as they are: the extra life, the explosion
// sequencer and the objects of the ending sequence.
#include "objects/ending_objects.h"
#include "objects/explosion.h"
#include "objects/expman.h"
#include "objects/oneup.h"
#include "play/spawn_helpers.h"

namespace {

constexpr int32_t expman_band = 96;
// The first band's offsets; the second band mirrors them through (128, 128).
constexpr int32_t expman_dx[16] = {12, 18, 36, 48, 64, 80, 96, 112, 128, 144, 160, 192, 212, 220, 228, 240};
constexpr int32_t expman_dy[16] = {24, 0, 42, 8, 32, 10, 32, 20, 32, 0, 28, 40, 4, 16, 60, 16};

// The object of the record whose id is the placement's type, without explosion or item.
template <typename T> void spawn_placed(stage_t* stage, const placement_t* placement) {
    if (const objectinfo_t* record = objectinfo_find(placement->type)) {
        append_enemy(stage, new T(record, placed_coordinate(placement->x), placed_coordinate(placement->y),
                                  placement->key));
    }
}

} // namespace

enemy_t* stage_t::spawn_oneup(stage_t* stage, const placement_t* placement, int32_t explosion_id) {
    return spawn_single<oneup_t>(stage, placement, explosion_id);
}

void stage_t::spawn_ending_object001(stage_t* stage, const placement_t* placement) {
    spawn_placed<ending_object001_t>(stage, placement);
}

void stage_t::spawn_ending_object002(stage_t* stage, const placement_t* placement) {
    spawn_placed<ending_object002_t>(stage, placement);
}

void stage_t::spawn_ending_object_shipeject(stage_t* stage, const placement_t* placement) {
    spawn_placed<ending_object_shipeject_t>(stage, placement);
}

void stage_t::spawn_expman(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({0, 65, 66, 67, 68, 69});
    if (!r) {
        return;
    }
    auto* manager = append_enemy(stage, new expman_t((*r)[0], placed_coordinate(placement->x),
                                                     placed_coordinate(placement->y), placement->key));
    manager->set.entries.reserve(4);
    for (int32_t band = 0; band < 2; ++band) {
        for (int32_t i = 0; i < expman_band; ++i) {
            explosion_t* explosion = make_explosion(stage, placement, (*r)[size_t(1 + i % 5)]);
            explosion->period = uint32_t(i / 16 + 2);
            const int32_t dx = expman_dx[i % 16];
            const int32_t dy = expman_dy[i % 16];
            manager->set.add(explosion, band == 0 ? dx : 256 - dx, band == 0 ? dy : 256 - dy);
        }
    }
}
