// The sample stages' blocks and extra lives: walls of two sizes whose param picks the cell, the splitter
// and the one-up, their records, where a player meets them and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t wall_small_image = 330; // 8 cells of 16 x 16 bricks
constexpr int32_t wall_large_image = 331; // 4 cells of 32 x 32 blocks
constexpr int32_t splitter_image = 332;
constexpr int32_t oneup_image = 333;

std::vector<objectinfo_t> block_records();
// The groups the stage plan places.
std::vector<stage_group_t> block_groups();
bool add_block_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
