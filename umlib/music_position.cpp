#include "umlib/music_position.h"

#include <limits>

namespace umlib {

int32_t fold_play_position(int32_t now, int32_t start, const plat::dm_segment_t& segment) {
    // The distance from the start is taken in 32 bits, as the music time wraps.
    const uint32_t offset = uint32_t(start) - uint32_t(segment.start_point());
    int64_t pos = int32_t(uint32_t(now) - offset);
    const int64_t loop_end = segment.loop_end() != 0 ? segment.loop_end() : segment.length();
    const int64_t loop_start = segment.loop_start();
    const uint32_t repeats = segment.repeats();
    if (repeats != 0 && loop_start < loop_end && segment.start_point() < loop_end) {
        const int64_t span = loop_end - loop_start;
        bool past_last_loop = false;
        // With a finite count, once every repeat has played the position runs on past the loop end.
        if (repeats != plat::repeat_infinite && span <= std::numeric_limits<int64_t>::max() / repeats) {
            const int64_t repeated = span * repeats;
            if (pos > repeated + loop_start) {
                pos -= repeated;
                past_last_loop = true;
            }
        }
        if (!past_last_loop && pos > loop_start) {
            pos = (pos - loop_start) % span + loop_start;
        }
    }
    // Folding only ever moves the position back, so it stays in the 32-bit range.
    return int32_t(pos);
}

} // namespace umlib
