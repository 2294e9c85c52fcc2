// Where a looping segment stands: the performance's music time since the segment started, folded
// back through the loops it has played.
#pragma once

#include "platform/dm_segment.h"

#include <cstdint>

namespace umlib {

// now and start: the performance's music time and the segment's start time.
int32_t fold_play_position(int32_t now, int32_t start, const plat::dm_segment_t& segment);

} // namespace umlib
