#include "objects/random.h"

#include <gtest/gtest.h>

TEST(random, the_generator_follows_its_congruence_and_seeding_discards_one_number) {
    rng::srand(0);               // state 1 after the discarded draw
    EXPECT_EQ(rng::rand(), 346); // 1 x 22695477 + 1 = 22695478, >> 16 = 346
    rng::srand(256);
    uint32_t state = 256u * 22695477u + 1u;
    for (int i = 0; i < 1000; ++i) {
        state = state * 22695477u + 1u;
        ASSERT_EQ(rng::rand(), int32_t((state >> 16) & 0x7FFF));
    }
}

TEST(random, picks_divide_the_range_evenly_and_stay_inside) {
    rng::srand(1);
    for (int i = 0; i < 2000; ++i) {
        const int32_t index = rng::pick(7);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 7);
    }
    // A pick takes the high bits of the draw, not a remainder: out of four, the top two of its 15 bits.
    rng::srand(0);
    uint32_t state = 1;
    for (int i = 0; i < 1000; ++i) {
        state = state * 22695477u + 1u;
        ASSERT_EQ(rng::pick(4), int32_t((state >> 16) & 0x7FFF) >> 13) << "draw " << i;
    }
    EXPECT_EQ(rng::pick(1), 0);
    EXPECT_EQ(rng::pick(0), 0);
}
