#include "objects/score.h"

#include "screen/soundctr.h"

#include <algorithm>

int32_t g_score = 0;
int32_t g_lives = 0;
int32_t g_next_extend = extend_step;
int32_t g_pending_bonus = 0;

namespace {

constexpr int32_t se_extend = 8;
constexpr int32_t se_bonus_tick = 28;
constexpr int32_t bonus_step = 500;

} // namespace

int32_t next_extend_threshold(int32_t score) {
    return ((score >> 19) + 1) << 19;
}

void score_reset(int32_t score) {
    g_score = score;
    g_pending_bonus = 0;
    g_next_extend = next_extend_threshold(score);
}

bool score_extend() {
    if (g_lives >= lives_cap) {
        return false;
    }
    ++g_lives;
    g_soundctr.request_se(se_extend);
    return true;
}

void score_add(int32_t points) {
    // Summed wide, so a large award can neither wrap the score nor slip under the cap.
    const int64_t sum = int64_t(g_score) + points;
    g_score = int32_t(std::clamp<int64_t>(sum, INT32_MIN, score_cap));
    if (g_score >= g_next_extend && score_extend()) {
        g_next_extend = next_extend_threshold(g_score);
    }
}

void score_add_pending(int32_t bonus) {
    if (g_pending_bonus > 0) {
        // Cleared before it is paid, so it reaches the score once.
        const int32_t pending = g_pending_bonus;
        g_pending_bonus = 0;
        score_add(pending);
    }
    if (bonus > 0) {
        g_pending_bonus = bonus;
    }
}

void score_drain_pending() {
    if (g_pending_bonus <= 0) {
        return;
    }
    const int32_t remainder = g_pending_bonus % bonus_step;
    const int32_t amount = remainder != 0 ? remainder : bonus_step;
    g_pending_bonus -= amount;
    score_add(amount);
    g_soundctr.request_se(se_bonus_tick);
}
