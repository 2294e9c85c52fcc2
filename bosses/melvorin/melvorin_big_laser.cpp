// The final boss's big laser: a chain of segments that grows leftward out of the core, holds, and leaves.
#include "bosses/melvorin/melvorin_core.h"
#include "bosses/melvorin/melvorin_weapons.h"
#include "objects/phase_script.h"

namespace {

constexpr int32_t growing = 10;
constexpr int32_t holding = 11;
constexpr int32_t leaving = 12;
constexpr int32_t middle = 20;
constexpr int32_t last = 30;
constexpr int32_t ended = -1;

constexpr float core_gap = 24;
constexpr float segment_length = 32;
constexpr float step = 8;
constexpr float far_end = -32;
constexpr uint32_t hold_frames = 96;

} // namespace

namespace melvorin {

void big_laser_t::start() {
    phase = 0;
    phase_timer = 0;
    missile_t::start();
}

void big_laser_t::update() {
    while (run_phase()) {
    }
    ++phase_timer;
}

void big_laser_t::start_next(float at_x, float at_y) {
    if (next != nullptr && !next->alive) {
        next->set_position(at_x, at_y);
        next->pattern = 2;
        next->start();
    }
}

bool big_laser_t::run_phase() {
    switch (phase) {
    case 0:
        if (prev == nullptr) {
            if (core == nullptr) {
                return false;
            }
            set_position(float(int32_t(core->x)) - core_gap, core->y);
            pattern = 0;
            return enter_phase(phase, phase_timer, growing);
        }
        return enter_phase(phase, phase_timer, next == nullptr ? last : middle);
    case growing: {
        const float old_y = y;
        const float new_x = x - step;
        set_position(new_x, core->y);
        if (core->x - new_x >= core_gap) {
            start_next(new_x + segment_length, old_y);
        }
        return new_x < far_end && enter_phase(phase, phase_timer, holding);
    }
    case holding:
        if (phase_timer < hold_frames && core->alive) {
            set_position(x, core->y);
            return false;
        }
        return enter_phase(phase, phase_timer, leaving);
    case leaving:
        set_position(x - step, core->y);
        return false;
    case middle:
        set_position(prev->x + segment_length, prev->y);
        if (core != nullptr && core->alive && core->x - x >= core_gap && next != nullptr && !next->alive) {
            pattern = 1;
            start_next(x + segment_length, y);
        }
        return false;
    case last:
        set_position(prev->x + segment_length, prev->y);
        if (x < far_end) {
            for (big_laser_t* s = this; s != nullptr; s = s->prev) {
                s->kill();
            }
            phase = ended;
        }
        return false;
    default:
        return false;
    }
}

} // namespace melvorin
