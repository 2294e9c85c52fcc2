// The score, the lives and the extra-life rule, which outlive scenes; and the pending bonus that large
// rewards are counted in with, a little per frame with a tick sound each.
#pragma once

#include <cstdint>

constexpr int32_t score_cap = 10000000;
constexpr int32_t lives_cap = 99;
// An extra life at every multiple of this.
constexpr int32_t extend_step = 1 << 19;

extern int32_t g_score;
extern int32_t g_lives;
extern int32_t g_next_extend;   // always a multiple of extend_step
extern int32_t g_pending_bonus; // announced but not yet counted into the score

// The smallest multiple of extend_step greater than score.
int32_t next_extend_threshold(int32_t score);
// Sets the score and clears the pending bonus; the lives stay.
void score_reset(int32_t score);
// One more life unless there are lives_cap already.
bool score_extend();
// Adds points up to score_cap; at most one extra life per call.
void score_add(int32_t points);
// Pays a bonus still pending at once, then makes bonus the pending one when it is positive.
void score_add_pending(int32_t bonus);
// Once per play frame: counts the odd remainder, then 500 a frame, of the pending bonus into the score.
void score_drain_pending();
