#include "screen/layer_scroll.h"

#include <algorithm>

int32_t layer_scroll_offset(int32_t position, int32_t shift, int32_t size) {
    // Shifts come from stage data: any value divides, none overflows.
    const int64_t divisor = int64_t(1) << std::clamp(shift, 0, 62);
    return (size - 1) & int32_t(int64_t(position) / divisor);
}

int32_t add_scroll(int32_t position, int32_t delta) {
    return int32_t(uint32_t(position) + uint32_t(delta));
}
