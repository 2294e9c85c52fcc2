// The sample ending stage: stars behind a hidden ship, groups rising one after another through the
// letterbox, one that fades out half-way, and the ship taking off; the music of the title.
#pragma once

#include "objects/objectinfo.h"

#include <cstdint>
#include <string>
#include <vector>

// The parameter records of the ending's objects.
std::vector<objectinfo_t> ending_stage_records();
// Writes bin/st100.dat and its music table.
bool write_ending_stage(const std::string& root, std::string& error);
