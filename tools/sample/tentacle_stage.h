// The sample stages' tentacles: arms rooted in the floor and the ceiling, their records, where a player
// meets them and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t tentacle_core_image = 341;
constexpr int32_t tentacle_seg_image = 342;  // 64 cells, one per direction
constexpr int32_t tentacle_hand_image = 343; // the same
constexpr int32_t tentacle_spore_image = 344;

std::vector<objectinfo_t> tentacle_records();
// The groups the stage plan places.
std::vector<stage_group_t> tentacle_groups();
bool add_tentacle_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
