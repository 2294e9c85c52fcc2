#include "objects/trig_tables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The whole-value entries (sines and cosines of multiples of 90 degrees) are checked on their own.
bool is_quarter_turn(int i, int n) {
    return (4 * i) % n == 0;
}

// Every other entry is the float nearest to the true value; a double computation is an independent
// witness of that.
void expect_nearest_floats(const float* sin_out, const float* cos_out, int n) {
    for (int i = 0; i < n; ++i) {
        if (is_quarter_turn(i, n)) {
            continue;
        }
        const double angle = i * (2 * 3.141592653589793 / n);
        EXPECT_EQ(sin_out[i], float(std::sin(angle))) << "sine " << i << " of " << n;
        EXPECT_EQ(cos_out[i], float(std::cos(angle))) << "cosine " << i << " of " << n;
    }
}

} // namespace

TEST(trig_tables, quarter_turns_are_exact_or_tiny_with_the_expected_sign) {
    EXPECT_EQ(sin_table[0], 0.0f);
    EXPECT_EQ(cos_table[0], 1.0f);
    EXPECT_EQ(sin_table_deg[0], 0.0f);
    EXPECT_EQ(cos_table_deg[0], 1.0f);

    for (const auto& [sin_at, cos_at] :
         {std::pair{sin_table[16], cos_table[16]}, std::pair{sin_table_deg[90], cos_table_deg[90]}}) {
        EXPECT_EQ(sin_at, 1.0f);
        EXPECT_GT(cos_at, 0.0f);
        EXPECT_LT(cos_at, 1e-15f);
    }
    for (const auto& [sin_at, cos_at] :
         {std::pair{sin_table[32], cos_table[32]}, std::pair{sin_table_deg[180], cos_table_deg[180]}}) {
        EXPECT_EQ(cos_at, -1.0f);
        EXPECT_GT(sin_at, 0.0f);
        EXPECT_LT(sin_at, 1e-15f);
    }
    for (const auto& [sin_at, cos_at] :
         {std::pair{sin_table[48], cos_table[48]}, std::pair{sin_table_deg[270], cos_table_deg[270]}}) {
        EXPECT_EQ(sin_at, -1.0f);
        EXPECT_LT(cos_at, 0.0f);
        EXPECT_GT(cos_at, -1e-15f);
    }
}

TEST(trig_tables, eighth_turns_and_every_other_entry_are_the_nearest_floats) {
    EXPECT_EQ(sin_table[8], 0.70710677f);
    EXPECT_EQ(cos_table[8], 0.70710677f);
    EXPECT_EQ(sin_table_deg[45], 0.70710677f);
    EXPECT_EQ(cos_table_deg[45], 0.70710677f);
    expect_nearest_floats(sin_table, cos_table, 64);
    expect_nearest_floats(sin_table_deg, cos_table_deg, 360);
}

TEST(trig_tables, cos_deg_truncates_and_wraps_negative_angles) {
    EXPECT_EQ(cos_deg(0.0f), 1.0f);
    EXPECT_EQ(cos_deg(360.0f), 1.0f);
    EXPECT_EQ(cos_deg(270.9f), cos_table_deg[270]);
    EXPECT_EQ(cos_deg(-90.0f), cos_table_deg[270]);
    EXPECT_EQ(cos_deg(-1.5f), cos_table_deg[359]);
    EXPECT_EQ(cos_deg(-0.5f), cos_table_deg[0]);
    EXPECT_EQ(cos_deg(-92160.0f), cos_table_deg[0]);
}
