// The sample stages' fish: its record, where a player meets it and its picture.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t fish_image = 260;

std::vector<objectinfo_t> fish_records();
// The groups the stage plan places.
std::vector<stage_group_t> fish_groups();
bool add_fish_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
