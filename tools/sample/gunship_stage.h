// The sample stages' gunships: where the twinbarrel and the quad-barrel meet the player, their records
// and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t twinbarrel_image = 250; // 8 tilts: level, 1..3 nose up, 7..5 nose down
constexpr int32_t bolt_image = 251;
constexpr int32_t quadbarrel_image = 252;      // 8 tilts as the twinbarrel's
constexpr int32_t quadbarrel_core_image = 253; // shut 0 .. open 7
constexpr int32_t straight_laser_image = 254;
constexpr int32_t bend_segment_image = 255;
constexpr int32_t core_missile_image = 256; // 32 patterns, the even ones used

std::vector<objectinfo_t> gunship_records();
// The groups the stage plan places.
std::vector<stage_group_t> gunship_groups();
bool add_gunship_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
