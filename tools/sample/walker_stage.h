// The sample stages' walkers: spiders on the floor and the ceiling and a tarantula, their records, where
// a player meets them and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t spider_body_image = 334; // standing 0, hanging 1
constexpr int32_t spider_foot_image = 335; // the same two
constexpr int32_t spider_leg_image = 336;  // at rest 0, a hit pulse 3 fading to 1
constexpr int32_t spider_egg_image = 337;  // 4 turning cells
constexpr int32_t tarantula_image = 338;   // 10 walking cells
constexpr int32_t tarantula_eye_image = 339;
constexpr int32_t tarantula_shot_image = 340;

std::vector<objectinfo_t> walker_records();
// The groups the stage plan places.
std::vector<stage_group_t> walker_groups();
bool add_walker_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
