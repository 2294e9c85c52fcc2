// The sample stages' mothership and explosion manager: their records, where a player meets them and the
// mothership's and its flash's pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t mothership_image = 305;
constexpr int32_t horzflash_image = 306; // widening by rows of 8 patterns, the first column used

std::vector<objectinfo_t> mothership_records();
// The groups the stage plan places.
std::vector<stage_group_t> mothership_groups();
bool add_mothership_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
