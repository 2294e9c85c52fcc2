// The meteor stream: it launches its sixteen small meteors together, speeds them up with the level, then
// sweeps their aim up and down the screen and sends each gone meteor off again from where it was made.
#include "enemies/meteors/meteo.h"

#include "objects/direction.h"
#include "objects/play_globals.h"

namespace {

// Two stage sections and 64 pixels past its key, the stream ends and its meteors fly out.
constexpr uint32_t lifetime = 0x20040;
constexpr float launch_speed = 1.0f;
constexpr float first_target[2] = {32, 128};
constexpr uint32_t accelerate_from = 64;
constexpr uint32_t accelerate_frames = 256;
constexpr float sweep_step = 8;
constexpr float sweep_bottom = 255;

float acceleration(int32_t level) {
    return level <= 5 ? 0.001f * float(level) : 0.01f;
}

} // namespace

void smeteo_rush_t::aim_idle() {
    const float target[2] = {target_x, target_y};
    for (smeteo_t* meteor : meteors) {
        if (!meteor->alive) {
            const float origin[2] = {meteor->start_x, meteor->start_y};
            meteor->direction = direction_to(origin, target);
        }
    }
}

bool smeteo_rush_t::run_state() {
    switch (state) {
    case 0:
        speed = launch_speed;
        target_x = first_target[0];
        target_y = first_target[1];
        for (smeteo_t* meteor : meteors) {
            const float origin[2] = {meteor->start_x, meteor->start_y};
            meteor->speed = launch_speed;
            meteor->direction = direction_to(origin, first_target);
        }
        state = 1;
        timer = 0;
        return true;
    case 1:
        if (timer >= accelerate_frames) {
            state = 2;
            timer = 0;
            return true;
        }
        if (timer >= accelerate_from) {
            speed += acceleration(difficulty_level());
        }
        for (smeteo_t* meteor : meteors) {
            if (!meteor->alive) {
                meteor->speed = speed;
            }
        }
        return false;
    case 2:
        if (target_y < 0) {
            state = 3;
            timer = 0;
            return true;
        }
        target_y -= sweep_step;
        aim_idle();
        return false;
    case 3:
        if (target_y >= sweep_bottom) {
            state = 2;
            timer = 0;
            return true;
        }
        target_y += sweep_step;
        aim_idle();
        return false;
    default:
        return false;
    }
}

void smeteo_rush_t::update() {
    if (g_stage_position - key >= lifetime) {
        alive = 0;
        hp = 0;
        return;
    }
    while (run_state()) {
    }
    for (smeteo_t* meteor : meteors) {
        if (!meteor->alive) {
            meteor->set_position(meteor->start_x, meteor->start_y);
            meteor->start();
        }
    }
    ++timer;
}
