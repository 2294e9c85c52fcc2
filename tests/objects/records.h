// Parameter records for tests that build objects directly, without a table file.
#pragma once

#include "objects/objectinfo.h"

// A record of the given size and hit points (for effects: patterns).
inline objectinfo_t test_record(int32_t id, int32_t width, int32_t height, int32_t hit_points,
                                int32_t contact_damage = 1, int32_t score = 0) {
    return {id, width, height, hit_points, contact_damage, score, 0, 0, 0};
}
