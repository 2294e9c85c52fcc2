// The sample stages' cells: the pulsing cell001 and the hanging chains of cell002, their records, where
// a player meets them and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t cell_image = 184;       // cell001 and cell002's links: 8 patterns of a pulsing membrane
constexpr int32_t cell_group_image = 185; // a group: flying, then bursting over 3 more patterns

std::vector<objectinfo_t> cell_records();
// The groups the stage plan places.
std::vector<stage_group_t> cell_groups();
bool add_cell_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
