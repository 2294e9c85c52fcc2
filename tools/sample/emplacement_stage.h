// The sample stages' emplacements: battery003 and the pole, the laser turrets battery004 and battery005,
// their records, where a player meets them and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t pod_image = 140;       // battery003: a row of 8 blinks for each of the 4 facings
constexpr int32_t column_image = 141;    // a group of the pole
constexpr int32_t joint_image = 142;     // the pole's joint
constexpr int32_t emitter_image = 143;   // battery004 and battery005, one pattern per facing
constexpr int32_t beam_image = 144;      // battery004's segments: head, body, tapering tail per facing
constexpr int32_t wall_beam_image = 145; // battery005's segments: 8 widths, horizontal then vertical

std::vector<objectinfo_t> emplacement_records();
// The groups the stage plan places.
std::vector<stage_group_t> emplacement_groups();
bool add_emplacement_sprites(const std::string& root, std::vector<sprite_record_t>& table,
                             std::string& error);
