// The arrow sign's sweeps and its arrows' animation.
#include "enemies/scenery/arrow.h"

#include "play/spawn_helpers.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t se_sweep = 77;
constexpr uint32_t sweep_count = 4;
constexpr uint32_t arrow_gap = 4; // frames between the arrows of a sweep
constexpr float arrow_step = 4;   // pixels between them
constexpr int32_t row = 8;        // patterns per arrow row
constexpr uint32_t frames_per_pattern = 3;
constexpr int32_t patterns = 4;
constexpr int32_t state_done = 10;

} // namespace

void arrow_t::start() {
    counter = 0;
    pattern = base;
    alive = 1;
    hp = info->hit_points;
}

void arrow_t::update() {
    if (counter != 0 && counter % frames_per_pattern == 0) {
        if (pattern - base + 1 < patterns) {
            ++pattern;
        } else {
            kill();
        }
    }
    ++counter;
}

void arrow_ctr_t::move_y(int32_t d) {
    if (follow_y) {
        y += float(d);
    }
}

void arrow_ctr_t::move_y_wrapped(int32_t d) {
    if (follow_y) {
        object_t::move_y_wrapped(d);
    }
}

void arrow_ctr_t::update() {
    const float at_x = x;
    const float at_y = y;
    while (!step(at_x, at_y)) {
    }
}

bool arrow_ctr_t::step(float at_x, float at_y) {
    if (state == 0) {
        ++sweeps;
        state = sweeps > sweep_count ? state_done : 1;
        timer = 0;
        return false;
    }
    if (state == 1) {
        g_soundctr.request_se(se_sweep);
    } else if (state >= 2 && state <= 4) {
        if (timer < arrow_gap) {
            ++timer;
            return true;
        }
    } else {
        kill();
        ++timer;
        return true;
    }
    // Arrow i of the sweep starts i x 4 pixels behind the sign.
    const int32_t i = state - 1;
    arrows[i]->base = i * row;
    arrows[i]->set_position(at_x - arrow_step * float(i), at_y);
    arrows[i]->start();
    state = state == 4 ? 0 : state + 1;
    timer = 0;
    return false;
}

arrow_ctr_t* stage_t::make_arrow_ctr(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    return make_placed_enemy<arrow_ctr_t>(stage, placement, info);
}

arrow_t* stage_t::make_arrow(stage_t* stage, const placement_t* placement, const objectinfo_t* info) {
    arrow_t* arrow = make_placed_enemy<arrow_t>(stage, placement, info);
    arrow->kill();
    return arrow;
}

void stage_t::spawn_arrow(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({0, 43});
    if (!r) {
        return;
    }
    arrow_ctr_t* ctr = make_arrow_ctr(stage, placement, (*r)[0]);
    arrow_t* arrows[4];
    for (arrow_t*& arrow : arrows) {
        arrow = make_arrow(stage, placement, (*r)[1]);
    }
    ctr->follow_y = placement->param2 != 0 ? 1 : 0;
    std::copy(std::begin(arrows), std::end(arrows), std::begin(ctr->arrows));
}
