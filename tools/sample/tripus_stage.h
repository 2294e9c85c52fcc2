// The sample stages' tripus and its lasers: their records, where a player meets it and its pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t tripus_image = 303;       // arms turned 5 degrees a pattern, 24 patterns
constexpr int32_t tripus_laser_image = 304; // a streak at 5 degrees a pattern, 36 patterns

std::vector<objectinfo_t> tripus_records();
// The groups the stage plan places.
std::vector<stage_group_t> tripus_groups();
bool add_tripus_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
