// The four ship types as the ship select shows them: each its own outline and colours, so the loadouts
// are told apart at a glance.
#pragma once

#include "tools/sample/bitmap_writer.h"

#include <cstdint>

// Ship type 0..3 drawn pointing right, centred on (cx, cy), within 40 x 30 pixels.
void draw_ship_type(sample_picture_t& p, int32_t cx, int32_t cy, int32_t type);
