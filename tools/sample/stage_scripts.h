// The scripts of the sample stages beyond their opening: a fade in with a navigation message, speed
// changes, terrain wiped in from the map table, a warning before the turret, and a fade out at the end.
#pragma once

#include "play/eventinfo.h"

#include <cstdint>
#include <vector>

// The script of stage 1 or 2, whose stage change comes at pixel 0 of section `end_section`.
std::vector<eventinfo_t> sample_stage_script(int32_t stage, uint32_t end_section);
