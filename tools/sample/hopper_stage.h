// The sample stages' hoppers: their record, where a player meets them on the floor and their picture.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

// Standing and turning 0..31, hopping right 32..47 and left 48..63, the gun raised 64..95.
constexpr int32_t hopper_image = 186;

std::vector<objectinfo_t> hopper_records();
// The groups the stage plan places.
std::vector<stage_group_t> hopper_groups();
bool add_hopper_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
