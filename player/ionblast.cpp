#include "player/ionblast.h"

#include "objects/random.h"

namespace {
constexpr int32_t first_drift_direction = 28;
constexpr int32_t drift_step = 3641; // 32768 / 3641 gives nine directions, 28..36
} // namespace

ionblast_t::ionblast_t(const objectinfo_t* info)
    : player_missile_t(info), drift_direction(first_drift_direction + rng::rand() / drift_step) {}
