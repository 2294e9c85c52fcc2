// The sample stages' mid-bosses: where the winged gunship column, the creeping laser carrier and the
// ball-spreading cruiser meet the player, the records of their parts and shots, and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<objectinfo_t> midboss_records();
// The groups the stage plan places.
std::vector<stage_group_t> midboss_groups();
bool add_midboss_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
