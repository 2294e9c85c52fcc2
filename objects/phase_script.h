// The phase scripts of the boss parts: a change of phase restarts its frame count and runs the new
// phase at once, in the same update, so that no timing slips by a frame.
#pragma once

#include <cstdint>

// Enters phase next with its frame count at 0; true, so that the caller's dispatch runs again.
inline bool enter_phase(int32_t& phase, uint32_t& phase_timer, int32_t next) {
    phase = next;
    phase_timer = 0;
    return true;
}
