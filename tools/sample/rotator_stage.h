// The sample stages' rotators: their records, where a player meets each family and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t rotator_image = 152; // a pointed hull facing each of the 64 directions
constexpr int32_t cross_image = 153;   // a four-armed hub turned over a quarter circle in 16 patterns

std::vector<objectinfo_t> rotator_records();
// The groups the stage plan places.
std::vector<stage_group_t> rotator_groups();
bool add_rotator_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
