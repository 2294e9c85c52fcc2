// The sample stages' own groups: pairs of plain enemies, carriers that drop each item, battery003 with
// its capsule, and the window markers that clear the field before the last fight; their records.
#pragma once

#include "objects/objectinfo.h"
#include "tools/sample/stage_group.h"

#include <vector>

std::vector<objectinfo_t> plain_records();
// The groups the stage plan places.
std::vector<stage_group_t> plain_groups();
