// The route a boss's script took through a run: each phase with the frame it was entered in, so that a
// whole fight reads as one table.
#pragma once

#include "objects/play_globals.h"
#include "tests/enemies/enemy_kit.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

struct entered_t {
    uint32_t frame;
    int32_t phase;
    bool operator==(const entered_t&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const entered_t& e) {
    return out << "{" << e.frame << ", " << e.phase << "}";
}

// Runs the frames and notes a phase each time the body ends a frame in a phase other than the last, or
// in the same one with its frame count started again. Phases passed through within a frame do not show.
// `each` looks on after every frame.
template <typename Body>
std::vector<entered_t> phases_entered(enemy_kit_t& kit, Body* body, uint32_t frames,
                                      const std::function<void()>& each = {}) {
    std::vector<entered_t> trail;
    int32_t phase = body->phase;
    uint32_t timer = body->phase_timer;
    for (uint32_t f = 0; f < frames; ++f) {
        const uint32_t frame = g_frame_counter;
        kit.run(1);
        if (body->phase != phase || body->phase_timer < timer) {
            trail.push_back({frame, body->phase});
        }
        phase = body->phase;
        timer = body->phase_timer;
        if (each) {
            each();
        }
    }
    return trail;
}
