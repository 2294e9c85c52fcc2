// The scripts of the sample stages beyond their scenery: a fade in with the stage's sign, speed changes, a
// warning, and a fade out with the music at the end.
#pragma once

#include "play/eventinfo.h"
#include "tools/sample/stage_plan.h"

#include <vector>

// The script of a stage, whose stage change comes at pixel 0 of the section after its last.
std::vector<eventinfo_t> sample_stage_script(const stage_outline_t& outline);
