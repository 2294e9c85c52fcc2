// Sine and cosine of the 64 directions and of the 360 whole degrees, filled before anything else runs.
// Every movement along an angle reads these, so they must hold the same bits on every machine.
#pragma once

#include <cstdint>

// Direction d: 0 is +x, counter-clockwise with y up, d x 5.625 degrees.
extern float sin_table[64];
extern float cos_table[64];
extern float sin_table_deg[360];
extern float cos_table_deg[360];

void build_degree_tables();
void build_direction_tables();

// cos_table_deg[(trunc(angle) + 92160) mod 360], the sum and remainder unsigned: negative angles wrap.
float cos_deg(float angle);
