// The charge in front of the final boss core, its spark emitter and the sparks.
#include "bosses/melvorin/melvorin_charge.h"

#include "bosses/melvorin/melvorin_core.h"
#include "objects/direction.h"
#include "objects/phase_script.h"

namespace {

constexpr float charge_dx = 20;
constexpr uint32_t level_frames = 64;
constexpr int32_t top_level = 3;
constexpr uint32_t first_interval = 16;
constexpr uint32_t interval_frames = 80;
constexpr int32_t releasing = 1;
constexpr int32_t ending = 2;
constexpr int32_t ended = -1;

} // namespace

namespace melvorin {

void charge_t::start() {
    charge_level = 0;
    timer = 0;
    pattern = 0;
    if (spark_ctr != nullptr) {
        spark_ctr->start();
    }
    explosion_t::start();
}

void charge_t::kill() {
    if (spark_ctr != nullptr) {
        spark_ctr->kill();
    }
    alive = 0;
    hp = 0;
}

void charge_t::update() {
    if (core != nullptr) {
        set_position(core->x - charge_dx, core->y);
        if (spark_ctr != nullptr) {
            spark_ctr->set_position(core->x - charge_dx, core->y);
        }
    }
    if (timer != 0 && timer % level_frames == 0 && charge_level < top_level) {
        ++charge_level;
    }
    // Above the first size it flickers between two sizes every 2 frames.
    pattern = charge_level == 0 ? 0 : (timer % 4 < 2 ? charge_level - 1 : charge_level);
    ++timer;
}

void spark_ctr_t::start() {
    phase = 0;
    phase_timer = 0;
    explosion_t::start();
}

void spark_ctr_t::update() {
    while (run_phase()) {
    }
    ++phase_timer;
}

bool spark_ctr_t::run_phase() {
    switch (phase) {
    case 0:
        interval = first_interval;
        return enter_phase(phase, phase_timer, releasing);
    case releasing:
        if (phase_timer == interval_frames) {
            interval /= 2;
            return enter_phase(phase, phase_timer, interval <= 2 ? ending : releasing);
        }
        if (interval != 0 && phase_timer % interval == 0) {
            release();
        }
        return false;
    case ending:
        kill();
        phase = ended;
        return false;
    default:
        return false;
    }
}

void spark_ctr_t::release() {
    const size_t count = sparks.entries.size();
    if (count == 0) {
        return;
    }
    next_spark %= uint32_t(count);
    const mul_explosion_t::data_t& e = sparks.entries[next_spark];
    // A spark still flying holds the order up.
    if (e.explosion == nullptr || e.explosion->alive) {
        return;
    }
    e.explosion->set_position(float(int32_t(x) + e.dx), float(int32_t(y) + e.dy));
    e.explosion->start();
    next_spark = (next_spark + 1) % uint32_t(count);
}

void spark_t::update() {
    if (target != nullptr) {
        direction = direction_to(position(), target->position());
    }
    aim_velocity();
    active_explosion_t::update();
}

} // namespace melvorin
