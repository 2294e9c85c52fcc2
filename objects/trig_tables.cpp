#include "objects/trig_tables.h"

#include <cmath>
#include <limits>

float sin_table[64];
float cos_table[64];
float sin_table_deg[360];
float cos_table_deg[360];

namespace {

// The angles are formed in 80-bit extended precision, i x ((2 x pi) x (1 / n)), then rounded to a double;
// sine and cosine of that double, again in extended precision, are rounded to float.
static_assert(std::numeric_limits<long double>::digits == 64, "the tables need 80-bit extended precision");

void build_tables(float* sin_out, float* cos_out, int n, long double reciprocal) {
    const long double step = (2.0L * (long double)3.141592653589793) * reciprocal;
    for (int i = 0; i < n; ++i) {
        const long double angle = (long double)(double)((long double)i * step);
        sin_out[i] = float(sinl(angle));
        cos_out[i] = float(cosl(angle));
    }
}

struct trig_tables_init_t {
    trig_tables_init_t() {
        build_degree_tables();
        build_direction_tables();
    }
};

// Runs during static initialisation, ahead of every other static object, before the entry routine.
const trig_tables_init_t init_trig_tables __attribute__((init_priority(101)));

} // namespace

void build_degree_tables() {
    build_tables(sin_table_deg, cos_table_deg, 360, 1.0L / 360.0L);
}

void build_direction_tables() {
    build_tables(sin_table, cos_table, 64, 0.015625L);
}

float cos_deg(float angle) {
    const uint32_t index = (uint32_t(int32_t(angle)) + 92160u) % 360u;
    return cos_table_deg[index];
}
