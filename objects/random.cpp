#include "objects/random.h"

namespace rng {

namespace {
uint32_t state = 0;
}

int32_t rand() {
    state = state * 22695477u + 1u;
    return int32_t((state >> 16) & 0x7FFF);
}

void reset() {
    state = 0;
}

void srand(uint32_t seed) {
    state = seed;
    rand();
}

uint32_t current_state() {
    return state;
}

int32_t pick(int32_t n) {
    const uint32_t r = uint32_t(rand());
    return n < 1 ? 0 : int32_t(r / uint32_t(32767 / n + 1));
}

} // namespace rng
