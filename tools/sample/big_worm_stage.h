// The sample stages' large worms: the swimmer with two laser arms, the core with four breakable arms and
// the swaying wall worm, where each meets the player, their records and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t swimmer_image = 360;      // 32 strokes of its fins
constexpr int32_t swimmer_arm_image = 361;  // a joint pointing each of the 64 directions
constexpr int32_t arm_core_image = 362;     // four spokes turned over 32 patterns
constexpr int32_t core_arm_image = 363;     // a joint pointing each of the 64 directions
constexpr int32_t core_eye_image = 364;     // open 0 .. shut 7
constexpr int32_t core_light_image = 365;   // a ring pulsing over 8 patterns
constexpr int32_t wall_worm_image = 366;    // its head facing left
constexpr int32_t wall_segment_image = 367; // pattern 4 used
constexpr int32_t wall_smoke_image = 368;   // a puff thinning over 6 patterns

std::vector<objectinfo_t> big_worm_records();
// The groups the stage plan places.
std::vector<stage_group_t> big_worm_groups();
bool add_big_worm_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
