// The sample stages' shutters: shutter001, the slat columns of shutter002 and the gates of shutter003,
// their records, where a player meets them and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t shutter_image = 146; // shutter001: closed 0 .. open 15
constexpr int32_t slat_image = 147;    // shutter002's slats and body: end down, end up, slat down, slat up
constexpr int32_t gate_image = 148;    // shutter003: upper half, lower half

std::vector<objectinfo_t> shutter_records();
// The groups the stage plan places.
std::vector<stage_group_t> shutter_groups();
bool add_shutter_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
