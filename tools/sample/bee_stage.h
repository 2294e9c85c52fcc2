// The sample stages' bees: bee001 flights and the bee003 mid-boss with its escorts as groups, the records of
// their parts and weapons, and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<objectinfo_t> bee_records();
// The groups the stage plan places.
std::vector<stage_group_t> bee_groups();
bool add_bee_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
