// A group of a sample stage: what one family brings where the stage plan puts it, its placements and
// events keyed in pixels after the group's own key.
#pragma once

#include "play/eventinfo.h"
#include "play/stage_file.h"

#include <vector>

struct stage_group_t {
    const char* name;
    std::vector<placement_t> placements;
    std::vector<eventinfo_t> events = {};
};
