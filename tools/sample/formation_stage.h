// The sample stages' formation flyers and patrollers: where each zigzag, twister001 and twister002
// formation and each patroller meets the player, the records they are made of, and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t fighter_image = 96;
constexpr int32_t patroller_image = 97;
constexpr int32_t flame_image = 98;

std::vector<objectinfo_t> formation_records();
// The groups the stage plan places.
std::vector<stage_group_t> formation_groups();
bool add_formation_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
