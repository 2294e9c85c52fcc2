// The sample stages' boss006: its group, the records of its weapons and
// effects, and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<objectinfo_t> boss006_records();
// The groups the stage plan places.
std::vector<stage_group_t> boss006_groups();
bool add_boss006_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
