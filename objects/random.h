// The game's one random generator. Replays repeat a run only because every draw comes from here.
#pragma once

#include <cstdint>

namespace rng {

// state = state x 22695477 + 1; the result is bits 16..30 of the new state (0..32767).
int32_t rand();
// Sets the state and draws (and discards) one number.
void srand(uint32_t seed);
// The generator's state, for the play's state hash.
uint32_t current_state();
// Back to the state at program start.
void reset();
// An index in 0..n-1 from the next number: r / (32767 / n + 1); 0 when n < 1.
int32_t pick(int32_t n);

} // namespace rng
