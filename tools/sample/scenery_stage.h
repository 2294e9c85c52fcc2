// The sample stages' scenery that cannot be shot: the arrow sign, the flying stars, the electric
// barriers and the lightning flashes, their records, where a player meets them and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t arrow_image = 180;       // four rows of an arrow brightening over 4 patterns
constexpr int32_t star002_image = 181;     // a star shrinking over 6 patterns
constexpr int32_t electricity_image = 182; // 8 patterns of a crackling bolt
constexpr int32_t lightning_image = 183;   // a flash: 0 bright .. 7 faint, 8 not drawn

std::vector<objectinfo_t> scenery_records();
// The groups the stage plan places.
std::vector<stage_group_t> scenery_groups();
bool add_scenery_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
