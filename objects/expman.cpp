#include "objects/expman.h"

#include "objects/play_globals.h"
#include "objects/random.h"

namespace {

// The vertical display offsets that the two bursts of a frame shake the picture with.
constexpr int32_t shake[2] = {-1, 2};
constexpr int32_t shake_event = 371;

} // namespace

void expman_t::update() {
    if (g_frame_counter % 8 != 0 || set.entries.empty()) {
        return;
    }
    const int32_t px = int32_t(x);
    const int32_t py = int32_t(y);
    for (int32_t offset : shake) {
        // Both numbers are drawn even when the pick is busy: replays depend on the count of draws.
        const mul_explosion_t::data_t& entry = set.entries[rng::pick(int32_t(set.entries.size()))];
        if (entry.explosion != nullptr && !entry.explosion->alive) {
            entry.explosion->set_position(float(px + entry.dx), float(py + entry.dy));
            entry.explosion->start();
            post_event(shake_event, offset);
        }
    }
}
