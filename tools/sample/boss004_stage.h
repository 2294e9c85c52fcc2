// The sample stages' armoured boss with arms: its group, the records
// of its parts and weapons, and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<objectinfo_t> boss004_records();
// The groups the stage plan places.
std::vector<stage_group_t> boss004_groups();
bool add_boss004_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
